#pragma once

#include "points/pointtable.h"

#include <QString>

#include <memory>

// The class-level face of a point table class: what the registry asks without making an object (its
// identifier, name and version) and its virtual constructor. A class reference is a shared pointer to
// one of these; there is one instance per table class.
class TBSSwPointTableClass : public std::enable_shared_from_this<TBSSwPointTableClass>
{
public:
    virtual ~TBSSwPointTableClass() = default;

    virtual int32_t ID() const { return TBSSwPointTable::ID(); }
    virtual QString Name() const { return {}; }
    virtual QString Version() const { return {}; }
    // A new object of the class.
    virtual BSRef<IBSSwPoints> Create() const;
};

// A class of tables given as a table text: Name and Version come from the text's header, read once per
// identifier for the whole process; every new object reads the text again.
class TBSSwBaseTimesPointTableClass : public TBSSwPointTableClass
{
public:
    QString Name() const override;
    QString Version() const override;
    BSRef<IBSSwPoints> Create() const override;

    // The name of the class's built-in table text.
    virtual QString ResourceName() const = 0;
    // The table text: the built-in resource of ResourceName.
    virtual QString TableText() const;

protected:
    std::shared_ptr<const TBSSwBaseTimesPointTableClass> self() const;

private:
    // Enters the header's Name and Version into the process-wide name maps unless the ID is there.
    void readNamesOnce() const;
};

// The class of a built-in table T, which names its ID and ResourceName as static functions.
template<class T>
class TBSSwPointTableClassOf final : public TBSSwBaseTimesPointTableClass
{
public:
    int32_t ID() const override { return T::ID(); }
    QString ResourceName() const override { return T::ResourceName(); }
    BSRef<IBSSwPoints> Create() const override { return BSNew<T>(self()); }
};

// The one class reference of the built-in table class T.
template<class T>
const TBSSwPointTableClassRef &PointTableClass()
{
    static const TBSSwPointTableClassRef cls = std::make_shared<TBSSwPointTableClassOf<T>>();
    return cls;
}

// A table class made at run time from a table text held in memory (a table file): its ID is given, its
// Name and Version come from the text's header, read when the class is made.
class TBSSwTextPointTableClass final : public TBSSwBaseTimesPointTableClass
{
public:
    // sourceName names where the text came from (the file's path); ResourceName answers it.
    TBSSwTextPointTableClass(int32_t id, const QString &text, const QString &sourceName);

    int32_t ID() const override { return m_id; }
    QString Name() const override { return m_name; }
    QString Version() const override { return m_version; }
    QString ResourceName() const override { return m_sourceName; }
    QString TableText() const override { return m_text; }

private:
    int32_t m_id;
    QString m_text;
    QString m_sourceName;
    QString m_name;
    QString m_version;
};
