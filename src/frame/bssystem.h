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
    // The root of the operating system's installation.
    static QString WindowsFolder();

    // Starts the program of the command line (split at blanks outside double quotes). With wait it waits
    // for the end of the program. Answers whether it started. A program has no window of its own to hide
    // here, so visible has no effect.
    static bool RunProgram(const QString &commandLine, bool visible, bool wait);
    // Runs the command line with its standard output captured and hands every output line to onLine.
    // Lines end at LF (a CR before it is dropped); a line longer than 256 characters is broken. Waits at
    // most 5000 ms for the process after its output has ended. Answers whether the program started.
    static bool RunAndCapture(const QString &commandLine, const std::function<void(const QString &)> &onLine);
    // Deletes the files the path names (a file, or a pattern with "*" and "?" in its last part), never
    // folders, without asking; to the desktop trash with toRecycleBin. Answers whether every file named
    // is gone.
    static bool DeleteFiles(const QString &path, bool toRecycleBin);
    // Opens the folder in the desktop's file manager (xdg-open). Answers whether that started.
    static bool Explore(const QString &folder);
    // Opens the file with the desktop's program for it (xdg-open), in the given working folder (the
    // file's folder when empty). Parameters cannot be passed through xdg-open and are ignored. Answers
    // whether that started.
    static bool OpenDocument(const QString &file, const QString &parameters, const QString &folder);
    // Ends the process at once with the exit code.
    [[noreturn]] static void ExitProgram(int exitCode);
};
