#pragma once

#include "base/managed.h"

#include <QString>
#include <QStringList>

class IBSFile;
class IBSDirectory;

// Iterators over the results of a search in folders. First starts over; First and Next answer whether
// there is a current entry.
class IBSFileIterator : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{9C2E5A71-4B08-4F3D-A6E2-0D81C7B3F594}";
    virtual bool First() = 0;
    virtual bool Next() = 0;
    virtual bool HasCurrent() const = 0;
    // Null when there is no current entry.
    virtual BSRef<IBSFile> Current() = 0;
};

class IBSDirectoryIterator : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{E4A0B2D8-61F7-4C39-8D5E-7B9A1F0C3E62}";
    virtual bool First() = 0;
    virtual bool Next() = 0;
    virtual bool HasCurrent() const = 0;
    virtual BSRef<IBSDirectory> Current() = 0;
};

// Cuts a pattern text into patterns: empty means "*.*"; a text with ";" is split at ";" and at blanks
// outside double quotes (blanks after a ";" are skipped, a final ";" gives an empty pattern); any other
// text gives one pattern per line.
QStringList BSSearchPatterns(const QString &patterns);

namespace bsfilesearch_detail {
// Give the two Current operations of the iterators different names, so one class can offer both.
class FileFace : public IBSFileIterator
{
public:
    BSRef<IBSFile> Current() override { return currentFile(); }
    virtual BSRef<IBSFile> currentFile() = 0;
};
class DirectoryFace : public IBSDirectoryIterator
{
public:
    BSRef<IBSDirectory> Current() override { return currentDirectory(); }
    virtual BSRef<IBSDirectory> currentDirectory() = 0;
};
} // namespace bsfilesearch_detail

// A search over folders for names matching patterns. Folders are visited in list order, in each folder the
// patterns in order and for each pattern the matching entries in name order; "." and ".." are never
// reported, and an entry matching two patterns is reported twice. With recursive, every folder below the
// start folder is searched too, depth first (links to folders are not followed). A file search reports
// everything that is not a folder, a folder search only folders.
class TBSFileSearch : public TBSManagedInterface,
                      public bsfilesearch_detail::FileFace,
                      public bsfilesearch_detail::DirectoryFace
{
public:
    TBSFileSearch(const QString &startFolder, const QStringList &patterns, bool recursive, bool directories);

    bool First() override;
    bool Next() override;
    bool HasCurrent() const override { return m_hasCurrent; }
    BSRef<IBSFile> currentFile() override;
    BSRef<IBSDirectory> currentDirectory() override;

private:
    bool advance();
    void loadEntries();
    QString currentPath() const;

    QStringList m_folders;
    QStringList m_patterns;
    bool m_directories;

    int m_folder = 0;
    int m_pattern = 0;
    int m_entry = -1;
    QStringList m_entries; // matching names in m_folders[m_folder] for m_patterns[m_pattern]
    bool m_hasCurrent = false;
    BSRef<IBSFile> m_currentFile;
    BSRef<IBSDirectory> m_currentDirectory;
};
