#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Process and desktop services of the operating system, used by the file layer.

// Starts a program with its arguments, in workingFolder when one is given. With wait, blocks until it
// ends. Answers whether it started. (Console programs have no window, so visible changes nothing here.)
bool BSRunProgram(const QString &program, const QStringList &arguments, bool visible, bool wait,
                  const QString &workingFolder = {});

// Runs a program with its standard output captured and hands every output line to onLine (lines end at
// LF or CR LF; a last line without a line end is delivered too). Waits at most 5000 ms for the program's
// end once its output has closed, then kills it. Answers whether it started and ended with exit code 0.
bool BSRunAndCapture(const QString &program, const QStringList &arguments,
                     const std::function<void(const QString &)> &onLine);

// Deletes a file, or a folder with everything in it. When the last component holds "*" or "?", deletes
// the files (never folders) in that folder whose names match it. With toRecycleBin the paths go to the
// desktop trash; a path the trash does not take is left as it is. Answers whether everything named is
// gone.
bool BSDeleteFiles(const QString &path, bool toRecycleBin);

// Shows a folder in the desktop's file manager (xdg-open). Answers whether the request was started.
bool BSExplore(const QString &folder);

// Opens a file: an executable file is started with the parameters, anything else is handed to the
// desktop's program for it (xdg-open). Runs in folder when one is given.
bool BSOpenDocument(const QString &file, const QString &parameters, const QString &folder);
