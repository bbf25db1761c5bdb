#pragma once

#include <QString>

// Where the program and its settings live. Every folder the settings layer and the text catalogues
// touch comes from here, so a test can point all of them at a temporary folder.
//
// - The program file is the running executable unless set; it lies in the file layer's program folder
//   (BSProgramFolder), and setting it moves that folder too.
// - The settings file is the program's name with ".INI" in the program's folder. When that folder cannot
//   be written (an installed program), it is the same name in the program's folder below the user's XDG
//   config folder; a file shipped next to the program then supplies the initial settings.
// - The per-user store that stands in for the registry lies below the same per-user folder.
class TProgramPaths
{
public:
    QString programFile() const;
    // The program file's folder, without a trailing "/".
    QString programFolder() const;
    // The program file's name without its extension ("mirevo" for /opt/mirevo/mirevo).
    QString programName() const;

    // The user's XDG config folder ($XDG_CONFIG_HOME, else ~/.config).
    QString configFolder() const;
    // The program's own folder inside the config folder.
    QString userFolder() const;

    // The settings file the program uses (see above).
    QString settingsFileName() const;
    // When the settings file lies in the user's folder: the file next to the program that supplies its
    // initial contents until the first write. Empty otherwise.
    QString settingsSeedFileName() const;

    // Root folder of the per-user key store (one INI file per key path).
    QString registryFolder() const;

    void setProgramFile(const QString &file);
    void setConfigFolder(const QString &folder);
    // Fixes the settings file, bypassing the choice above; empty restores the choice.
    void setSettingsFileName(const QString &file);
    // Back to the running program and the user's real folders.
    void reset();

private:
    QString m_programFile;
    QString m_configFolder;
    QString m_settingsFile;
};

// The one process-wide instance.
TProgramPaths &ProgramPaths();

// The path with its extension (the text from the last "." of the last component) replaced by ext, which
// carries its own dot; without an extension ext is appended. ReplaceExtension("a/b.exe", ".INI") is
// "a/b.INI", ReplaceExtension("a/mirevo", ".xus") is "a/mirevo.xus".
QString ReplaceExtension(const QString &path, const QString &ext);

// Whether a new file can be created in the folder (a real probe: permissions, read-only mounts and
// missing folders all count as not writable).
bool IsFolderWritable(const QString &folder);
