#include "base/converterror.h"

EBSConvertError::EBSConvertError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

bool BSTryStrToInt64(const QString &text, int64_t &value)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        negative = t[i++] == QLatin1Char('-');
    if (i >= t.size())
        return false;
    uint64_t magnitude = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        if (magnitude > (uint64_t(INT64_MAX) + 1 - uint64_t(c - u'0')) / 10)
            return false;
        magnitude = magnitude * 10 + uint64_t(c - u'0');
    }
    if (!negative && magnitude > uint64_t(INT64_MAX))
        return false;
    value = negative ? int64_t(0 - magnitude) : int64_t(magnitude);
    return true;
}

namespace {

bool tryStrToInt(const QString &text, int32_t &value)
{
    int64_t wide = 0;
    if (!BSTryStrToInt64(text, wide) || wide < INT32_MIN || wide > INT32_MAX)
        return false;
    value = int32_t(wide);
    return true;
}

} // namespace

int32_t BSStrToInt(const QString &text)
{
    int32_t value = 0;
    if (!tryStrToInt(text, value))
        throw EBSConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

int32_t BSStrToIntDef(const QString &text, int32_t defaultValue)
{
    int32_t value = 0;
    return tryStrToInt(text, value) ? value : defaultValue;
}
