#pragma once

#include "base/files.h"
#include "base/managed.h"
#include "base/stringlist.h"
#include "base/stringmap.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class TTrvIniFile;

// The base library's settings: sections of name/value pairs over an INI-style store (an INI file, an INI
// text in memory, the per-user key store), optionally backed by a second settings object that supplies
// defaults. Sections are reference-counted objects with typed reads and writes.
//
// Text forms of the typed values:
// - Boolean: written "True" or "False"; read "True"/"False" in any case, or a number (0 false, any other
//   true); anything else gives the default.
// - integer: decimal; anything else gives the default.
// - float: up to 15 significant digits with "." as decimal separator; read with "." or ","; anything
//   unreadable gives the default.
// - date-time: "yyyymmddhhnnsszzz" (17 digits, local time); anything else gives the default.
// - file, directory: the full path, empty for no object or an empty file; an absent key gives the
//   default object, an empty value no object.
class IBSSection : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{2C7E1F5A-9B34-4D8E-A6F0-51E3C8B92D47}";

    // All pairs.
    virtual BSRef<IBSStringMap> Values() const = 0;
    // Erases the section, then writes every pair of the map.
    virtual void SetValues(const BSRef<IBSStringMap> &values) = 0;
    // Writes every pair of the other section.
    virtual void Merge(const BSRef<IBSSection> &other) = 0;
    // A detached section in memory with a copy of the pairs.
    virtual BSRef<IBSSection> MemoryCopy() const = 0;
    // Erases the section.
    virtual void Clear() = 0;
    virtual bool IsEmpty() const = 0;
    virtual void WriteBool(const QString &name, bool value) = 0;
    virtual void WriteDateTime(const QString &name, const QDateTime &value) = 0;
    virtual void WriteDirectory(const QString &name, const BSRef<IBSDirectory> &value) = 0;
    virtual void WriteFile(const QString &name, const BSRef<IBSFile> &value) = 0;
    virtual void WriteFloat(const QString &name, double value) = 0;
    virtual void WriteInteger(const QString &name, qint32 value) = 0;
    virtual void WriteString(const QString &name, const QString &value) = 0;
    virtual bool ReadBool(const QString &name, bool defaultValue) const = 0;
    virtual QDateTime ReadDateTime(const QString &name, const QDateTime &defaultValue) const = 0;
    virtual BSRef<IBSDirectory> ReadDirectory(const QString &name, const BSRef<IBSDirectory> &defaultValue) const = 0;
    virtual BSRef<IBSFile> ReadFile(const QString &name, const BSRef<IBSFile> &defaultValue) const = 0;
    virtual double ReadFloat(const QString &name, double defaultValue) const = 0;
    virtual qint32 ReadInteger(const QString &name, qint32 defaultValue) const = 0;
    virtual QString ReadString(const QString &name, const QString &defaultValue) const = 0;
};

class IBSSettings : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{8A4D2B61-3E7C-4F19-B5D8-07C6E2A9F314}";

    // The named section; with defaults, a section that falls back to the defaults' section of that name.
    virtual BSRef<IBSSection> GetSection(const QString &name) = 0;
    // Replaces all pairs of the named section by the source's pairs.
    virtual void SetSection(const QString &name, const BSRef<IBSSection> &source) = 0;
    // The names of all sections of the store.
    virtual BSRef<IBSStringList> SectionNames() const = 0;
};

// The typed operations, once, on top of six: Values, SetValues, Clear, IsEmpty, ReadString, WriteString.
class TBSAbstractSection : public TBSManagedInterface, public IBSSection
{
public:
    void Merge(const BSRef<IBSSection> &other) override;
    BSRef<IBSSection> MemoryCopy() const override;
    void WriteBool(const QString &name, bool value) override;
    void WriteDateTime(const QString &name, const QDateTime &value) override;
    void WriteDirectory(const QString &name, const BSRef<IBSDirectory> &value) override;
    void WriteFile(const QString &name, const BSRef<IBSFile> &value) override;
    void WriteFloat(const QString &name, double value) override;
    void WriteInteger(const QString &name, qint32 value) override;
    bool ReadBool(const QString &name, bool defaultValue) const override;
    QDateTime ReadDateTime(const QString &name, const QDateTime &defaultValue) const override;
    BSRef<IBSDirectory> ReadDirectory(const QString &name, const BSRef<IBSDirectory> &defaultValue) const override;
    BSRef<IBSFile> ReadFile(const QString &name, const BSRef<IBSFile> &defaultValue) const override;
    double ReadFloat(const QString &name, double defaultValue) const override;
    qint32 ReadInteger(const QString &name, qint32 defaultValue) const override;

protected:
    TBSAbstractSection() = default;

private:
    std::optional<QString> readPath(const QString &name) const;
};

// A section of a store: reads and writes go to the store; empty when the store has no such section. The
// section keeps its settings object (and so the store) alive.
class TBSSection : public TBSAbstractSection
{
public:
    TBSSection(BSRef<IBSUnknown> owner, TTrvIniFile *store, const QString &name);

    BSRef<IBSStringMap> Values() const override;
    void SetValues(const BSRef<IBSStringMap> &values) override;
    void Clear() override;
    bool IsEmpty() const override;
    QString ReadString(const QString &name, const QString &defaultValue) const override;
    void WriteString(const QString &name, const QString &value) override;

    QString SectionName() const { return m_name; }

protected:
    BSRef<IBSUnknown> m_owner;
    TTrvIniFile *m_store;
    QString m_name;
};

// A section of a store with the defaults' section of the same name behind it: a read falls back to the
// defaults; Values adds the defaults' pairs the store lacks; empty only when both are; writes go to the
// store only.
class TBSSectionWithDefaults : public TBSSection
{
public:
    TBSSectionWithDefaults(BSRef<IBSUnknown> owner, TTrvIniFile *store, const QString &name,
                           BSRef<IBSSection> defaults);

    BSRef<IBSStringMap> Values() const override;
    bool IsEmpty() const override;
    QString ReadString(const QString &name, const QString &defaultValue) const override;

private:
    BSRef<IBSSection> m_defaults;
};

// A detached section: a name/value map in memory.
class TBSMemorySection : public TBSAbstractSection
{
public:
    // A copy of the pairs (none for null).
    explicit TBSMemorySection(const BSRef<IBSStringMap> &values = {});

    BSRef<IBSStringMap> Values() const override;
    void SetValues(const BSRef<IBSStringMap> &values) override;
    void Clear() override;
    bool IsEmpty() const override;
    QString ReadString(const QString &name, const QString &defaultValue) const override;
    void WriteString(const QString &name, const QString &value) override;

private:
    BSRef<IBSStringMap> m_values;
};

// Settings over one store, which it owns, with optional defaults.
class TBSSettings : public TBSManagedInterface, public IBSSettings
{
public:
    TBSSettings(std::unique_ptr<TTrvIniFile> store, BSRef<IBSSettings> defaults);
    ~TBSSettings() override;

    BSRef<IBSSection> GetSection(const QString &name) override;
    void SetSection(const QString &name, const BSRef<IBSSection> &source) override;
    BSRef<IBSStringList> SectionNames() const override;

    TTrvIniFile &Store() const { return *m_store; }

private:
    std::unique_ptr<TTrvIniFile> m_store;
    BSRef<IBSSettings> m_defaults;
};

// With a file and inMemory clear: the INI file itself, every write at once. With a file and inMemory set:
// an in-memory copy of the file's text. Without a file (or with an empty one): an empty in-memory store.
BSRef<IBSSettings> OpenIniSettings(const BSRef<IBSFile> &file, bool inMemory = false,
                                   const BSRef<IBSSettings> &defaults = {});
// The per-user key store for a key path below the user's root ("Software\Tarvo Software\Mirevo"): each
// section a subkey, each name a value. Kept as one INI file per key path below the user's config folder.
BSRef<IBSSettings> OpenRegistrySettings(const QString &keyPath, const BSRef<IBSSettings> &defaults = {});
// The lines of the built-in text resource in an in-memory store. Throws EResNotFound when the program
// carries no such resource.
BSRef<IBSSettings> OpenResourceSettings(const QString &resourceName);
// An in-memory store over an INI text.
BSRef<IBSSettings> OpenTextSettings(const QString &text, const BSRef<IBSSettings> &defaults = {});

// The file that keeps a key path of the per-user key store: below TProgramPaths::registryFolder(), the
// path's parts as folders and the last part + ".ini"; parts are matched without regard to case against
// what is already there, and "." and ".." parts are dropped.
QString RegistryKeyFileName(const QString &keyPath);
