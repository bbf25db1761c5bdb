#pragma once

#include <QString>

#include <stdexcept>

// A broken precondition or programming error (a duplicate table ID, a negative key, ...). Always on, also
// in release builds, so callers and tests see the message; the message is the program's own German text.
class EBSAssertion : public std::logic_error
{
public:
    explicit EBSAssertion(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Throws EBSAssertion with the message when the condition does not hold.
void BSAssert(bool condition, const QString &message);
