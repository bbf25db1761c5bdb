#pragma once

#include "base/managed.h"

#include <QString>
#include <QVariantList>

#include <cstdint>

// A reference-counted string with chainable operations: the changing operations modify the string in
// place and answer the same object.
class IBSString : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{9F4B2E61-D7A0-4C35-8B1E-60C3A5F92D47}";

    virtual BSRef<IBSString> AppendString(const BSRef<IBSString> &other, const QString &separator = {}) = 0;
    // When text is not empty: the separator (only when the string is not empty), then the text.
    virtual BSRef<IBSString> Append(const QString &text, const QString &separator = {}) = 0;
    // Append of BSFormat(format, arguments).
    virtual BSRef<IBSString> AppendFormat(const QString &format, const QVariantList &arguments,
                                          const QString &separator = {}) = 0;
    // When text is not empty: the text and (when the string was not empty) the separator in front.
    virtual BSRef<IBSString> Prepend(const QString &text, const QString &separator = {}) = 0;
    virtual BSRef<IBSString> PrependString(const BSRef<IBSString> &other, const QString &separator = {}) = 0;
    // RemoveAccents, then only 0-9, A-Z, a-z and "_" kept, "X" in front of a leading digit.
    virtual BSRef<IBSString> MakeIdentifier() = 0;
    // Accented letters become their plain letter (Æ becomes A).
    virtual BSRef<IBSString> RemoveAccents() = 0;
    // Ä Ö Ü ä ö ü ß become Ae Oe Ue ae oe ue ss, then RemoveAccents.
    virtual BSRef<IBSString> ToAscii() = 0;
    virtual BSRef<IBSString> UpperCase() = 0;
    // Lower case, then upper case for the first character and every character after a blank, ",", "-",
    // "." or "/".
    virtual BSRef<IBSString> TitleCase() = 0;
    // Moves € Š š Ž ž Œ œ Ÿ between their Windows-1252 and ISO 8859-15 codes (the text read as
    // Windows-1252); applying it twice restores the text.
    virtual BSRef<IBSString> SwapCodePage() = 0;
    // Keeps count characters from position from (counted from 1).
    virtual BSRef<IBSString> Copy(int from, int count) = 0;
    // Cuts longer strings to length; fills shorter ones with fill: alignment 0 on the right, 1 on the left,
    // 2 half (rounded down) on the left and the rest on the right; other codes fill on the right.
    virtual BSRef<IBSString> Pad(int length, QChar fill = QLatin1Char(' '), int alignment = 0) = 0;
    // Case-sensitive replacement of every occurrence.
    virtual BSRef<IBSString> ReplaceAll(const QString &oldText, const QString &newText) = 0;
    // Whether every word of the search text, as a pattern with "*", matches a word of the string (both
    // without accents and in upper case, cut at the separator characters).
    virtual bool MatchesWords(const QString &search, const QString &separators = QStringLiteral(" ")) const = 0;
    virtual bool IsEMail() const = 0;
    virtual BSRef<IBSString> Clone() const = 0;
    virtual bool IsEmpty() const = 0;
    virtual QString Text() const = 0;
    // The decimal number, else the default.
    virtual int32_t AsInteger(int32_t defaultValue = 0) const = 0;
    // The number in the default locale's format, else the default.
    virtual double AsFloat(double defaultValue = 0) const = 0;
    // A geographic coordinate "S10°30'15''" in degrees (negative for S and W).
    virtual double AsDegrees() const = 0;
};

class TBSString : public TBSManagedInterface, public IBSString
{
public:
    explicit TBSString(const QString &text = {}) : m_text(text) {}

    BSRef<IBSString> AppendString(const BSRef<IBSString> &other, const QString &separator = {}) override;
    BSRef<IBSString> Append(const QString &text, const QString &separator = {}) override;
    BSRef<IBSString> AppendFormat(const QString &format, const QVariantList &arguments,
                                  const QString &separator = {}) override;
    BSRef<IBSString> Prepend(const QString &text, const QString &separator = {}) override;
    BSRef<IBSString> PrependString(const BSRef<IBSString> &other, const QString &separator = {}) override;
    BSRef<IBSString> MakeIdentifier() override;
    BSRef<IBSString> RemoveAccents() override;
    BSRef<IBSString> ToAscii() override;
    BSRef<IBSString> UpperCase() override;
    BSRef<IBSString> TitleCase() override;
    BSRef<IBSString> SwapCodePage() override;
    BSRef<IBSString> Copy(int from, int count) override;
    BSRef<IBSString> Pad(int length, QChar fill = QLatin1Char(' '), int alignment = 0) override;
    BSRef<IBSString> ReplaceAll(const QString &oldText, const QString &newText) override;
    bool MatchesWords(const QString &search, const QString &separators = QStringLiteral(" ")) const override;
    bool IsEMail() const override;
    BSRef<IBSString> Clone() const override { return BSNew<TBSString>(m_text); }
    bool IsEmpty() const override { return m_text.isEmpty(); }
    QString Text() const override { return m_text; }
    int32_t AsInteger(int32_t defaultValue = 0) const override;
    double AsFloat(double defaultValue = 0) const override;
    double AsDegrees() const override;

private:
    BSRef<IBSString> self();

    QString m_text;
};

BSRef<IBSString> NewString(const QString &text = {});

// The pieces behind the operations, for plain texts.
QString BSRemoveAccents(const QString &text);
// The pattern rule of MatchesWords: "*" matches everything, an empty pattern nothing; a leading and a
// trailing "*" are noted and every "*" removed; the rest must occur in the word, at its start unless there
// was a leading "*", and its first occurrence must end at the word's end unless there was a trailing "*".
bool BSMatchesPattern(const QString &pattern, const QString &word);
