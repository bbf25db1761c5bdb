#pragma once

#include "base/managed.h"

#include <QString>
#include <QStringList>

// Strings in order, duplicates allowed, compared with regard to case.
class IBSStringList : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{7E3A9C15-64B2-4D0F-8C1A-E92B5F03D6C4}";
    virtual void Clear() = 0;
    virtual int Count() const = 0;
    virtual QString Item(int i) const = 0;
    virtual bool Contains(const QString &s) const = 0;
    virtual int IndexOf(const QString &s) const = 0;
    virtual void SetItem(int i, const QString &s) = 0;
    // One item per line, each ended by a line break.
    virtual QString GetText() const = 0;
    virtual void SetText(const QString &text) = 0;
    virtual void Add(const QString &s) = 0;
    virtual void AddFrom(const IBSStringList &other) = 0;
    virtual void Delete(int i) = 0;
    virtual void Insert(int i, const QString &s) = 0;
    virtual QStringList Items() const = 0;
};

class TBSStringList2 : public TBSManagedInterface, public IBSStringList
{
public:
    TBSStringList2() = default;
    explicit TBSStringList2(const QStringList &items) : m_items(items) {}

    void Clear() override { m_items.clear(); }
    int Count() const override { return int(m_items.size()); }
    QString Item(int i) const override { return m_items.at(i); }
    bool Contains(const QString &s) const override { return m_items.contains(s); }
    int IndexOf(const QString &s) const override { return int(m_items.indexOf(s)); }
    void SetItem(int i, const QString &s) override { m_items[i] = s; }
    QString GetText() const override;
    void SetText(const QString &text) override;
    void Add(const QString &s) override { m_items << s; }
    void AddFrom(const IBSStringList &other) override { m_items << other.Items(); }
    void Delete(int i) override { m_items.removeAt(i); }
    void Insert(int i, const QString &s) override { m_items.insert(i, s); }
    QStringList Items() const override { return m_items; }

private:
    QStringList m_items;
};

BSRef<IBSStringList> NewStringList();
// The lines of a text (CR LF, LF or CR).
BSRef<IBSStringList> NewStringListFromText(const QString &text);
BSRef<IBSStringList> NewStringListFromStrings(const QStringList &items);
