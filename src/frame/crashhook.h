#pragma once

#include "base/managed.h"

#include <QString>

class IBSFile;

// The project's part of every crash report: two lines about the user and the project configuration at the
// top of the report, and the error file that receives the report.
//
// The values are set during start-up (the error file by the crash reporter and then by the project
// configuration, the configuration file by the application object, the user name by the user object). A
// copy of them in plain bytes is kept for the fatal-signal handler, which may not allocate.
class TBSCrashHook
{
public:
    static void SetUserName(const QString &userName);
    static void SetConfigFile(const QString &fullPath);
    static void SetErrorFile(const QString &fullPath);
    // The same with file objects; no object (or an empty one) forgets the file.
    static void SetConfigFile(const BSRef<IBSFile> &file);
    static void SetErrorFile(const BSRef<IBSFile> &file);
    // Where reports go when the error file cannot be written (a program folder without write access).
    static void SetFallbackErrorFile(const QString &fullPath);
    static QString UserName();
    static QString ConfigFile();
    static QString ErrorFile();
    static QString FallbackErrorFile();
    // Forgets all three values.
    static void Clear();

    // The lines that go at the top of a report: "project ini file  : " with the configuration file (when
    // known), then "project user name : " with the user name (when known); each ends with a line break.
    static QString ProjectInfo();

    // Puts the project lines at the top of the report text and appends the report, after a line of 78 "-",
    // to the error file (created when missing; the fallback file when the error file cannot be written).
    // Answers the file written, or an empty text when no file could be written.
    static QString AddProjectInfo(QString &report);

    // For the fatal-signal handler only (async-signal-safe): the project lines as UTF-8.
    static const char *SignalSafeProjectInfo();

    // Opens the error file (or else the fallback file) for appending, created when missing, and writes the
    // line of 78 "-" and the project lines. Only async-signal-safe calls. Answers the open file descriptor,
    // which the caller writes the rest of the report to and closes, or -1 when no file can be written;
    // *usedPath names the file opened.
    static int OpenErrorFileSignalSafe(const char **usedPath);

    static const char *SeparatorLine(); // 78 "-" and a line break
};
