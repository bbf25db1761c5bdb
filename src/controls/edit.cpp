#include "controls/edit.h"

#include "controls/lookup.h"
#include "frame/trvinifile.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

namespace {

constexpr int DefaultDelayInterval = 750;

bool isChronNoTimeKey(QChar c)
{
    const QChar upper = c.toUpper();
    return upper == u'N' || upper == u'T';
}

// Whether the focus change leaves the field for another control of the form (not a window switch or a
// popup such as the context menu).
bool leavesField(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TTrvEdit::TTrvEdit(QWidget *parent)
    : QLineEdit(parent)
{
    m_delayTimer = new QTimer(this);
    m_delayTimer->setInterval(DefaultDelayInterval);
    connect(m_delayTimer, &QTimer::timeout, this, [this] { DelayElapsed(); });
    connect(this, &QLineEdit::textChanged, this, [this] { textWasChanged(); });
    m_savedTabStop = focusPolicy() & Qt::TabFocus;
    updateColors();
}

TTrvEdit::~TTrvEdit()
{
    // The lookup's button and label live on the parent; free them with the field.
    delete m_lookup;
    m_lookup = nullptr;
}

TTrvAbstractLookup *TTrvEdit::Lookup()
{
    // Made on first use rather than in the constructor, so that a subclass's CreateLookup is the one used.
    if (!m_lookup)
        m_lookup = CreateLookup();
    return m_lookup;
}

TTrvAbstractLookup *TTrvEdit::CreateLookup()
{
    return new TLookup(this);
}

void TTrvEdit::SetEditType(TEditType type)
{
    if (type == m_editType)
        return;
    m_editType = type;
    if (type != etString)
        m_charCase = ecNormal;
    if (type != etInteger && type != etFloat) {
        m_minValue = 0;
        m_maxValue = 0;
    }
    if (type != etTime && type != etDate && type != etInteger)
        m_options &= ~TEditOptions(eoHasUpDown);
    if (type != etChron)
        m_options &= ~TEditOptions(eoHasChronPool);
    applyTypeWidth();
    rebuildMask();
    ApplyMask();
}

void TTrvEdit::setEditTypeOrdinal(int type)
{
    if (type >= etString && type <= etFloat)
        SetEditType(TEditType(type));
}

void TTrvEdit::SetOptions(TEditOptions options)
{
    if (m_editType != etTime && m_editType != etDate && m_editType != etInteger)
        options &= ~TEditOptions(eoHasUpDown);
    if (options == m_options)
        return;
    if (m_editType != etChron) {
        m_options = options;
        rebuildMask();
        ApplyMask();
        return;
    }
    const TChron value = AsChron();
    m_options = options;
    if (options & eoHasChronPool)
        m_charCase = ecUpperCase;
    rebuildMask();
    applyTypeWidth();
    SetAsChron(value);
}

void TTrvEdit::SetEditMask(const QString &mask)
{
    if (mask == m_editMask)
        return;
    m_editMask = mask;
    m_mask = mask;
    ApplyMask();
}

void TTrvEdit::SetMinValue(int32_t value)
{
    if (m_editType == etInteger || m_editType == etFloat)
        m_minValue = value;
}

void TTrvEdit::SetMaxValue(int32_t value)
{
    if (m_editType == etInteger || m_editType == etFloat)
        m_maxValue = value;
}

void TTrvEdit::SetPrecision(int32_t precision)
{
    m_precision = precision;
    // The mask comes from the type again; a string field thereby drops a mask set through EditMask.
    if (m_editType == etString)
        m_editMask.clear();
    rebuildMask();
}

void TTrvEdit::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == taRightJustify)
        horizontal = Qt::AlignRight;
    else if (alignment == taCenter)
        horizontal = Qt::AlignHCenter;
    QLineEdit::setAlignment(horizontal | Qt::AlignVCenter);
}

void TTrvEdit::SetCharCase(TEditCharCase charCase)
{
    m_charCase = charCase;
}

void TTrvEdit::SetColors(const TColors &colors)
{
    m_colors = colors;
    updateColors();
}

int TTrvEdit::DelayInterval() const
{
    return m_delayTimer->interval();
}

void TTrvEdit::SetDelayInterval(int milliseconds)
{
    m_delayTimer->setInterval(milliseconds);
}

bool TTrvEdit::TabStop() const
{
    if (isReadOnly())
        return m_savedTabStop;
    return focusPolicy() & Qt::TabFocus;
}

void TTrvEdit::SetTabStop(bool tabStop)
{
    if (isReadOnly()) {
        m_savedTabStop = tabStop;
        return;
    }
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TTrvEdit::rebuildMask()
{
    m_mask = BuildEditMask(m_editType, m_options, m_editMask, LocaleDateTextFormat());
}

int TTrvEdit::typeWidth() const
{
    int pixels = 0;
    switch (m_editType) {
    case etChron:
        pixels = m_options & eoHasChronPool ? 60 : 50;
        break;
    case etTime:
        pixels = 35;
        break;
    case etDate:
        pixels = 65;
        break;
    default:
        return 0;
    }
    // The widths fit a small system font; a larger font gets the room its mask text needs.
    QString sample = m_mask;
    for (QChar &c : sample) {
        if (c == u'$')
            c = u'W';
        else if (IsEditableMaskChar(c))
            c = u'0';
    }
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const QSize contents(fontMetrics().horizontalAdvance(sample) + 6, fontMetrics().height());
    const int needed = style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, this).width();
    return qMax(pixels, needed);
}

void TTrvEdit::applyTypeWidth()
{
    const bool fixedWidth = m_editType == etChron || m_editType == etTime || m_editType == etDate;
    setSizePolicy(fixedWidth ? QSizePolicy::Fixed : QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (fixedWidth) {
        rebuildMask();
        resize(typeWidth(), height());
    }
    updateGeometry();
}

QSize TTrvEdit::sizeHint() const
{
    QSize hint = QLineEdit::sizeHint();
    if (const int width = typeWidth(); width > 0)
        hint.setWidth(width);
    return hint;
}

QSize TTrvEdit::minimumSizeHint() const
{
    QSize hint = QLineEdit::minimumSizeHint();
    if (const int width = typeWidth(); width > 0)
        hint.setWidth(width);
    return hint;
}

void TTrvEdit::setShownText(const QString &shown)
{
    if (shown != QLineEdit::text())
        QLineEdit::setText(shown);
}

void TTrvEdit::ApplyMask()
{
    if (m_mask.isEmpty())
        return;
    const QString normalised = ::ApplyMask(QLineEdit::text(), m_mask);
    if (normalised == QLineEdit::text())
        return;
    const bool selected = hasSelectedText();
    const int start = selected ? selectionStart() : cursorPosition();
    const int length = selected ? int(selectedText().size()) : 0;
    QLineEdit::setText(normalised);
    if (length > 0)
        setSelection(start, length);
    else
        setCursorPosition(start);
}

QString TTrvEdit::withCharCase(const QString &text) const
{
    if (m_charCase == ecUpperCase)
        return text.toUpper();
    if (m_charCase == ecLowerCase)
        return text.toLower();
    return text;
}

void TTrvEdit::writeShown(const QString &shown)
{
    const bool selected = hasSelectedText();
    const int start = selected ? selectionStart() : cursorPosition();
    const int length = selected ? int(selectedText().size()) : 0;
    setShownText(withCharCase(shown));
    ApplyMask();
    const int size = int(QLineEdit::text().size());
    if (length > 0 && start < size)
        setSelection(start, qMin(length, size - start));
    else
        setCursorPosition(qMin(start, size));
    Lookup()->CheckKey();
}

QString TTrvEdit::Text() const
{
    return ReadMaskedText(QLineEdit::text(), m_mask, m_editType, m_options);
}

void TTrvEdit::SetText(const QString &value)
{
    if (m_options & eoSaveMaskChars)
        writeShown(value);
    else
        writeShown(PourIntoMask(value, m_mask));
}

void TTrvEdit::CheckRange()
{
    if (m_editType == etInteger) {
        int32_t value = DecimalIntOrZero(Text());
        if (ClampToBounds(value, m_minValue, m_maxValue))
            SetAsInteger(value);
    } else if (m_editType == etFloat) {
        long double value = 0;
        if (!ParseFloat(Text(), LocaleDecimalSeparator(), value))
            value = 0;
        if (ClampToBounds(value, m_minValue, m_maxValue))
            SetAsFloat(value);
    }
}

int32_t TTrvEdit::AsInteger()
{
    CheckRange();
    return DecimalIntOrZero(Text().trimmed());
}

void TTrvEdit::SetAsInteger(int32_t value)
{
    SetText(value == 0 && (m_options & eoZeroAsBlanks) ? QString() : QString::number(value));
}

long double TTrvEdit::AsFloat()
{
    CheckRange();
    long double value = 0;
    return ParseFloat(Text().trimmed(), LocaleDecimalSeparator(), value) ? value : 0;
}

void TTrvEdit::SetAsFloat(long double value)
{
    if (value == 0 && (m_options & eoZeroAsBlanks)) {
        SetText(QString());
        return;
    }
    QString text = FormatFloatDecimals(value, m_precision < 1 ? 0 : m_precision, true);
    text.replace(u'.', LocaleDecimalSeparator());
    SetText(text.trimmed());
}

TDateTime TTrvEdit::AsDateTime() const
{
    TDateTime value = 0;
    if (m_editType == etTime) {
        if (!ParseClockTime(Text().trimmed(), value))
            return 0;
        return value;
    }
    if (m_editType == etDate) {
        QString text = Text();
        text.remove(u' ');
        if (!ParseDateText(text, LocaleDateTextFormat(), LocaleDateSeparator(), value))
            return 0;
        return qBound(MinFieldDate, value, MaxFieldDate);
    }
    return 0;
}

void TTrvEdit::SetAsDateTime(TDateTime value)
{
    // Formatted values are in the shown layout already, so they go in as they are.
    if (value == 0)
        SetText(QString());
    else if (m_editType == etTime)
        writeShown(FormatDateTimePattern(value, QStringLiteral("hh:nn")));
    else if (m_editType == etDate)
        writeShown(FormatDateTimePattern(value, LocaleDateTextFormat()));
}

TChron TTrvEdit::AsChron() const
{
    const QString text = Text();
    if (text.contains(QLatin1String("NT")))
        return ChronNoTime;
    return StrToChron(text.left(8));
}

void TTrvEdit::SetAsChron(TChron value)
{
    const int pool = ChronPool();
    if (value >= 6000000 && !(m_options & eoAllowZMinuten)) {
        m_options |= eoAllowZMinuten;
        rebuildMask();
    }
    QString text;
    if (value == ChronNoTime)
        text = QStringLiteral("  :NT.  ");
    else if (value > 0)
        text = ChronToStr(value, false);
    // The eight characters line up with the mask, so they go in as they are.
    writeShown(text);
    SetChronPool(pool);
}

int TTrvEdit::ChronPool() const
{
    const QString text = Text();
    if (text.size() < 10)
        return 0;
    switch (text.at(9).unicode()) {
    case u'S':
        return 1;
    case u'L':
        return 2;
    case u'Y':
        return 3;
    default:
        return 0;
    }
}

void TTrvEdit::SetChronPool(int pool)
{
    if (!(m_options & eoHasChronPool))
        return;
    static const char16_t letters[] = {u' ', u'S', u'L', u'Y'};
    QString text = Text().leftJustified(10, u' ');
    text[9] = pool >= 1 && pool <= 3 ? QChar(letters[pool]) : QChar(u' ');
    writeShown(text);
}

QString TTrvEdit::AsIniText()
{
    switch (m_editType) {
    case etChron:
        return QString::number(AsChron());
    case etTime:
        return FormatDateTimePattern(AsDateTime(), QStringLiteral("hhnn"));
    case etDate:
        return FormatDateTimePattern(AsDateTime(), QStringLiteral("yyyymmdd"));
    case etFloat:
        return FormatFloatDecimals(AsFloat(), 13, false);
    case etString:
    case etInteger:
        break;
    }
    return Text();
}

void TTrvEdit::SetAsIniText(const QString &text)
{
    auto number = [&text](int from, int length, int &value) {
        int32_t parsed = 0;
        const QString part = text.mid(from, length);
        if (part.size() != length || part.startsWith(u'-') || part.startsWith(u'+') || !ParseDecimalInt(part, parsed))
            return false;
        value = parsed;
        return true;
    };
    bool ok = false;
    switch (m_editType) {
    case etChron: {
        int32_t value = 0;
        ok = ParseDecimalInt(text, value);
        if (ok)
            SetAsChron(value);
        break;
    }
    case etTime: {
        int hour = 0;
        int minute = 0;
        TDateTime value = 0;
        ok = number(0, 2, hour) && number(2, 2, minute) && EncodeDateTime(1899, 12, 30, hour, minute, 0, value);
        if (ok)
            SetAsDateTime(value);
        break;
    }
    case etDate: {
        int year = 0;
        int month = 0;
        int day = 0;
        TDateTime value = 0;
        ok = number(0, 4, year) && number(4, 2, month) && number(6, 2, day)
             && EncodeDateTime(year, month, day, 0, 0, 0, value);
        if (ok)
            SetAsDateTime(value);
        break;
    }
    case etFloat: {
        long double value = 0;
        ok = ParseFloat(text, u'.', value);
        if (ok)
            SetAsFloat(value);
        break;
    }
    case etString:
    case etInteger:
        SetText(text);
        return;
    }
    if (!ok)
        SetText(QString());
}

void TTrvEdit::LoadFromIni(TTrvIniFile &ini, const QString &section)
{
    SetAsIniText(ini.ReadString(section, objectName(), AsIniText()));
}

void TTrvEdit::SaveToIni(TTrvIniFile &ini, const QString &section)
{
    ini.WriteString(section, objectName(), AsIniText());
}

void TTrvEdit::ShowLookup()
{
    Lookup()->ShowLookup();
}

void TTrvEdit::DelayElapsed()
{
    m_delayTimer->stop();
    emit OnDelayChange();
    Lookup()->CheckKey();
    m_delayTimer->stop();
}

bool TTrvEdit::Validate()
{
    CheckRange();
    const bool refFound = Lookup()->CheckKey();
    bool canExit = true;
    emit OnValidate(this, refFound, &canExit);
    return canExit;
}

void TTrvEdit::textWasChanged()
{
    m_delayTimer->stop();
    m_delayTimer->start();
    emit OnChange();
}

void TTrvEdit::updateColors()
{
    m_colors.applyTo(this, isEnabled(), isReadOnly(), m_focused);
}

void TTrvEdit::lookupStateChanged()
{
    if (m_lookup)
        m_lookup->UpdateState();
}

void TTrvEdit::typeCharacter(QChar c)
{
    if (m_editType == etChron && isChronNoTimeKey(c)) {
        SetAsChron(ChronNoTime);
        return;
    }
    const QString typed = withCharCase(QString(c));
    const bool selected = hasSelectedText();
    const int caret = selected ? selectionStart() : cursorPosition();
    const int length = selected ? int(selectedText().size()) : 0;
    const TMaskEditResult result = m_editType == etChron
                                       ? ChronTypeChar(QLineEdit::text(), m_mask, caret, length, typed.at(0))
                                       : MaskTypeChar(QLineEdit::text(), m_mask, caret, length, typed.at(0));
    if (result.beep)
        QApplication::beep();
    setShownText(result.text);
    setCursorPosition(result.caret);
}

void TTrvEdit::eraseAtCaret(bool backspace)
{
    const bool selected = hasSelectedText();
    const int caret = selected ? selectionStart() : cursorPosition();
    const int length = selected ? int(selectedText().size()) : 0;
    if (backspace && length == 0 && caret == 0)
        return;
    BeforeTextEdit();
    const TMaskEditResult result = MaskErase(QLineEdit::text(), m_mask, caret, length, backspace);
    setShownText(result.text);
    setCursorPosition(result.caret);
}

void TTrvEdit::pasteFromClipboard()
{
    BeforeTextEdit();
    paste();
    ApplyMask();
}

void TTrvEdit::cutToClipboard()
{
    if (hasSelectedText())
        QApplication::clipboard()->setText(selectedText());
    eraseAtCaret(false);
}

void TTrvEdit::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event->key();

    if (isReadOnly()) {
        // Nothing of the value changes: no typing, cutting, pasting or lookup; moving and copying work.
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_F2 && mods == Qt::NoModifier) {
        ShowLookup();
        event->accept();
        return;
    }
    if (key == Qt::Key_Insert && mods == Qt::ShiftModifier) {
        pasteFromClipboard();
        event->accept();
        return;
    }
    if (m_mask.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }

    if ((key == Qt::Key_V && mods == Qt::ControlModifier)) {
        pasteFromClipboard();
    } else if ((key == Qt::Key_X && mods == Qt::ControlModifier) || (key == Qt::Key_Delete && mods == Qt::ShiftModifier)) {
        BeforeTextEdit();
        cutToClipboard();
    } else if (key == Qt::Key_Delete && mods == Qt::NoModifier) {
        eraseAtCaret(false);
    } else if (key == Qt::Key_Backspace && (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) {
        eraseAtCaret(true);
    } else if (!event->text().isEmpty() && !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
               && event->text().at(0) >= QChar(u' ') && event->text().at(0) != QChar(u'\x7f')) {
        for (const QChar c : event->text())
            typeCharacter(c);
    } else {
        // Cursor movement, selection, copy, Enter, Tab and Escape work as usual; anything else that the
        // platform changed is normalised again.
        QLineEdit::keyPressEvent(event);
        if (QLineEdit::text().size() != m_mask.size())
            ApplyMask();
        return;
    }
    event->accept();
}

void TTrvEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (m_mask.isEmpty() || event->commitString().isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    for (const QChar c : event->commitString())
        typeCharacter(c);
    event->accept();
}

void TTrvEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (m_focused)
        return; // back from another window or a popup: the field never left
    emit OnEnter();
    m_focused = true;
    updateColors();
}

void TTrvEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!leavesField(event->reason()) || !m_focused)
        return;

    CheckRange();
    if (m_editType == etChron)
        SetAsChron(AsChron());
    m_focused = false;
    updateColors();
    if (Validate()) {
        if (m_delayTimer->isActive())
            DelayElapsed();
        emit OnExit();
        return;
    }
    QWidget *form = window();
    if (form->isVisible() && form->isEnabled())
        setFocus(Qt::OtherFocusReason);
}

bool TTrvEdit::event(QEvent *event)
{
    // The lookup's button and label live on the field's parent and move with it.
    if (event->type() == QEvent::ParentAboutToChange && m_lookup)
        m_lookup->ReleaseControls();
    const bool result = QLineEdit::event(event);
    if (event->type() == QEvent::ParentChange && m_lookup) {
        m_lookup->Refresh();
        m_lookup->CheckKey();
    }
    return result;
}

void TTrvEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::ReadOnlyChange:
        if (isReadOnly()) {
            m_savedTabStop = focusPolicy() & Qt::TabFocus;
            setFocusPolicy(Qt::ClickFocus);
        } else {
            setFocusPolicy(m_savedTabStop ? Qt::StrongFocus : Qt::ClickFocus);
        }
        deselect();
        updateColors();
        lookupStateChanged();
        break;
    case QEvent::EnabledChange:
        updateColors();
        lookupStateChanged();
        break;
    case QEvent::FontChange:
    case QEvent::StyleChange:
        updateGeometry();
        break;
    default:
        break;
    }
}

void TTrvEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // Cut and paste from the menu are done by the platform; the mask then checks the result.
    QPointer<QMenu> menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->exec(event->globalPos());
    ApplyMask();
}

void TTrvEdit::dropEvent(QDropEvent *event)
{
    QLineEdit::dropEvent(event);
    ApplyMask();
}

void TTrvEdit::moveEvent(QMoveEvent *event)
{
    QLineEdit::moveEvent(event);
    if (m_lookup)
        m_lookup->UpdatePlacement();
}

void TTrvEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    if (m_lookup)
        m_lookup->UpdatePlacement();
}

void TTrvEdit::showEvent(QShowEvent *event)
{
    QLineEdit::showEvent(event);
    lookupStateChanged();
}

void TTrvEdit::hideEvent(QHideEvent *event)
{
    QLineEdit::hideEvent(event);
    lookupStateChanged();
}
