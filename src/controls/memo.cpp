#include "controls/memo.h"

#include "base/assertion.h"
#include "frame/trvinifile.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBlock>

#include <typeinfo>

QStringList MemoLines(const QString &text)
{
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(u'\r', u'\n');
    if (normalised.isEmpty())
        return {};
    if (normalised.endsWith(u'\n'))
        normalised.chop(1);
    return normalised.split(u'\n');
}

QStringList WithoutTrailingBlankLines(QStringList lines)
{
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

TTrvMemo::TTrvMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (hasFocus())
            updateCaretLabel();
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (hasFocus())
            updateCaretLabel();
    });
    updateColors();
}

TTrvMemo::~TTrvMemo() = default;

void TTrvMemo::SetColors(const TColors &colors)
{
    m_colors = colors;
    updateColors();
}

void TTrvMemo::SetCaretPosControl(QLabel *label)
{
    m_caretLabel = label;
    if (m_caretLabel)
        m_caretLabel->clear();
}

void TTrvMemo::SetNoBlankLines(bool noBlankLines)
{
    m_noBlankLines = noBlankLines;
}

void TTrvMemo::SetReadOnly(bool readOnly)
{
    QPlainTextEdit::setReadOnly(readOnly);
    updateColors();
}

QStringList TTrvMemo::allLines() const
{
    return MemoLines(toPlainText());
}

QStringList TTrvMemo::Lines() const
{
    return m_noBlankLines ? WithoutTrailingBlankLines(allLines()) : allLines();
}

void TTrvMemo::SetLines(const QStringList &lines)
{
    QPlainTextEdit::setPlainText((m_noBlankLines ? WithoutTrailingBlankLines(lines) : lines).join(u'\n'));
}

QString TTrvMemo::Text() const
{
    if (!m_noBlankLines)
        return toPlainText();
    return Lines().join(u'\n');
}

void TTrvMemo::SetText(const QString &text)
{
    if (m_noBlankLines)
        SetLines(MemoLines(text));
    else
        QPlainTextEdit::setPlainText(text);
}

namespace {

void checkIniClass(const TTrvIniFile &ini)
{
    const std::type_info &type = typeid(ini);
    BSAssert(type == typeid(TTrvIniFile) || type == typeid(TTrvMemIniFile), QStringLiteral("Invalid INI file class!"));
}

} // namespace

void TTrvMemo::LoadFromIni(TTrvIniFile &ini, const QString &section)
{
    checkIniClass(ini);
    SetText(ini.ReadMultiLine(section, objectName(), Text()));
}

void TTrvMemo::SaveToIni(TTrvIniFile &ini, const QString &section)
{
    checkIniClass(ini);
    ini.WriteMultiLine(section, objectName(), Text());
}

QString TTrvMemo::CaretPosText() const
{
    const QTextCursor cursor = textCursor();
    const int line = cursor.blockNumber() + 1;
    const int column = cursor.positionInBlock() + 1;
    const int count = m_noBlankLines ? int(Lines().size()) : qMax(int(allLines().size()), line);
    return QStringLiteral("%1/%2 - %3").arg(line).arg(column).arg(count);
}

void TTrvMemo::updateCaretLabel()
{
    if (m_caretLabel)
        m_caretLabel->setText(CaretPosText());
}

void TTrvMemo::updateColors()
{
    m_colors.applyTo(this, isEnabled(), isReadOnly(), m_focused);
}

void TTrvMemo::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Not for the memo: the dialog's cancel handling gets it.
        if (QWidget *target = parentWidget()) {
            QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
            QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier));
        }
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
    updateCaretLabel();
}

void TTrvMemo::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyReleaseEvent(event);
    updateCaretLabel();
}

void TTrvMemo::mousePressEvent(QMouseEvent *event)
{
    QPlainTextEdit::mousePressEvent(event);
    updateCaretLabel();
}

void TTrvMemo::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    updateCaretLabel();
}

void TTrvMemo::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    m_focused = true;
    updateColors();
    updateCaretLabel();
}

void TTrvMemo::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    m_focused = false;
    updateColors();
    if (m_caretLabel)
        m_caretLabel->clear();
}

void TTrvMemo::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ReadOnlyChange)
        updateColors();
}
