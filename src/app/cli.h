#pragma once

#include <QStringList>

class QIODevice;

// The command-line calculator: "tables", "points", "time" and "batch", and the help. GUI-free.

// Exit statuses.
inline constexpr int CliOk = 0;
inline constexpr int CliRowsFailed = 1; // batch: some row could not be calculated
inline constexpr int CliUsageError = 2; // bad command line, unknown value, unreadable file

// What the command line needs before it runs: the swimming vocabulary in English, and the table files
// of the default folders registered (a warning line on err for each file skipped).
void PrepareCli(QIODevice &err);

// True when the arguments (without the program name) name a command or ask for help.
bool CliHasCommand(const QStringList &args);

// Runs the command in args (without the program name). Results go to out, messages to err; in is read by
// "batch" without a file. The swimming vocabulary must be loaded and the tables registered.
int RunCli(const QStringList &args, QIODevice &in, QIODevice &out, QIODevice &err);
