#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The program's crash reporter. Once installed it catches
// - the fatal signals SIGSEGV, SIGABRT, SIGFPE, SIGILL and SIGBUS: the handler writes a report with the
//   signal and a stack trace using only async-signal-safe calls, then ends the process with that signal;
// - std::terminate (an exception nobody catches, a throw from a noexcept function): the report names the
//   exception, then the process aborts;
// and it writes reports for problems that the program catches and survives (an exception escaping an
// event handler, see TTrvApplication). Every report passes through TBSCrashHook, which puts the project
// lines at its top and appends it to the error file after a line of 78 "-".
class TBSCrashReporter
{
public:
    using Details = QList<QPair<QString, QString>>;

    struct Result
    {
        QString text; // the whole report, project lines included
        QString file; // the file it was appended to; empty when no file could be written
    };

    // Installs the signal and terminate handlers and sets the error file to the program's name with
    // extension ".err" in the program's folder. programFile is the program's full path; empty means the
    // program of ProgramPaths. Installing again only updates the program title and the error file.
    static void Install(const QString &programTitle, const QString &programFile = QString());
    static bool IsInstalled();

    // Composes a report of what happened with labelled details and the caller's stack trace, and hands
    // it to the hook. Also writes a short notice to standard error.
    static Result Report(const QString &what, const Details &details);

    // The report text without the project lines: a title line, what happened, the details, the date and
    // time, the process id and the stack trace.
    static QString ComposeReport(const QString &what, const Details &details, const QString &stackTrace);

    // The current stack, one frame a line, function names demangled; the innermost skip frames (besides
    // this function's own) are left out.
    static QString StackTrace(int skip = 0);

    // Type name and message of the exception being handled (to be called inside a catch block or a
    // terminate handler); empty type when there is none.
    static QPair<QString, QString> DescribeCurrentException();

    // Name of a fatal signal as used in reports ("SIGSEGV"), empty for other signals.
    static const char *SignalName(int signal);
};
