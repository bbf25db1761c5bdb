#pragma once

// The path classes behind IBSFile and IBSDirectory.

#include "base/files.h"

class TBSPath : public TBSManagedInterface, public virtual IBSPath
{
public:
    QString FullName() const override { return m_path; }
    QString UNCName() const override { return m_path; }
    QString RelativeName(const BSRef<IBSDirectory> &base = {}) const override;
    bool IsWithin(const BSRef<IBSPath> &other) const override;
    QString Name() const override;
    QString BaseName() const override;
    int Kind() const override;
    QString Extension() const override;
    bool Delete(bool toRecycleBin = false) override;
    bool SetAccess(const QString &user, TBSAccessRights rights, bool recursive) override;
    bool GrantAccess(const QString &user, TBSAccessRights rights, bool recursive) override;
    bool RevokeAccess(const QString &user, TBSAccessRights rights, bool recursive) override;

protected:
    explicit TBSPath(const QString &path) : m_path(path) {}

    QString m_path;
};

class TBSFile : public TBSPath, public IBSFile
{
public:
    explicit TBSFile(const QString &path) : TBSPath(path) {}

    bool IsDirectory() const override { return false; }
    BSRef<IBSDirectory> Directory() const override;
    QString DirPath() const override;
    bool Exists() const override;
    bool IsReadOnly() const override;

    BSRef<IBSStringList> LoadLines() const override;
    void SaveLines(const BSRef<IBSStringList> &lines) override;
    BSRef<IBSStringMap> LoadStringMap() const override;
    void SaveStringMap(const BSRef<IBSStringMap> &map) override;
    bool IsEmpty() const override { return m_path.isEmpty(); }
    bool Open(const QString &parameters = {}, const BSRef<IBSDirectory> &directory = {}) override;
    bool Run(const QString &parameters = {}, bool visible = true) override;
    bool RunAndCapture(const QString &parameters, const BSRef<IBSStreamWriter> &writer) override;
    bool RunAndWait(const QString &parameters = {}, bool visible = true) override;
    QDateTime Date() const override;
    int64_t Size() const override;
    bool SameFile(const BSRef<IBSPath> &other) const override;
    bool CanCreate() const override;
    BSRef<IBSStreamReader> Reader() const override;
    BSRef<IBSStreamWriter> Writer(bool append = false) const override;
    bool HasKind(int kind) const override;
    BSRef<IBSFile> WithKind(int kind) const override;
    BSRef<IBSFile> WithExtension(const QString &extension) const override;
    bool CopyTo(const BSRef<IBSPath> &target) const override;
    bool MoveTo(const BSRef<IBSPath> &target) override;

private:
    BSRef<IBSFile> self() const;
};

class TBSDirectory : public TBSPath, public IBSDirectory
{
public:
    explicit TBSDirectory(const QString &path) : TBSPath(path) {}

    bool IsDirectory() const override { return true; }
    BSRef<IBSDirectory> Directory() const override { return self(); }
    QString DirPath() const override;
    bool Exists() const override;
    bool IsReadOnly() const override;

    bool Force() override;
    bool MakeCurrent() override;
    bool ExploreIn() override;
    BSRef<IBSDirectory> Corresponding(const BSRef<IBSDirectory> &base, const BSRef<IBSDirectory> &other) override;
    BSRef<IBSDirectory> SubDirectory(const QString &name) override;
    BSRef<IBSFile> File(const QString &name) override;
    BSRef<IBSFile> FileWithExtension(const QString &name, const QString &extension) override;
    BSRef<IBSFile> FileOfKind(const QString &name, int kind) override;
    bool DeleteAllFiles() override;
    BSRef<IBSFileIterator> Files(const QString &patterns = {}, bool recursive = false) override;
    BSRef<IBSFileIterator> FilesOfKinds(const TBSFileKinds &kinds, bool recursive = false) override;
    BSRef<IBSDirectoryIterator> Subdirectories(const QString &patterns = {}) override;

private:
    BSRef<IBSDirectory> self() const;
};

// The name part of a path: the text after the last "/".
QString BSPathLastComponent(const QString &path);
// The extension of a name or path: the text from the last "." of the last component; empty without one.
QString BSPathExtension(const QString &path);
