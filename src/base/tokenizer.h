#pragma once

#include "base/managed.h"

#include <QString>

class IBSStringList;

// A text cut into tokens at separator characters, once, when the tokenizer is made.
class IBSTokenizer : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{B6E1A093-47D2-4F8C-9E35-C0A28F7D1B64}";
    // Empty for an index out of range.
    virtual QString Token(int i) const = 0;
    virtual int Count() const = 0;
    virtual BSRef<IBSStringList> Tokens() const = 0;
    // Trims every token; answers the tokenizer.
    virtual BSRef<IBSTokenizer> TrimTokens() = 0;
    // Every token starting with a double or single quote loses its first and its last character.
    virtual BSRef<IBSTokenizer> Unquote() = 0;
};

class TBSTokenizer : public TBSManagedInterface, public IBSTokenizer
{
public:
    TBSTokenizer(const QString &text, const QString &separators, bool skipEmpty);

    QString Token(int i) const override;
    int Count() const override;
    BSRef<IBSStringList> Tokens() const override { return m_tokens; }
    BSRef<IBSTokenizer> TrimTokens() override;
    BSRef<IBSTokenizer> Unquote() override;

private:
    BSRef<IBSStringList> m_tokens;
};

// An empty text gives no tokens; "a;;b" gives "a", "", "b" (or "a", "b" with skipEmpty); "a;" gives
// "a", "".
BSRef<IBSTokenizer> NewTokenizer(const QString &text, const QString &separators, bool skipEmpty = false);
// NewTokenizer(text, ";", false): the items of a ";" list.
BSRef<IBSTokenizer> NewListTokenizer(const QString &text);
