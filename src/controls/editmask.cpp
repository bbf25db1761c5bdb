#include "controls/editmask.h"

#include <QLocale>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isDateLetter(QChar c)
{
    return c == u'd' || c == u'h' || c == u'm' || c == u'n' || c == u's' || c == u'y';
}

// Replaces every non-overlapping occurrence, scanning left to right.
QString replaced(QString text, const QString &from, const QString &to)
{
    return text.replace(from, to);
}

// Whether the shown character ch is acceptable at position pos for mask character k.
bool shownAcceptable(QChar ch, QChar k, int pos)
{
    if (k == u'#')
        return isAsciiDigit(ch) || ((ch == u'N' || ch == u'T') && (pos == 3 || pos == 4));
    if (k == u'$')
        return isAsciiLetter(ch);
    if (k == u'@')
        return ch != u' ';
    return false;
}

// Index of the next editable position after pos, or mask.size() when there is none.
int nextEditable(const QString &mask, int pos)
{
    for (int i = pos + 1; i < mask.size(); ++i) {
        if (IsEditableMaskChar(mask.at(i)))
            return i;
    }
    return int(mask.size());
}

// Blanks the positions of the selection in place, as Delete over a selection does.
QString blankedSelection(QString text, int start, int length)
{
    for (int i = start; i < start + length && i < text.size(); ++i)
        text[i] = u' ';
    return text;
}

} // namespace

bool IsEditableMaskChar(QChar maskChar)
{
    return maskChar == u'#' || maskChar == u'$' || maskChar == u'@';
}

bool MaskAccepts(QChar c, QChar k)
{
    if (c == k || c == u' ')
        return true;
    if (isAsciiDigit(c) || c == u'.')
        return k == u'#' || k == u'@';
    if (isAsciiLetter(c))
        return k == u'$' || k == u'@';
    return k == u'@';
}

QString DateTextFormat(const QString &shortDateFormat, QChar dateSeparator)
{
    const QString sep(dateSeparator);
    QString f = shortDateFormat.toLower();
    for (QChar &c : f) {
        if (!isDateLetter(c))
            c = dateSeparator;
    }
    f = sep + f + sep;
    for (const QChar letter : QStringLiteral("dmshn"))
        f = replaced(f, sep + letter + sep, sep + letter + letter + sep);
    f = replaced(f, sep + QStringLiteral("yy") + sep, sep + QStringLiteral("yyyy") + sep);
    const QString twoSeps = sep + sep;
    qsizetype length = -1;
    while (length != f.size()) {
        length = f.size();
        f = replaced(f, twoSeps, sep);
    }
    return f.mid(1, f.size() - 2);
}

namespace {

// Qt's short date format in the letters DateTextFormat reads, with its separator.
struct LocaleDateFormat {
    QString format;
    QChar separator;
};

// Reads Qt's short date format run by run: "M" and "MM" are the month, month names ("MMM") count as the
// month number too, since a date field takes digits only; day names ("ddd") and anything quoted drop out.
LocaleDateFormat readLocaleDateFormat(const QString &qtFormat)
{
    LocaleDateFormat result{QString(), QChar(u'/')};
    bool separatorFound = false;
    bool hasDateLetter = false;
    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat.at(i);
        if (c == u'\'') {
            const qsizetype close = qtFormat.indexOf(u'\'', i + 1);
            i = close < 0 ? qtFormat.size() : close + 1;
            result.format += u' ';
            continue;
        }
        qsizetype run = 1;
        while (i + run < qtFormat.size() && qtFormat.at(i + run) == c)
            ++run;
        i += run;
        if (!c.isLetter()) {
            if (!separatorFound && c != u' ' && hasDateLetter) {
                result.separator = c;
                separatorFound = true;
            }
            result.format += QString(run, c);
        } else if (c == u'M') {
            result.format += run >= 2 ? QStringLiteral("mm") : QStringLiteral("m");
            hasDateLetter = true;
        } else if (c == u'd' && run <= 2) {
            result.format += QString(run, u'd');
            hasDateLetter = true;
        } else if (c == u'y') {
            result.format += QString(run, u'y');
            hasDateLetter = true;
        } else {
            result.format += u' ';
        }
    }
    return result;
}

const LocaleDateFormat &localeDateFormat()
{
    static const LocaleDateFormat format = readLocaleDateFormat(QLocale().dateFormat(QLocale::ShortFormat));
    return format;
}

} // namespace

QString QtDateTextFormat(const QString &qtShortFormat, QChar *separator)
{
    const LocaleDateFormat format = readLocaleDateFormat(qtShortFormat);
    if (separator)
        *separator = format.separator;
    return DateTextFormat(format.format, format.separator);
}

QString LocaleDateTextFormat()
{
    static const QString format = DateTextFormat(localeDateFormat().format, localeDateFormat().separator);
    return format;
}

QChar LocaleDateSeparator()
{
    return localeDateFormat().separator;
}

QString BuildEditMask(TEditType type, TEditOptions options, const QString &editMask, const QString &dateTextFormat)
{
    switch (type) {
    case etString:
        return editMask;
    case etChron: {
        QString mask = QStringLiteral("#:##.#@");
        if (options & eoHasChronPool)
            mask += QStringLiteral(" $");
        mask.prepend(options & eoAllowZMinuten ? u'@' : u' ');
        return mask;
    }
    case etTime:
        return QStringLiteral("##:##");
    case etDate: {
        QString mask = dateTextFormat;
        for (QChar &c : mask) {
            if (isDateLetter(c))
                c = u'#';
        }
        return mask;
    }
    case etInteger:
    case etFloat:
        break;
    }
    return QString();
}

QString ApplyMask(const QString &text, const QString &mask)
{
    if (mask.isEmpty())
        return text;
    QString result(mask.size(), QChar(MaskBlank));
    for (int p = 0; p < mask.size(); ++p) {
        const QChar k = mask.at(p);
        if (!IsEditableMaskChar(k)) {
            result[p] = k;
            continue;
        }
        const QChar ch = p < text.size() ? text.at(p) : QChar(u' ');
        if (shownAcceptable(ch, k, p))
            result[p] = ch;
    }
    return result;
}

QString PourIntoMask(const QString &value, const QString &mask)
{
    if (mask.isEmpty())
        return value;
    QString result(mask.size(), QChar(MaskBlank));
    int next = 0;
    for (int p = 0; p < mask.size(); ++p) {
        const QChar k = mask.at(p);
        if (!IsEditableMaskChar(k))
            result[p] = k;
        else if (next < value.size())
            result[p] = value.at(next++);
    }
    return result;
}

QString ReadMaskedText(const QString &shown, const QString &mask, TEditType type, TEditOptions options)
{
    QString text = shown;
    text.replace(QChar(MaskBlank), QChar(u' '));
    switch (type) {
    case etString:
        if (!mask.isEmpty() && !(options & eoSaveMaskChars)) {
            QString kept;
            for (int p = 0; p < text.size() && p < mask.size(); ++p) {
                if (IsEditableMaskChar(mask.at(p)))
                    kept += text.at(p);
            }
            text = kept;
        }
        return options & eoTrimStrings ? text.trimmed() : text;
    case etTime:
    case etDate: {
        text = text.trimmed();
        const int emptyLength = type == etTime ? 1 : 4;
        return text.size() == emptyLength ? QString() : text;
    }
    case etInteger:
    case etFloat:
        return text.trimmed();
    case etChron:
        break;
    }
    return text;
}

TMaskEditResult MaskTypeChar(const QString &text, const QString &mask, int caret, int selLength, QChar c)
{
    TMaskEditResult result{text, caret, false};
    if (c == u',' || c == u'.' || c == u':' || c == u';') {
        const qsizetype found = text.indexOf(c, qMax(0, caret));
        if (found >= 0) {
            result.caret = int(found) + 1;
            return result;
        }
    }

    const int length = int(mask.size());
    int p = caret;
    bool accepted = false;
    while (p < length) {
        const QChar k = mask.at(p);
        if (MaskAccepts(c, k)) {
            accepted = true;
            break;
        }
        if (IsEditableMaskChar(k))
            break;
        ++p;
    }
    if (!accepted) {
        result.beep = true;
        result.caret = qMin(p, length);
        return result;
    }

    QString updated = text;
    if (selLength > 0)
        updated = ApplyMask(blankedSelection(updated, caret, selLength), mask);
    if (p < updated.size())
        updated[p] = c;
    else
        updated = updated.leftJustified(p, u' ') + c;
    result.text = updated;
    if (p == length - 1)
        result.caret = length;
    else
        result.caret = qMin(nextEditable(mask, p), int(updated.size()) - 1);
    return result;
}

TMaskEditResult ChronTypeChar(const QString &text, const QString &mask, int caret, int selLength, QChar c)
{
    // Positions of the chrono mask: 0-1 minutes, 2 ":", 3-4 seconds, 5 ".", 6 tenths, 7 hundredths.
    const bool chronLayout = mask.size() >= 8 && mask.at(2) == u':' && mask.at(5) == u'.' && text.size() >= 8;
    if (!chronLayout || selLength > 0 || (c != u'.' && c != u':'))
        return MaskTypeChar(text, mask, caret, selLength, c);

    if (caret > 0 && caret <= text.size() && text.at(caret - 1) == c)
        return TMaskEditResult{text, caret, false};

    auto isDigit = [&](int i) { return text.at(i).isDigit(); };
    const bool minutesTyped = isDigit(0) || isDigit(1);
    const bool secondsEmpty = !isDigit(3) && !isDigit(4);
    if (c == u'.' && caret <= 3 && minutesTyped && secondsEmpty) {
        QString digits;
        for (int i = 0; i < 2; ++i)
            if (isDigit(i))
                digits += text.at(i);
        QString moved = text;
        moved[0] = u' ';
        moved[1] = u' ';
        const QString seconds = digits.rightJustified(2, u' ');
        moved[3] = seconds.at(0);
        moved[4] = seconds.at(1);
        return TMaskEditResult{ApplyMask(moved, mask), 6, false};
    }
    return MaskTypeChar(text, mask, caret, selLength, c);
}

TMaskEditResult MaskErase(const QString &text, const QString &mask, int caret, int selLength, bool backspace)
{
    TMaskEditResult result{text, caret, false};
    QString updated = text;
    int target = caret;
    if (selLength > 0) {
        updated = blankedSelection(updated, caret, selLength);
    } else {
        if (backspace) {
            if (caret <= 0)
                return result;
            target = caret - 1;
        }
        if (target < mask.size() && target < updated.size() && IsEditableMaskChar(mask.at(target))) {
            int runEnd = target;
            while (runEnd + 1 < mask.size() && IsEditableMaskChar(mask.at(runEnd + 1)))
                ++runEnd;
            updated = updated.leftJustified(runEnd + 1, u' ');
            for (int i = target; i < runEnd; ++i)
                updated[i] = updated.at(i + 1);
            updated[runEnd] = u' ';
        }
    }
    result.text = ApplyMask(updated, mask);
    result.caret = qMin(target, int(result.text.size()));
    return result;
}
