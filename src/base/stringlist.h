#pragma once

#include "base/managed.h"

#include <QString>
#include <QStringList>

#include <functional>

class IBSIntegerList;
class IBSLookupItems;
class IBSStringList;
class IBSStringMap;
class IBSStringSet;

// Strings compared with regard to case: the common face of the string list and the string set.
class IBSStringCollection : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{4E9A1C07-D83B-4F62-A5E1-0B7C2D96F3A8}";
    virtual void Clear() = 0;
    virtual int Count() const = 0;
    // The items joined by ","; an item holding a blank, a control character, a comma or a double quote is
    // put in double quotes (inner quotes doubled); a single empty item gives "".
    virtual QString CommaText() const = 0;
    // Cut at every ","; empty items are kept; quotes are not interpreted. An empty text gives no items.
    virtual void SetCommaText(const QString &text) = 0;
    virtual QString Item(int i) const = 0;
    virtual bool Contains(const QString &s) const = 0;
    // -1 when absent.
    virtual int IndexOf(const QString &s) const = 0;
    virtual BSRef<IBSStringCollection> CloneCollection() const = 0;
    virtual BSRef<IBSStringSet> AsStringSet() const = 0;
    // All items in order.
    virtual QStringList Items() const = 0;
};

// Strings in order, duplicates allowed, compared with regard to case.
class IBSStringList : public virtual IBSStringCollection
{
public:
    static constexpr const char *GUID = "{7E3A9C15-64B2-4D0F-8C1A-E92B5F03D6C4}";
    // Orders two strings: negative, 0 or positive.
    using Comparison = std::function<int(const QString &, const QString &)>;

    virtual void SetItem(int i, const QString &s) = 0;
    // One item per line, each ended by a line break.
    virtual QString GetText() const = 0;
    // The lines of a text (CR LF, LF or CR end a line).
    virtual void SetText(const QString &text) = 0;
    virtual BSRef<IBSStringList> Clone() const = 0;
    // count items from position from (counted from 0); count -1: to the end.
    virtual BSRef<IBSStringList> SubList(int from, int count) const = 0;
    virtual void Add(const QString &s) = 0;
    virtual void AddFrom(const IBSStringList &other) = 0;
    virtual void Delete(int i) = 0;
    virtual void Insert(int i, const QString &s) = 0;
    virtual void Reverse() = 0;
    // Default: case-sensitive character order. Equal items keep their order.
    virtual void Sort(const Comparison &comparison = {}) = 0;
    // The lines with "=" at position 2 or later as name/value pairs.
    virtual BSRef<IBSStringMap> AsStringMap() const = 0;
    // The position (from 0) as key, the line as text.
    virtual BSRef<IBSLookupItems> AsLookupItems() const = 0;
    // Every item read as a decimal integer; a non-number is an EBSConvertError.
    virtual BSRef<IBSIntegerList> AsIntegerList() const = 0;
};

class TBSStringCollection : public TBSManagedInterface, public virtual IBSStringCollection
{
public:
    void Clear() override { m_items.clear(); }
    int Count() const override { return int(m_items.size()); }
    QString CommaText() const override;
    void SetCommaText(const QString &text) override;
    QString Item(int i) const override;
    bool Contains(const QString &s) const override { return IndexOf(s) >= 0; }
    int IndexOf(const QString &s) const override { return int(m_items.indexOf(s)); }
    BSRef<IBSStringSet> AsStringSet() const override;
    QStringList Items() const override { return m_items; }

protected:
    TBSStringCollection() = default;
    // Takes the items read by SetCommaText.
    virtual void assign(const QStringList &items) = 0;

    QStringList m_items;
};

class TBSStringList2 : public TBSStringCollection, public IBSStringList
{
public:
    TBSStringList2() = default;
    explicit TBSStringList2(const QStringList &items) { m_items = items; }

    BSRef<IBSStringCollection> CloneCollection() const override { return Clone(); }
    void SetItem(int i, const QString &s) override;
    QString GetText() const override;
    void SetText(const QString &text) override;
    BSRef<IBSStringList> Clone() const override;
    BSRef<IBSStringList> SubList(int from, int count) const override;
    void Add(const QString &s) override { m_items << s; }
    void AddFrom(const IBSStringList &other) override { m_items << other.Items(); }
    void Delete(int i) override;
    void Insert(int i, const QString &s) override;
    void Reverse() override;
    void Sort(const Comparison &comparison = {}) override;
    BSRef<IBSStringMap> AsStringMap() const override;
    BSRef<IBSLookupItems> AsLookupItems() const override;
    BSRef<IBSIntegerList> AsIntegerList() const override;

protected:
    void assign(const QStringList &items) override { m_items = items; }
};

BSRef<IBSStringList> NewStringList();
// The lines of a text (CR LF, LF or CR).
BSRef<IBSStringList> NewStringListFromText(const QString &text);
BSRef<IBSStringList> NewStringListFromStrings(const QStringList &items);

// The comma text of items (the quoting rules of IBSStringCollection::CommaText).
QString BSCommaText(const QStringList &items);
// The lines of a text: CR LF, LF or CR end a line; a last line without an end counts.
QStringList BSSplitLines(const QString &text);
