#include "base/textforms.h"

#include "base/converterror.h"

#include <QLocale>

#include <cmath>

QString FloatToText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    // Shortest round-trip digits as d.ddde±x, then laid out.
    const QString scientific = QString::number(value, 'e', QLocale::FloatingPointShortest);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    QString mantissa = scientific.left(e);
    const bool negative = mantissa.startsWith(QLatin1Char('-'));
    if (negative)
        mantissa.remove(0, 1);
    QString digits = mantissa;
    digits.remove(QLatin1Char('.'));

    QString text;
    if (exponent <= 14 && std::fabs(value) >= 0.00001) {
        if (exponent < 0) {
            text = QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + digits;
        } else if (digits.size() <= exponent + 1) {
            text = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
        } else {
            text = digits.left(exponent + 1) + QLatin1Char('.') + digits.mid(exponent + 1);
        }
    } else {
        text = digits.left(1);
        if (digits.size() > 1)
            text += QLatin1Char('.') + digits.mid(1);
        text += QLatin1Char('E') + QString::number(exponent);
    }
    return negative ? QLatin1Char('-') + text : text;
}

double TextToFloat(const QString &text)
{
    const QLocale locale;
    QString t = text.trimmed();
    if (locale.decimalPoint() == QLatin1String("."))
        t.replace(QLatin1Char(','), QLatin1Char('.'));
    else
        t.replace(QLatin1Char('.'), locale.decimalPoint());
    bool ok = false;
    const double value = locale.toDouble(t, &ok);
    if (!ok)
        throw EBSConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

double TextToFloatDef(const QString &text, double defaultValue)
{
    try {
        return TextToFloat(text);
    } catch (const EBSConvertError &) {
        return defaultValue;
    }
}

QString DateTimeToText(const QDateTime &dateTime)
{
    const QDate d = dateTime.date();
    const QTime t = dateTime.time();
    return QStringLiteral("%1%2%3%4%5%6%7")
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'))
        .arg(t.msec(), 3, 10, QLatin1Char('0'));
}

QDateTime TextToDateTime(const QString &text)
{
    if (text.size() != 17)
        throw EBSConvertError(QStringLiteral("Invalid BSDateTimeString"));
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw EBSConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    auto field = [&](int from, int length) { return text.mid(from, length).toInt(); };
    const QDate date(field(0, 4), field(4, 2), field(6, 2));
    const QTime time(field(8, 2), field(10, 2), field(12, 2), field(14, 3));
    if (!date.isValid() || !time.isValid())
        throw EBSConvertError(QStringLiteral("Invalid argument to date encode"));
    return QDateTime(date, time);
}

QDateTime TextToDateTimeDef(const QString &text, const QDateTime &defaultValue)
{
    try {
        return TextToDateTime(text);
    } catch (const EBSConvertError &) {
        return defaultValue;
    }
}

QStringList BSTrueBoolStrs()
{
    return {QStringLiteral("T"), QStringLiteral("J"), QStringLiteral("Y"), QStringLiteral("1"),
            QStringLiteral("-1"), QStringLiteral("True"), QStringLiteral("Ja")};
}

QStringList BSFalseBoolStrs()
{
    return {QStringLiteral("F"), QStringLiteral("N"), QStringLiteral("0"), QStringLiteral("False"),
            QStringLiteral("Nein")};
}

bool BSStrToBool(const QString &text, bool *ok)
{
    if (ok)
        *ok = true;
    int64_t number = 0;
    if (BSTryStrToInt64(text, number))
        return number != 0;
    const QString t = text.trimmed();
    for (const QString &word : BSTrueBoolStrs())
        if (t.compare(word, Qt::CaseInsensitive) == 0)
            return true;
    for (const QString &word : BSFalseBoolStrs())
        if (t.compare(word, Qt::CaseInsensitive) == 0)
            return false;
    if (ok)
        *ok = false;
    return false;
}

bool BSStrToBoolDef(const QString &text, bool defaultValue)
{
    bool ok = false;
    const bool value = BSStrToBool(text, &ok);
    return ok ? value : defaultValue;
}

QString BSBoolToStr(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
