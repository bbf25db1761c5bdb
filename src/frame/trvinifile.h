#pragma once

#include "base/initext.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// The program's INI file: string, integer and Boolean values, multi-line and date-time values, section
// lists, section erase and key delete. Section and key names are compared without regard to case; a
// missing key reads as the caller's default.
//
// Every write reaches the file at once: the whole text is written to a new file beside it, which then
// takes the old file's place, so the file on disk is never half written. Sections, keys and comment lines
// that the program does not know stay where they were. When the file changes on disk (another program,
// an editor), the next read or write sees the new contents first.
//
// A write that cannot reach the disk keeps the value in memory, answers false and leaves the reason in
// LastError(); the next successful write stores it too.
class TTrvIniFile
{
public:
    explicit TTrvIniFile(const QString &fileName);
    // As above; as long as fileName does not exist, seedFileName (when it exists) supplies the initial
    // contents, which the first write copies into fileName.
    TTrvIniFile(const QString &fileName, const QString &seedFileName);
    virtual ~TTrvIniFile();
    TTrvIniFile(const TTrvIniFile &) = delete;
    TTrvIniFile &operator=(const TTrvIniFile &) = delete;

    QString FileName() const { return m_fileName; }

    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
    bool WriteString(const QString &section, const QString &key, const QString &value);
    // Decimal, "$" or "0x" hexadecimal; the default for anything else.
    qint32 ReadInteger(const QString &section, const QString &key, qint32 defaultValue) const;
    // Written in decimal.
    bool WriteInteger(const QString &section, const QString &key, qint32 value);
    // True for any integer other than 0; the default when the value is no integer.
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;
    // "1" or "0".
    bool WriteBool(const QString &section, const QString &key, bool value);

    // "yyyymmddhhnnss", local time. A value that reads as zero (missing, not a date) gives the default;
    // a value whose time part is not a time gives the date at midnight.
    QDateTime ReadDateTime(const QString &section, const QString &key, const QDateTime &defaultValue) const;
    bool WriteDateTime(const QString &section, const QString &key, const QDateTime &value);

    // A text of several lines under the base key K: the line count under K + "XX", line i under K followed
    // by i formatted "%.3d". Writing drops empty lines at the end and deletes the keys of lines beyond the
    // new count, so a shrinking text leaves nothing stale. Reading joins the lines with CR LF; without the
    // count key the result is the default.
    QString ReadMultiLine(const QString &section, const QString &key, const QString &defaultValue) const;
    bool WriteMultiLine(const QString &section, const QString &key, const QString &text);

    // Keys of a section in file order.
    QStringList ReadSection(const QString &section) const;
    // Section names in file order, each once.
    QStringList ReadSections() const;
    // "key=value" lines of a section.
    QStringList ReadSectionValues(const QString &section) const;
    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;
    bool EraseSection(const QString &section);
    bool DeleteKey(const QString &section, const QString &key);

    // Groups writes: the writes until the matching EndUpdate reach the file once, when the outermost group
    // ends. EndUpdate answers whether that write succeeded (true when nothing had to be written).
    void BeginUpdate();
    bool EndUpdate();

    // The whole text as it would be written.
    QString GetText() const;
    // Writes the current contents to the file now; false when that failed.
    bool UpdateFile();
    QString LastError() const { return m_lastError; }

protected:
    // For the in-memory variant: no file behind the contents (fileName may still name where they came
    // from).
    struct InMemory {};
    TTrvIniFile(const QString &fileName, InMemory);

    void setText(const QString &text);
    bool isInMemory() const { return m_inMemory; }

private:
    struct DiskState {
        bool exists = false;
        qint64 size = -1;
        qint64 modified = 0; // nanoseconds since the epoch
        quint64 device = 0;
        quint64 inode = 0;
        bool operator==(const DiskState &) const = default;
    };

    // Sections of several changes write the file once, when the outermost one ends.
    class Batch
    {
    public:
        explicit Batch(TTrvIniFile &ini);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;
        // Ends the batch; answers whether the file was written (true when nothing had to be written).
        bool finish();

    private:
        TTrvIniFile &m_ini;
        bool m_finished = false;
    };
    friend class Batch;

    DiskState diskState() const;
    void loadFromDisk() const;
    void refresh() const;
    bool flush();
    // Writes the document to the file safely; false with LastError set when that failed.
    bool writeDocument();

    QString m_fileName;
    bool m_inMemory = false;
    mutable TBSIniText m_document;
    mutable DiskState m_known;
    mutable QString m_lineEnd = QStringLiteral("\n");
    mutable QString m_lastError;
    int m_batchDepth = 0;
    bool m_pending = false;
};

// The same operations over a copy of an INI text held in memory: writes change only the copy (until
// UpdateFile writes it to its file, when it has one).
class TTrvMemIniFile : public TTrvIniFile
{
public:
    // An empty text without a file.
    TTrvMemIniFile();
    // A copy of the file's text (empty when the file is missing or unreadable).
    explicit TTrvMemIniFile(const QString &fileName);

    void SetText(const QString &text) { setText(text); }
    void SetStrings(const QStringList &lines);
};

// The program's settings file (see TProgramPaths for where it lies), opened on first use and kept open
// until the program ends.
TTrvIniFile &SettingsFile();
// Closes the settings file; the next SettingsFile() opens it again where TProgramPaths says.
void CloseSettingsFile();
