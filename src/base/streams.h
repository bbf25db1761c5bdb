#pragma once

#include "base/managed.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <cstdint>
#include <memory>
#include <stdexcept>

class QIODevice;
class IBSIntegerMap;
class IBSLookupItems;
class IBSStringList;
class IBSStringMap;

// An error of the stream under a reader or writer: a file that cannot be opened or created, a missing
// resource, a short read, a failed write.
class EBSStreamError : public std::runtime_error
{
public:
    explicit EBSStreamError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

class IBSStream : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{1E5C9A37-B04D-4F28-8C61-D3A7F2B0E954}";
    virtual int64_t Position() const = 0;
    virtual void SetPosition(int64_t position) = 0;
};

// The stream inside a reader or writer; it stays owned by them.
class IBSStreamHolder : public virtual IBSUnknown
{
public:
    static constexpr const char *GUID = "{8B2F4D61-3C7E-4A95-B1D0-6E9A5C2F7B38}";
    virtual QIODevice *Stream() const = 0;
};

// Reads lines, texts, raw numbers and maps from a stream. At the end of the stream the operations answer
// empty texts and empty collections; only ReadBuffer and the continuation bytes of ReadPackedInteger fail.
// Texts are decoded as UTF-8, or as Windows-1252 when the bytes are not valid UTF-8.
class IBSStreamReader : public virtual IBSStream
{
public:
    static constexpr const char *GUID = "{C3A8E072-5F1B-4D69-9E24-7B0D1A6F3C85}";
    // The whole stream (from position 0) as one text.
    virtual QString ReadAll() = 0;
    // Exactly count bytes; fewer is an EBSStreamError ("Stream read error").
    virtual QByteArray ReadBuffer(int64_t count) = 0;
    virtual bool HasMore() const = 0;
    // From the current position: every line that is not blank gives key = the text before the first "=",
    // value = the text after it, both read as decimal integers (0 for anything unreadable). A key on
    // several lines gets the value of its first line.
    virtual BSRef<IBSIntegerMap> ReadIntegerMap() = 0;
    // The number of ReadLine calls from position 0 to the end; the position is kept.
    virtual int LineCount() = 0;
    // From the current position: key as ReadIntegerMap, text = the text after the first "="; blank lines
    // give key 0 with an empty text.
    virtual BSRef<IBSLookupItems> ReadLookupItems() = 0;
    // One UTF-16 little-endian code unit: empty at the end, a single remaining byte as its character, a
    // unit above 255 as the reference "&#n;". A CR or LF swallows one following CR or LF unit.
    virtual QString ReadWideChar() = 0;
    // 8 bytes as a little-endian IEEE double; missing bytes count as 0.
    virtual double ReadDouble() = 0;
    // 8 bytes as a big-endian IEEE double; missing bytes count as 0.
    virtual double ReadDoubleBE() = 0;
    // The bytes of an integer type code (see TBSIntegerType), little-endian; missing bytes count as 0.
    virtual int64_t ReadInteger(int typeCode) = 0;
    virtual int64_t ReadIntegerBE(int typeCode) = 0;
    // A signed integer of 1 to 5 bytes: 6 bits and the sign in the first byte, 7 bits in each further
    // byte, bit 7 announcing another byte (ignored in the fifth). 0 at the end of the stream; a missing
    // continuation byte is an assertion error ("Stream read error!").
    virtual int64_t ReadPackedInteger() = 0;
    // One line: CR or LF ends it, and one following CR or LF belongs to the same line end.
    virtual QString ReadLine() = 0;
    // ReadLine without decoding.
    virtual QByteArray ReadLineBytes() = 0;
    // ReadWideChar until it answers empty, CR or LF.
    virtual QString ReadWideLine() = 0;
    // All lines from the current position (CR LF, LF or CR end a line).
    virtual BSRef<IBSStringList> ReadLines() = 0;
    // From the current position: one pair per line that is not blank; a name on several lines gets the
    // value of its first line.
    virtual BSRef<IBSStringMap> ReadStringMap() = 0;
};

// The rows of a table for WriteTable.
class IBSTableRows
{
public:
    virtual ~IBSTableRows() = default;
    virtual void First() = 0;
    virtual bool HasCurrent() const = 0;
    virtual void Next() = 0;
    virtual QStringList ColumnNames() const = 0;
    // The current row's value of a column.
    virtual QString Value(const QString &column) const = 0;
};

// Writes texts (as UTF-8) to a stream. The writing operations answer the writer, so calls can be chained.
// A failed write is an EBSStreamError, as is writing after Close.
class IBSStreamWriter : public virtual IBSStream
{
public:
    static constexpr const char *GUID = "{F7D21B49-0A6C-4E83-A5F9-2C8E4B1D063A}";
    virtual void Close() = 0;
    virtual IBSStreamWriter &Write(const QString &text) = 0;
    // BSFormat (base/format.h) of the format and arguments.
    virtual IBSStreamWriter &WriteFormat(const QString &format, const QVariantList &arguments) = 0;
    // The text followed by CR LF.
    virtual IBSStreamWriter &WriteLine(const QString &text = {}) = 0;
    virtual IBSStreamWriter &WriteLineFormat(const QString &format, const QVariantList &arguments) = 0;
    // Every item followed by CR LF.
    virtual IBSStreamWriter &WriteLines(const IBSStringList &lines) = 0;
    // One name=value line per pair, each followed by CR LF.
    virtual IBSStreamWriter &WriteStringMap(const IBSStringMap &map) = 0;
    // A tab-separated table: the column names, then one line per row. Names that hold a blank, a comma or
    // a quote come in double quotes; values that hold a tab, a line break or a double quote too (inner
    // quotes doubled), so every row stays one line of the right number of fields.
    virtual IBSStreamWriter &WriteTable(IBSTableRows &rows) = 0;
};

// A reader that owns an open device.
class TBSStreamReader : public TBSManagedInterface, public IBSStreamReader, public IBSStreamHolder
{
public:
    explicit TBSStreamReader(std::unique_ptr<QIODevice> device);
    ~TBSStreamReader() override;

    int64_t Position() const override;
    void SetPosition(int64_t position) override;
    QIODevice *Stream() const override { return m_device.get(); }
    QString ReadAll() override;
    QByteArray ReadBuffer(int64_t count) override;
    bool HasMore() const override;
    BSRef<IBSIntegerMap> ReadIntegerMap() override;
    int LineCount() override;
    BSRef<IBSLookupItems> ReadLookupItems() override;
    QString ReadWideChar() override;
    double ReadDouble() override;
    double ReadDoubleBE() override;
    int64_t ReadInteger(int typeCode) override;
    int64_t ReadIntegerBE(int typeCode) override;
    int64_t ReadPackedInteger() override;
    QString ReadLine() override;
    QByteArray ReadLineBytes() override;
    QString ReadWideLine() override;
    BSRef<IBSStringList> ReadLines() override;
    BSRef<IBSStringMap> ReadStringMap() override;

private:
    bool readByte(unsigned char &byte);
    QByteArray readUpTo(int64_t count);
    QByteArray readRest();
    // Name/value of every line from the current position, a repeated name taking its first value.
    struct Pair {
        QString name, value;
        bool blank;
    };
    std::vector<Pair> readPairs();

    std::unique_ptr<QIODevice> m_device;
};

// The text operations on top of four virtual ones.
class TBSAbstractWriter : public TBSManagedInterface, public IBSStreamWriter
{
public:
    IBSStreamWriter &WriteFormat(const QString &format, const QVariantList &arguments) override;
    IBSStreamWriter &WriteLine(const QString &text = {}) override;
    IBSStreamWriter &WriteLineFormat(const QString &format, const QVariantList &arguments) override;
    IBSStreamWriter &WriteLines(const IBSStringList &lines) override;
    IBSStreamWriter &WriteStringMap(const IBSStringMap &map) override;
    IBSStreamWriter &WriteTable(IBSTableRows &rows) override;
};

// A writer on a device; owns and frees it when asked to.
class TBSStreamWriter : public TBSAbstractWriter, public IBSStreamHolder
{
public:
    TBSStreamWriter(QIODevice *device, bool ownsStream);
    ~TBSStreamWriter() override;

    int64_t Position() const override;
    void SetPosition(int64_t position) override;
    void Close() override;
    IBSStreamWriter &Write(const QString &text) override;
    QIODevice *Stream() const override { return m_device; }

protected:
    // Runs before the device is let go; may throw.
    virtual void beforeClose() {}

private:
    QIODevice *m_device;
    bool m_ownsStream;
};

// A writer on a file: Close first flushes the system's buffers of the file to disk.
class TBSFileStreamWriter : public TBSStreamWriter
{
public:
    using TBSStreamWriter::TBSStreamWriter;
    ~TBSFileStreamWriter() override;

protected:
    void beforeClose() override;
};

// Opens a file for reading; other programs may read and write it meanwhile.
BSRef<IBSStreamReader> NewFileReader(const QString &path);
// A reader on the program's built-in resource of that name (":/name" unless the name starts with ":").
BSRef<IBSStreamReader> NewResourceReader(const QString &name);
// A reader on bytes in memory.
BSRef<IBSStreamReader> NewMemoryReader(const QByteArray &bytes);
// Opens a file for writing, creating it when missing; while the writer is open no other writer can open
// it. With append the writer starts at the end, otherwise the file is emptied.
BSRef<IBSStreamWriter> NewFileWriter(const QString &path, bool append);
// A writer into memory; its IBSStreamHolder::Stream is a QBuffer holding the bytes.
BSRef<IBSStreamWriter> NewMemoryWriter();
