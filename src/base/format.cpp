#include "base/format.h"

#include "base/converterror.h"

#include <QLocale>

#include <cmath>

namespace {

[[noreturn]] void invalid(const QString &format)
{
    throw EBSConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

bool isIntegral(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isFloating(const QVariant &v)
{
    return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float;
}

QString withMinimumDigits(QString digits, int precision)
{
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative)
        digits.remove(0, 1);
    if (precision > digits.size())
        digits.prepend(QString(precision - digits.size(), QLatin1Char('0')));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString localized(QString text)
{
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        text.replace(QLatin1Char('.'), point);
    return text;
}

QString groupThousands(const QString &fixed)
{
    // fixed: optional "-", digits, optional "." and decimals (C locale).
    const bool negative = fixed.startsWith(QLatin1Char('-'));
    QString body = negative ? fixed.mid(1) : fixed;
    const qsizetype dot = body.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? body : body.left(dot);
    const QString decimals = dot < 0 ? QString() : body.mid(dot + 1);
    const QString group = QLocale().groupSeparator();
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, group);
    QString result = negative ? QLatin1Char('-') + whole : whole;
    if (dot >= 0)
        result += QLocale().decimalPoint() + decimals;
    return result;
}

QString scientific(double value, int precision)
{
    // Delphi style: one digit, the decimals, "E", sign and at least three exponent digits.
    if (precision < 1)
        precision = 1;
    if (precision > 18)
        precision = 18;
    QString text = QString::number(value, 'E', precision - 1);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    if (e >= 0) {
        QString exponent = text.mid(e + 2);
        while (exponent.size() < 3)
            exponent.prepend(QLatin1Char('0'));
        text = text.left(e + 2) + exponent;
    }
    return localized(text);
}

QString general(double value, int precision)
{
    if (precision < 1 || precision > 18)
        precision = 15;
    if (std::isnan(value) || std::isinf(value))
        return QString::number(value);
    QString text = QString::number(value, 'g', precision);
    if (text.contains(QLatin1Char('e'))) {
        // Scientific: exponent as "E+nn" without padding beyond two digits.
        const qsizetype e = text.indexOf(QLatin1Char('e'));
        QString mantissa = text.left(e);
        QString exponent = text.mid(e + 1);
        const QChar sign = exponent.at(0);
        exponent = exponent.mid(1);
        while (exponent.size() > 2 && exponent.startsWith(QLatin1Char('0')))
            exponent.remove(0, 1);
        text = mantissa + QLatin1Char('E') + sign + exponent;
    }
    return localized(text);
}

} // namespace

QString BSFormat(const QString &format, const QVariantList &arguments)
{
    QString result;
    int next = 0;
    const qsizetype n = format.size();
    qsizetype i = 0;
    auto takeArgument = [&]() -> const QVariant & {
        if (next < 0 || next >= arguments.size())
            invalid(format);
        return arguments[next++];
    };
    auto takeInt = [&]() -> int {
        const QVariant &v = takeArgument();
        if (!isIntegral(v))
            invalid(format);
        return int(v.toLongLong());
    };
    auto readNumber = [&](int &value) -> bool {
        if (i < n && format[i] == QLatin1Char('*')) {
            ++i;
            value = takeInt();
            return true;
        }
        if (i >= n || !format[i].isDigit())
            return false;
        value = 0;
        while (i < n && format[i].isDigit()) {
            value = std::min(value * 10 + format[i].digitValue(), 100000);
            ++i;
        }
        return true;
    };

    while (i < n) {
        const QChar c = format[i++];
        if (c != QLatin1Char('%')) {
            result += c;
            continue;
        }
        if (i < n && format[i] == QLatin1Char('%')) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        // [index ":"]
        {
            qsizetype j = i;
            int index = 0;
            while (j < n && format[j].isDigit()) {
                index = std::min(index * 10 + format[j].digitValue(), 100000);
                ++j;
            }
            if (j > i && j < n && format[j] == QLatin1Char(':')) {
                next = index;
                i = j + 1;
            }
        }
        bool left = false;
        if (i < n && format[i] == QLatin1Char('-')) {
            left = true;
            ++i;
        }
        int width = -1;
        readNumber(width);
        int precision = -1;
        if (i < n && format[i] == QLatin1Char('.')) {
            ++i;
            if (!readNumber(precision))
                precision = 0;
        }
        if (i >= n)
            invalid(format);
        const QChar type = format[i++].toLower();
        QString piece;
        switch (type.unicode()) {
        case 'd': {
            const QVariant &v = takeArgument();
            if (!isIntegral(v))
                invalid(format);
            piece = withMinimumDigits(QString::number(v.toLongLong()), precision);
            break;
        }
        case 'u': {
            const QVariant &v = takeArgument();
            if (!isIntegral(v))
                invalid(format);
            const qlonglong value = v.toLongLong();
            piece = withMinimumDigits(QString::number(value < 0 ? quint32(value) : qulonglong(value)), precision);
            break;
        }
        case 'x': {
            const QVariant &v = takeArgument();
            if (!isIntegral(v))
                invalid(format);
            const qlonglong value = v.toLongLong();
            const qulonglong bits = value < 0 && value >= INT32_MIN ? quint32(value) : qulonglong(value);
            piece = withMinimumDigits(QString::number(bits, 16).toUpper(), precision);
            break;
        }
        case 'p': {
            const QVariant &v = takeArgument();
            piece = QString::number(v.toULongLong(), 16).toUpper().rightJustified(8, QLatin1Char('0'));
            break;
        }
        case 's': {
            const QVariant &v = takeArgument();
            if (v.typeId() != QMetaType::QString && v.typeId() != QMetaType::QByteArray
                && v.typeId() != QMetaType::QChar && v.typeId() != QMetaType::Char16)
                invalid(format);
            piece = v.toString();
            if (precision >= 0 && piece.size() > precision)
                piece.truncate(precision);
            break;
        }
        case 'f':
        case 'e':
        case 'g':
        case 'n':
        case 'm': {
            const QVariant &v = takeArgument();
            if (!isFloating(v) && !isIntegral(v))
                invalid(format);
            const double value = v.toDouble();
            if (type == QLatin1Char('e'))
                piece = scientific(value, precision < 0 ? 15 : precision);
            else if (type == QLatin1Char('g'))
                piece = general(value, precision);
            else {
                const int decimals = std::clamp(precision < 0 ? 2 : precision, 0, 18);
                const QString fixed = QString::number(value, 'f', decimals);
                piece = type == QLatin1Char('f') ? localized(fixed) : groupThousands(fixed);
            }
            break;
        }
        default:
            invalid(format);
        }
        if (width > piece.size())
            piece = left ? piece.leftJustified(width, QLatin1Char(' ')) : piece.rightJustified(width, QLatin1Char(' '));
        result += piece;
    }
    return result;
}
