#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Operating-system services of the base library (class operations, no state): the login user, the
// administrator check, the developer flag, special folders, starting programs and shell operations.
class TBSSystem
{
public:
    TBSSystem() = delete;

    // The login name of the user running the program (at most 100 characters).
    static QString UserName();
    // True when the program runs as root (effective user id 0) or the user belongs to one of the groups
    // that may administer the system: sudo, wheel or admin.
    static bool IsAdmin();
    // The developer flag: value "DEBUG" of the user's key "Software\Quelvar" reads true.
    static bool IsDebugMode();

    // The user's documents folder.
    static QString PersonalFolder();
    // The folder of the system's shared libraries.
    static QString SystemFolder();
    // The temporary-files folder, with a trailing "/".
    static QString TempFolder();
    // The folder of the operating system's installation.
    static QString WindowsFolder();

    // The program and process services below take a command line (program and arguments separated by
    // blanks, double quotes group an argument with blanks) and hand it to the file layer's services
    // (base/osservices.h).

    // Starts the program; with wait, waits for its end. Answers whether it started. Programs have no window
    // of their own to hide here, so visible has no effect.
    static bool RunProgram(const QString &commandLine, bool visible, bool wait);
    // Runs the program with its standard output captured and hands every output line to onLine; a line
    // longer than 256 characters comes in pieces of 256. Waits at most 5000 ms for the program after its
    // output has ended. Answers whether it ran and ended with exit code 0.
    static bool RunAndCapture(const QString &commandLine, const std::function<void(const QString &)> &onLine);
    // Deletes without asking what the path names (a file, or the files matching "*" and "?" in its last
    // part), to the desktop trash with toRecycleBin. Answers whether everything named is gone.
    static bool DeleteFiles(const QString &path, bool toRecycleBin);
    // Opens the folder in the desktop's file manager. Answers whether that started.
    static bool Explore(const QString &folder);
    // Opens the file with the desktop's program for it, in the given working folder (the file's folder
    // when empty). Answers whether that started.
    static bool OpenDocument(const QString &file, const QString &parameters, const QString &folder);
    // Ends the process at once with the exit code.
    [[noreturn]] static void ExitProgram(int exitCode);
};
