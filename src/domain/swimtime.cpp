#include "domain/swimtime.h"

#include <QStringList>

namespace {

// The decimal 32-bit integer a text spells, or `fallback` when it is not one.
int64_t decimalOr(const QString &text, int64_t fallback)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : fallback;
}

// Value of one digit character, or `fallback` for a non-digit.
int digitOr(QChar c, int fallback)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : fallback;
}

} // namespace

QString BSSwTimeToStr(TBSSwTime t, bool showNT)
{
    if (!BSSwIsValidTime(t))
        return showNT ? QStringLiteral("NT") : QString();
    const int h = t / 3600000;
    const int m = (t % 3600000) / 60000;
    const int s = (t % 60000) / 1000;
    const int c = (t % 1000) / 10;
    if (h > 0)
        return QString::asprintf("%dh%.2d:%.2d.%.2d", h, m, s, c);
    if (m <= 0)
        return QString::asprintf("%d.%.2d", s, c);
    return QString::asprintf("%d:%.2d.%.2d", m, s, c);
}

TBSSwTime BSSwStrToTime(const QString &text)
{
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    compact = compact.trimmed();

    QStringList words;
    QString word;
    for (const QChar c : compact) {
        if (c == QLatin1Char('h') || c == QLatin1Char(':') || c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (!word.isEmpty())
                words << word;
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.isEmpty())
        words << word;

    // Two-character pieces from the right of each word, least significant first.
    QStringList pieces;
    for (qsizetype w = words.size() - 1; w >= 0; --w) {
        const QString &current = words.at(w);
        qsizetype end = current.size();
        while (end > 0) {
            const qsizetype start = qMax<qsizetype>(0, end - 2);
            const QString piece = current.mid(start, end - start);
            if (digitOr(piece.at(0), -1) >= 0)
                pieces << piece;
            end = start;
        }
    }
    if (pieces.isEmpty())
        return BSSwNoTime;

    int64_t t = 0;
    if (pieces.size() == 1) {
        t = decimalOr(pieces.at(0), 0) * 1000;
    } else {
        static const int64_t factors[] = {1000, 60000, 3600000};
        t = decimalOr(pieces.at(0), 0) * (pieces.at(0).size() == 2 ? 10 : 100);
        for (qsizetype i = 1; i < pieces.size() && i <= 3; ++i)
            t += decimalOr(pieces.at(i), 0) * factors[i - 1];
    }
    return BSSwIsValidTime(t) ? TBSSwTime(t) : BSSwNoTime;
}

QString ChronToStr(TChron v, bool showNT)
{
    if (v < 11 || v > 35999089)
        return showNT ? QStringLiteral("NT") : QString();
    const int d = (v % 1000) / 10;
    QString text = QString::asprintf("%2d:%.2d.%d", v / 600000, (v % 600000) / 10000, (v % 10000) / 1000);
    text += d > 9 ? QLatin1Char('*') : QChar(QLatin1Char(char('0' + d)));
    if (text.startsWith(QLatin1String(" 0:")))
        text.replace(0, 3, QLatin1String("   "));
    return text;
}

TChron StrToChron(const QString &input)
{
    QString text = input;
    if (text == QLatin1String("99:99.99") || text == QLatin1String("99:99,99"))
        text = QStringLiteral("59:59.99");

    QStringList fields;
    if (!text.isEmpty()) {
        QString field;
        for (const QChar c : text) {
            if (c == QLatin1Char(':') || c == QLatin1Char('.') || c == QLatin1Char(',')) {
                fields << field;
                field.clear();
            } else {
                field += c;
            }
        }
        fields << field;
    }
    const qsizetype n = fields.size();
    if (n < 2)
        return 0;

    // 64-bit while adding up: absurd field values must not overflow; the result is kept in 32 bits.
    int64_t v = 0;
    if (n >= 3)
        v = decimalOr(fields.at(0).trimmed(), 0) * 600000;
    v += decimalOr(fields.at(n - 2).trimmed(), 0) * 10000;
    const QString last = fields.at(n - 1).trimmed();
    if (!last.isEmpty())
        v += digitOr(last.at(0), 0) * 1000;
    if (last.size() >= 2)
        v += digitOr(last.at(1), 10) * 10;
    else if (v > 0)
        v += 100;
    if (v > INT32_MAX || v < INT32_MIN)
        return 0;
    return TChron(v);
}

TBSSwTime ChronToSwimTime(TChron v)
{
    if (v == ChronNoTime)
        return BSSwNoTime;
    const int64_t tenthsAndHundredths = int64_t(v / 1000) * 10 + ((v % 1000) / 10) % 10;
    return TBSSwTime(tenthsAndHundredths * 10);
}

TChron SwimTimeToChron(TBSSwTime t)
{
    if (t == BSSwNoTime)
        return ChronNoTime;
    const int64_t c = t / 10;
    const int64_t chron = (c / 10) * 1000 + (c % 10) * 10;
    // Times of about 35 hours and more have no chrono value; they saturate instead of wrapping around.
    return chron > INT32_MAX ? INT32_MAX : chron < INT32_MIN ? INT32_MIN : TChron(chron);
}
