#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

// A text that cannot be converted to the value asked for ("'x' is not a valid integer value").
class EBSConvertError : public std::runtime_error
{
public:
    explicit EBSConvertError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A decimal integer with an optional sign, blanks around it allowed, within the signed 32-bit range;
// anything else is an EBSConvertError.
int32_t BSStrToInt(const QString &text);
// The same, with a default instead of the error.
int32_t BSStrToIntDef(const QString &text, int32_t defaultValue);
// The same for 64-bit values.
bool BSTryStrToInt64(const QString &text, int64_t &value);
