#pragma once

#include <QString>

// The folders the file layer resolves names against, and the prefix of the program's temporary files.
// Folders are returned without a trailing "/" (except the root "/").
//
// The program folder and the temp folder can be replaced (tests point them at a temporary folder); an
// empty text restores the real folder. Replacing a folder drops the special directories and files kept by
// the file layer, so they are made afresh from the new folder.

// The folder of the program's executable, or the folder set with BSSetProgramFolder.
QString BSProgramFolder();
void BSSetProgramFolder(const QString &folder);

// The program's executable: its real file name in the program folder.
QString BSProgramFile();

// The folder for temporary files ($TMPDIR or /tmp), or the folder set with BSSetTempFolder.
QString BSTempFolder();
void BSSetTempFolder(const QString &folder);

// The user's documents folder.
QString BSPersonalFolder();
// The folder of the system's shared libraries ("/usr/lib").
QString BSSystemFolder();
// The folder of the operating system's installation ("/usr").
QString BSWindowsFolder();

// Prefix of the program's temporary files in the temp folder, set by the application configuration.
// Empty by default: then no temporary file can be made and the clean-up at exit deletes nothing.
QString TempFilePrefix();
void SetTempFilePrefix(const QString &prefix);

// Deletes every file directly in the temp folder whose name starts with the prefix; nothing when the
// prefix is empty. Runs by itself when the program ends. Answers the number of files deleted.
int BSDeleteTempFiles();

// Called by the folder setters: drops what the file layer keeps about the old folders.
void BSForgetSpecialPaths();
