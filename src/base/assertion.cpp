#include "base/assertion.h"

EBSAssertion::EBSAssertion(const QString &message)
    : std::logic_error(message.toStdString())
    , m_message(message)
{
}

void BSAssert(bool condition, const QString &message)
{
    if (!condition)
        throw EBSAssertion(message);
}
