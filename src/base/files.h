#pragma once

#include "base/filekinds.h"
#include "base/managed.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

// Path objects for files and folders.
//
// A path object holds one full path with "/" as the delimiter; a folder's path is kept without a trailing
// "/" (except the root). Relative names resolve against a base folder, by default the program's folder
// (BSProgramFolder, base/standardfolders.h), never against the process's current directory; "\" counts as a
// delimiter like "/", "." and ".." are resolved, and the characters < > " : ? * | and NUL are removed.

class IBSDirectory;
class IBSFile;
class IBSFileIterator;
class IBSDirectoryIterator;
class IBSStreamReader;
class IBSStreamWriter;
class IBSStringList;
class IBSStringMap;

enum TBSSpecialDir : int {
    sdNone = 0,   // not valid
    sdProgram,    // the program's folder
    sdPersonal,   // the user's documents
    sdSystem,
    sdTemp,
    sdWindows,
    sdCurrent,    // the process's current directory (a new object every time)
};

enum TBSSpecialFile : int {
    sfNone = 0,   // a file with an empty path
    sfProgram,    // the program's executable
    sfTempFile,   // a new temporary file name
};

// Access rights: bit i names the i-th right.
enum TBSAccessRight : unsigned {
    arRead = 1u << 0,
    arWrite = 1u << 1,
    arListFolder = 1u << 2,
    arReadEx = 1u << 3,
    arChange = 1u << 4,
    arProfile = 1u << 5,
    arFull = 1u << 6,
};
using TBSAccessRights = unsigned;

class IBSPath : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{5E0A7D3B-91C4-4F2E-8B6A-3C7D1E9F0A24}";

    virtual bool IsDirectory() const = 0;
    virtual QString FullName() const = 0;
    // The full path; there are no mapped network drives to replace.
    virtual QString UNCName() const = 0;
    // The path relative to base's DirPath ("../" steps where needed); a folder's ends with "/" ("./" for
    // the base itself). Without a base the full path.
    virtual QString RelativeName(const BSRef<IBSDirectory> &base = {}) const = 0;
    // The full path equals other's or continues below it with "/".
    virtual bool IsWithin(const BSRef<IBSPath> &other) const = 0;
    // A file's folder; a folder itself.
    virtual BSRef<IBSDirectory> Directory() const = 0;
    // The folder with a trailing "/".
    virtual QString DirPath() const = 0;
    // The last component with its extension.
    virtual QString Name() const = 0;
    // The last component without its extension.
    virtual QString BaseName() const = 0;
    // The index of the extension in the kind table; 0 when not listed.
    virtual int Kind() const = 0;
    // The extension with its dot; empty when there is none.
    virtual QString Extension() const = 0;
    virtual bool Exists() const = 0;
    // Deletes the file (a folder with its content), to the desktop trash when asked. Answers whether the
    // path is gone afterwards; false when it did not exist.
    virtual bool Delete(bool toRecycleBin = false) = 0;
    // Change the access list for a user ("@@EVERYONE@@": everybody else) with setfacl. Answer whether the
    // tool succeeded. An empty user or a missing tool is an assertion error.
    virtual bool SetAccess(const QString &user, TBSAccessRights rights, bool recursive) = 0;
    virtual bool GrantAccess(const QString &user, TBSAccessRights rights, bool recursive) = 0;
    virtual bool RevokeAccess(const QString &user, TBSAccessRights rights, bool recursive) = 0;
    // A file that cannot be opened for reading and writing with an exclusive lock (read-only, locked by
    // another, or missing); a folder in which no probe file can be created.
    virtual bool IsReadOnly() const = 0;
};

class IBSFile : public virtual IBSPath
{
public:
    static constexpr const char *GUID = "{A2C64F18-7B3E-4D95-9E0C-61F8B2D4E7A3}";

    // The file's lines (an empty list when the file does not exist).
    virtual BSRef<IBSStringList> LoadLines() const = 0;
    // Empties the file and writes the lines, each ended by CR LF.
    virtual void SaveLines(const BSRef<IBSStringList> &lines) = 0;
    // One pair per line that is not blank (an empty map when the file does not exist).
    virtual BSRef<IBSStringMap> LoadStringMap() const = 0;
    virtual void SaveStringMap(const BSRef<IBSStringMap> &map) = 0;
    // The path is empty.
    virtual bool IsEmpty() const = 0;
    // Opens the file with the desktop's program for it (an executable is started with the parameters),
    // in the given folder or else the file's folder.
    virtual bool Open(const QString &parameters = {}, const BSRef<IBSDirectory> &directory = {}) = 0;
    // Starts the file as a program with the parameters without waiting; false when it does not exist.
    virtual bool Run(const QString &parameters = {}, bool visible = true) = 0;
    // Runs the program and writes every output line to the writer; answers whether it ran and ended with
    // exit code 0.
    virtual bool RunAndCapture(const QString &parameters, const BSRef<IBSStreamWriter> &writer) = 0;
    // As Run, waiting for the program's end.
    virtual bool RunAndWait(const QString &parameters = {}, bool visible = true) = 0;
    // Last-write date and time; an invalid QDateTime when the file does not exist.
    virtual QDateTime Date() const = 0;
    // Size in bytes; 0 when the file does not exist.
    virtual int64_t Size() const = 0;
    virtual bool SameFile(const BSRef<IBSPath> &other) const = 0;
    // Whether the file can be created (or, when it exists, opened for writing). An existing file is never
    // changed; a file made for the test is deleted again.
    virtual bool CanCreate() const = 0;
    // A reader when the file exists, otherwise null.
    virtual BSRef<IBSStreamReader> Reader() const = 0;
    // NewFileWriter(path, append).
    virtual BSRef<IBSStreamWriter> Writer(bool append = false) const = 0;
    virtual bool HasKind(int kind) const = 0;
    // Kind 0: the file itself; otherwise WithExtension of the kind's extension.
    virtual BSRef<IBSFile> WithKind(int kind) const = 0;
    // The file with its extension changed or added; for an empty path the file itself.
    virtual BSRef<IBSFile> WithExtension(const QString &extension) const = 0;
    // Copies the file, replacing an existing target (a folder as target: the same name inside it).
    virtual bool CopyTo(const BSRef<IBSPath> &target) const = 0;
    // Moves or renames the file; fails when the target exists.
    virtual bool MoveTo(const BSRef<IBSPath> &target) = 0;
};

class IBSDirectory : public virtual IBSPath
{
public:
    static constexpr const char *GUID = "{3F81B6C9-2D47-4A0E-B5E3-9C04A7D1F865}";

    // Creates the folder with all missing parents; false for an empty path.
    virtual bool Force() = 0;
    // Force, then make it the process's current directory.
    virtual bool MakeCurrent() = 0;
    // Force, then show it in the desktop's file manager.
    virtual bool ExploreIn() = 0;
    // The folder that lies below this one as other lies below base.
    virtual BSRef<IBSDirectory> Corresponding(const BSRef<IBSDirectory> &base,
                                              const BSRef<IBSDirectory> &other) = 0;
    // NewDirectory(name, this); an empty name gives this folder.
    virtual BSRef<IBSDirectory> SubDirectory(const QString &name) = 0;
    virtual BSRef<IBSFile> File(const QString &name) = 0;
    // File of the name's base name plus the extension (a folder part of the name is dropped).
    virtual BSRef<IBSFile> FileWithExtension(const QString &name, const QString &extension) = 0;
    virtual BSRef<IBSFile> FileOfKind(const QString &name, int kind) = 0;
    // Deletes every file directly in the folder; answers whether all of them are gone.
    virtual bool DeleteAllFiles() = 0;
    // Patterns: "" means "*.*"; a text with ";" is a delimited list; otherwise one pattern per line.
    virtual BSRef<IBSFileIterator> Files(const QString &patterns = {}, bool recursive = false) = 0;
    // Files with "*" + extension of every kind in the set; an empty set searches "*.*".
    virtual BSRef<IBSFileIterator> FilesOfKinds(const TBSFileKinds &kinds, bool recursive = false) = 0;
    // The folders directly below this one.
    virtual BSRef<IBSDirectoryIterator> Subdirectories(const QString &patterns = {}) = 0;
};

// A file for a name resolved against base (or the program's folder); an empty name gives an empty path.
// A base folder that does not exist yet is created first (so do File, SubDirectory and the write probe of
// a folder); the program's folder is never created.
BSRef<IBSFile> NewFile(const QString &name, const BSRef<IBSDirectory> &base = {});
// A folder for a name resolved against base (or the program's folder); an empty name gives the base.
BSRef<IBSDirectory> NewDirectory(const QString &name, const BSRef<IBSDirectory> &base = {});

// sdNone is an assertion error ("Ungültiger Wert für TBSSpecialDir!").
BSRef<IBSDirectory> SpecialDirectory(TBSSpecialDir which);
// sfTempFile: the first name prefix_n + extension in the temp folder that does not exist (the file is not
// created); an empty TempFilePrefix is an assertion error ("Pfad für Tempfiles noch nicht definiert!").
BSRef<IBSFile> SpecialFile(TBSSpecialFile which, const QString &extension = {});
BSRef<IBSFile> FileInSpecialDirectory(TBSSpecialDir which, const QString &name);

// The full path a name resolves to against a base folder (the rules above).
QString BSResolvePath(const QString &name, const QString &baseFolder);
// Removes < > " : ? * | and NUL from a path.
QString BSCleanPath(const QString &path);
