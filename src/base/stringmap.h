#pragma once

#include "base/managed.h"

#include <QString>
#include <QStringList>

class IBSIntegerMap;
class IBSLookupItems;
class IBSStringList;
class IBSStringSet;

// Name/value pairs in insertion order; names are compared without regard to case. Each pair is kept as a
// line "name=value".
class IBSStringMap : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{B1C7A4E2-2F0D-4B8E-9A36-5D1E7C20F4A9}";
    virtual void Clear() = 0;
    virtual int Count() const = 0;
    virtual QString Name(int i) const = 0;
    // The text after the line's first "=".
    virtual QString Value(int i) const = 0;
    virtual void SetValue(int i, const QString &value) = 0;
    // Empty when the name is absent.
    virtual QString ValueOf(const QString &name) const = 0;
    // The line of that name, or a new line at the end, becomes name=value as spelt by the caller.
    virtual void Put(const QString &name, const QString &value) = 0;
    // One line per pair, each ended by a line break.
    virtual QString GetText() const = 0;
    virtual void SetText(const QString &text) = 0;
    virtual void AddFrom(const IBSStringMap &other) = 0;
    virtual void Remove(const QString &name) = 0;
    // A new map from each value to its name.
    virtual BSRef<IBSStringMap> Inverted() const = 0;
    virtual bool ContainsName(const QString &name) const = 0;
    // Locale order of the names, case-sensitive; ties keep their order.
    virtual void SortByName() = 0;
    // Locale order of the values, case-sensitive; ties keep their order.
    virtual void SortByValue() = 0;
    // The name of the first pair whose value equals value exactly; empty when none.
    virtual QString NameOfValue(const QString &value) const = 0;
    virtual BSRef<IBSStringSet> Names() const = 0;
    // Names and values read as decimal integers (0 for anything unreadable).
    virtual BSRef<IBSIntegerMap> AsIntegerMap() const = 0;
    // The name read as the key (0 when unreadable), the value as the text.
    virtual BSRef<IBSLookupItems> AsLookupItems() const = 0;
    virtual BSRef<IBSStringList> Values() const = 0;
};

class TBSStringMap : public TBSManagedInterface, public IBSStringMap
{
public:
    void Clear() override { m_lines.clear(); }
    int Count() const override { return int(m_lines.size()); }
    QString Name(int i) const override;
    QString Value(int i) const override;
    void SetValue(int i, const QString &value) override;
    QString ValueOf(const QString &name) const override;
    void Put(const QString &name, const QString &value) override;
    QString GetText() const override;
    void SetText(const QString &text) override;
    void AddFrom(const IBSStringMap &other) override;
    void Remove(const QString &name) override;
    BSRef<IBSStringMap> Inverted() const override;
    bool ContainsName(const QString &name) const override { return indexOfName(name) >= 0; }
    void SortByName() override;
    void SortByValue() override;
    QString NameOfValue(const QString &value) const override;
    BSRef<IBSStringSet> Names() const override;
    BSRef<IBSIntegerMap> AsIntegerMap() const override;
    BSRef<IBSLookupItems> AsLookupItems() const override;
    BSRef<IBSStringList> Values() const override;

    // The raw lines, for conversions.
    const QStringList &lines() const { return m_lines; }

private:
    int indexOfName(const QString &name) const;
    QStringList m_lines;
};

BSRef<IBSStringMap> NewStringMap();
// Every line with "=" at position 2 or later becomes a pair (value cut to 9999 characters); other lines are
// skipped; a later line with a name already present replaces the earlier pair.
BSRef<IBSStringMap> NewStringMapFromStrings(const QStringList &lines);
