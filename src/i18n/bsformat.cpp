#include "i18n/bsformat.h"

#include <QLocale>

namespace {

QString pad(const QString &text, bool left, int width)
{
    if (width <= text.size())
        return text;
    const QString fill(width - text.size(), QLatin1Char(' '));
    return left ? text + fill : fill + text;
}

} // namespace

QString BSFormat(const QString &format, const QVariantList &args)
{
    QString out;
    qsizetype next = 0; // next argument
    qsizetype i = 0;
    const qsizetype size = format.size();
    while (i < size) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%')) {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < size && format.at(i + 1) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            i += 2;
            continue;
        }
        // Parse the placeholder.
        qsizetype p = i + 1;
        const auto number = [&](int *value) {
            const qsizetype begin = p;
            while (p < size && format.at(p).isDigit() && p - begin < 6)
                ++p;
            if (p == begin)
                return false;
            *value = format.mid(begin, p - begin).toInt();
            return true;
        };
        int index = -1;
        int width = 0;
        int precision = -1;
        bool left = false;
        {
            const qsizetype save = p;
            int value = 0;
            if (number(&value) && p < size && format.at(p) == QLatin1Char(':'))
                index = value, ++p;
            else
                p = save;
        }
        if (p < size && format.at(p) == QLatin1Char('-'))
            left = true, ++p;
        number(&width);
        if (p < size && format.at(p) == QLatin1Char('.')) {
            ++p;
            if (!number(&precision))
                precision = 0;
        }
        if (p >= size) {
            out += format.mid(i);
            break;
        }
        const QChar type = format.at(p).toLower();
        const qsizetype argIndex = index >= 0 ? index : next;
        const QString placeholder = format.mid(i, p - i + 1);
        i = p + 1;
        if (argIndex >= args.size()) {
            out += placeholder;
            continue;
        }
        const QVariant &arg = args.at(argIndex);
        next = argIndex + 1;
        QString text;
        bool ok = true;
        switch (type.unicode()) {
        case 'd': {
            const qlonglong value = arg.toLongLong(&ok);
            text = QString::number(value);
            if (ok && precision > 0 && text.size() < precision)
                text = QString(precision - text.size(), QLatin1Char('0')) + text;
            break;
        }
        case 'u':
            text = QString::number(arg.toULongLong(&ok));
            break;
        case 'x':
            text = QString::number(arg.toULongLong(&ok), 16).toUpper();
            if (ok && precision > 0 && text.size() < precision)
                text = QString(precision - text.size(), QLatin1Char('0')) + text;
            break;
        case 's':
            text = arg.toString();
            if (precision >= 0)
                text.truncate(precision);
            break;
        case 'f':
            text = QString::number(arg.toDouble(&ok), 'f', precision < 0 ? 2 : precision);
            break;
        case 'e':
            text = QString::number(arg.toDouble(&ok), 'e', precision < 0 ? 15 : precision);
            break;
        case 'g':
            text = QString::number(arg.toDouble(&ok), 'g', precision < 0 ? 15 : precision);
            break;
        case 'n': {
            QLocale grouped = QLocale::c();
            grouped.setNumberOptions(QLocale::DefaultNumberOptions);
            text = grouped.toString(arg.toDouble(&ok), 'f', precision < 0 ? 2 : precision);
            break;
        }
        default:
            ok = false;
        }
        out += ok ? pad(text, left, width) : placeholder;
    }
    return out;
}
