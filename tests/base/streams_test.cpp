#include "base/assertion.h"
#include "base/converterror.h"
#include "base/files.h"
#include "base/format.h"
#include "base/integermaps.h"
#include "base/lookupitems.h"
#include "base/standardfolders.h"
#include "base/streamable.h"
#include "base/streams.h"
#include "base/stringlist.h"
#include "base/stringmap.h"
#include "base/textcodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result += char(v);
    return result;
}

QStringList readLines(const BSRef<IBSStreamReader> &reader)
{
    QStringList lines;
    while (reader->HasMore())
        lines << reader->ReadLine();
    return lines;
}

TEST(StreamReader, LineEndsPairCarriageReturnsAndLineFeeds)
{
    const struct {
        QByteArray input;
        QStringList lines;
    } cases[] = {
        {"a\r\nb", {"a", "b"}},
        {"a\r\rb", {"a", "b"}},     // CR CR is one line end
        {"a\n\rb", {"a", "b"}},
        {"a\n\nb", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\rb\n", {"a", "b"}},
        {"\n", {""}},
        {"a\r\n\r", {"a", ""}},
        {"", {}},
    };
    for (const auto &c : cases) {
        auto reader = NewMemoryReader(c.input);
        EXPECT_EQ(readLines(reader), c.lines) << c.input.toHex().constData();
        EXPECT_EQ(reader->LineCount(), c.lines.size()) << c.input.toHex().constData();
    }
    auto reader = NewMemoryReader("a\r\nb");
    EXPECT_EQ(reader->ReadLine(), QStringLiteral("a"));
    const int64_t position = reader->Position();
    EXPECT_EQ(reader->LineCount(), 2);
    EXPECT_EQ(reader->Position(), position);
    EXPECT_EQ(reader->ReadLine(), QStringLiteral("b"));
    EXPECT_FALSE(reader->HasMore());
    EXPECT_EQ(reader->ReadLine(), QString());
}

TEST(StreamReader, LinesDecodeUtf8OrWindows1252)
{
    auto reader = NewMemoryReader(QByteArray("Gr\xC3\xBC\xC3\x9F" "e\r\nGr\xFC\xDF" "e \x80\r\n"));
    EXPECT_EQ(reader->ReadLine(), QStringLiteral("Grüße"));
    EXPECT_EQ(reader->ReadLine(), QStringLiteral("Grüße €"));
    EXPECT_EQ(BSDecodeText("\xEF\xBB\xBF" "abc"), QStringLiteral("abc"));
}

TEST(StreamReader, WideCharactersAndLines)
{
    const struct {
        QByteArray input;
        QStringList pieces;
    } cases[] = {
        {bytes({0x41, 0x00}), {"A"}},
        {bytes({0xAC, 0x20}), {"&#8364;"}},
        {bytes({0x41}), {"A"}}, // a single byte left
        {bytes({0x0D, 0x00, 0x0A, 0x00, 0x42, 0x00}), {"\r", "B"}},
        {bytes({0x0D, 0x00, 0x0D, 0x00, 0x0D, 0x00}), {"\r", "\r"}},
        {bytes({0x0A, 0x00, 0x42, 0x01}), {"\n", "&#322;"}},
        {bytes({0x0A, 0x00, 0x0D}), {"\n", "\r"}}, // an odd byte after a line end is not swallowed
    };
    for (const auto &c : cases) {
        auto reader = NewMemoryReader(c.input);
        QStringList pieces;
        for (QString piece = reader->ReadWideChar(); !piece.isEmpty(); piece = reader->ReadWideChar())
            pieces << piece;
        EXPECT_EQ(pieces, c.pieces) << c.input.toHex().constData();
    }
    auto lines = NewMemoryReader(QByteArray("a\0b\0\r\0\n\0c\0", 10));
    EXPECT_EQ(lines->ReadWideLine(), QStringLiteral("ab"));
    EXPECT_EQ(lines->ReadWideLine(), QStringLiteral("c"));
    EXPECT_EQ(lines->ReadWideLine(), QString());
}

TEST(StreamReader, PackedIntegers)
{
    const struct {
        QByteArray input;
        int64_t value;
    } cases[] = {
        {bytes({0x05}), 5},
        {bytes({0x45}), -5},
        {bytes({0x81, 0x01}), 65},
        {bytes({0xC1, 0x01}), -65},
        {bytes({0xBF, 0xFF, 0xFF, 0xFF, 0x7F}), (int64_t(1) << 34) - 1},
        {bytes({0x80, 0x80, 0x80, 0x80, 0x81, 0x07}), int64_t(1) << 27}, // a fifth byte ends the value
        {{}, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NewMemoryReader(c.input)->ReadPackedInteger(), c.value) << c.input.toHex().constData();
    try {
        NewMemoryReader(bytes({0x81}))->ReadPackedInteger();
        ADD_FAILURE() << "truncated value accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Stream read error!"));
    }
}

TEST(StreamReader, RawNumbers)
{
    auto reader = NewMemoryReader(bytes({0x01, 0x02, 0x01, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                         0x3F, 0xF0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0x07}));
    EXPECT_EQ(reader->ReadInteger(1), 513);
    EXPECT_EQ(reader->ReadIntegerBE(1), 258);
    EXPECT_EQ(reader->ReadInteger(5), -1);
    EXPECT_EQ(reader->ReadInteger(3), -1);
    EXPECT_DOUBLE_EQ(reader->ReadDoubleBE(), 1.0);
    EXPECT_DOUBLE_EQ(reader->ReadDouble(), 1.0);
    EXPECT_EQ(reader->ReadInteger(2), 7); // missing bytes count as 0
    EXPECT_EQ(reader->ReadInteger(6), 0);
    EXPECT_EQ(reader->ReadIntegerBE(2), 0);
    EXPECT_DOUBLE_EQ(reader->ReadDouble(), 0.0);
    EXPECT_EQ(reader->ReadInteger(99), 0);
    EXPECT_EQ(NewMemoryReader(bytes({0x12, 0x34}))->ReadIntegerBE(2), 0x12340000);
}

TEST(StreamReader, BuffersAndTheWholeText)
{
    auto reader = NewMemoryReader("abcdef");
    EXPECT_EQ(reader->ReadBuffer(2), QByteArray("ab"));
    EXPECT_EQ(reader->ReadAll(), QStringLiteral("abcdef"));
    reader->SetPosition(4);
    EXPECT_THROW(reader->ReadBuffer(3), EBSStreamError);
    EXPECT_THROW(reader->ReadBuffer(-1), EBSStreamError);
    EXPECT_EQ(reader->ReadBuffer(0), QByteArray());
    auto holder = Supports<IBSStreamHolder>(reader);
    ASSERT_TRUE(holder);
    EXPECT_NE(holder->Stream(), nullptr);
}

TEST(StreamReader, MapsTakeTheFirstValueOfARepeatedName)
{
    auto map = NewMemoryReader("a=1\r\n\r\nA=2\r\nb=x=y\r\n  \r\nnoequals\r\n")->ReadStringMap();
    EXPECT_EQ(map->GetText(), QStringLiteral("A=1\nb=x=y\nnoequals=\n"));

    auto reader = NewMemoryReader("skip\r\n1=10\r\n2=x\r\n1=11\r\n \r\n-3=7\r\n");
    reader->ReadLine();
    auto ints = reader->ReadIntegerMap();
    EXPECT_EQ(ints->Count(), 3);
    EXPECT_EQ(ints->ValueOf(1), 10);
    EXPECT_EQ(ints->ValueOf(2, 5), 0);
    EXPECT_EQ(ints->ValueOf(-3), 7);

    auto items = NewMemoryReader("3=c\r\n\r\n1=a\r\n3=z\r\nx=y\r\n")->ReadLookupItems();
    ASSERT_EQ(items->Count(), 3);
    EXPECT_EQ(items->Key(0), 3);
    EXPECT_EQ(items->Text(0), QStringLiteral("c"));
    EXPECT_EQ(items->Key(1), 0);
    EXPECT_EQ(items->Text(1), QStringLiteral("y")); // the blank line, then "x" both read as key 0
    EXPECT_EQ(items->TextOf(1), QStringLiteral("a"));

    auto lines = NewMemoryReader("x\r\ny\rz\n")->ReadLines();
    EXPECT_EQ(lines->Items(), (QStringList{"x", "y", "z"}));
    EXPECT_EQ(NewMemoryReader("")->ReadLines()->Count(), 0);
    EXPECT_EQ(NewMemoryReader("")->ReadStringMap()->Count(), 0);
}

TEST(StreamReader, ReadsTheProgramsResources)
{
    for (const char *name : {"ReaderFixture", ":/ReaderFixture"}) {
        auto reader = NewResourceReader(QString::fromUtf8(name));
        EXPECT_EQ(reader->LineCount(), 3) << name;
        EXPECT_EQ(reader->ReadLine(), QStringLiteral("Name=Mirevo"));
        EXPECT_EQ(reader->ReadStringMap()->GetText(), QStringLiteral("1=FINA\n"));
    }
}

TEST(StreamReader, MissingFilesAndResources)
{
    EXPECT_THROW(NewFileReader(QStringLiteral("/nonexistent/file.txt")), EBSStreamError);
    EXPECT_THROW(NewResourceReader(QStringLiteral("NoSuchResource")), EBSStreamError);
    EXPECT_THROW(NewResourceReader(QString()), EBSStreamError);
}

class Rows : public IBSTableRows
{
public:
    QStringList columns;
    QList<QStringList> data;
    int row = 0;
    void First() override { row = 0; }
    bool HasCurrent() const override { return row < data.size(); }
    void Next() override { ++row; }
    QStringList ColumnNames() const override { return columns; }
    QString Value(const QString &column) const override { return data[row][columns.indexOf(column)]; }
};

TEST(StreamWriter, WritesTextsLinesMapsAndTables)
{
    auto writer = NewMemoryWriter();
    auto holder = Supports<IBSStreamHolder>(writer);
    ASSERT_TRUE(holder);
    QBuffer *buffer = qobject_cast<QBuffer *>(holder->Stream());
    ASSERT_TRUE(buffer);

    writer->Write(QStringLiteral("ä")).WriteLine(QStringLiteral("b")).WriteFormat(QStringLiteral("%d-%s"),
                                                                                   {7, QStringLiteral("x")});
    writer->WriteLineFormat(QStringLiteral("%.3d"), {5});
    writer->WriteLines(*NewStringListFromStrings({"l1", "l2"}));
    auto map = NewStringMap();
    map->Put(QStringLiteral("n"), QStringLiteral("v"));
    writer->WriteStringMap(*map);
    EXPECT_EQ(buffer->data(), QByteArray("\xC3\xA4" "b\r\n7-x005\r\nl1\r\nl2\r\nn=v\r\n"));

    auto table = NewMemoryWriter();
    Rows rows;
    rows.columns = {"Name", "Time, best", "Pts"};
    rows.data = {{"Ann", "1:02.34", "512"}, {"Bo\tb", "say \"x\"", ""}};
    rows.row = 1;
    table->WriteTable(rows);
    EXPECT_EQ(qobject_cast<QBuffer *>(Supports<IBSStreamHolder>(table)->Stream())->data(),
              QByteArray("Name\t\"Time, best\"\tPts\r\nAnn\t1:02.34\t512\r\n\"Bo\tb\"\t\"say \"\"x\"\"\"\t\r\n"));

    writer->Close();
    EXPECT_EQ(holder->Stream(), nullptr);
    EXPECT_THROW(writer->Write(QStringLiteral("late")), EBSStreamError);
    writer->Close(); // closing twice is harmless
}

class FileStreams : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void write(const QString &file, const QByteArray &content)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QTemporaryDir m_dir;
};

TEST_F(FileStreams, AWriterEmptiesTheFileOrAppends)
{
    const QString file = path(QStringLiteral("data.txt"));
    write(file, QByteArray(100, 'x'));
    {
        auto writer = NewFileWriter(file, false);
        EXPECT_EQ(read(file).size(), 0); // emptied until something is written
        writer->Write(QStringLiteral("new"));
    }
    EXPECT_EQ(read(file), QByteArray("new"));

    write(file, QByteArray(100, 'x'));
    {
        auto writer = NewFileWriter(file, true);
        EXPECT_EQ(writer->Position(), 100);
        writer->WriteLine(QStringLiteral("end"));
        writer->Close();
        EXPECT_EQ(read(file), QByteArray(100, 'x') + "end\r\n"); // on disk once closed
    }

    auto created = NewFileWriter(path(QStringLiteral("created.txt")), true);
    created->Write(QStringLiteral("c"));
    created->Close();
    EXPECT_EQ(read(path(QStringLiteral("created.txt"))), QByteArray("c"));
    EXPECT_THROW(NewFileWriter(path(QStringLiteral("no/such/dir.txt")), false), EBSStreamError);
}

TEST_F(FileStreams, ASecondWriterIsRefusedAndLeavesTheFileAlone)
{
    const QString file = path(QStringLiteral("locked.txt"));
    auto first = NewFileWriter(file, false);
    first->Write(QStringLiteral("kept"));
    Supports<IBSStreamHolder>(first)->Stream()->waitForBytesWritten(0);
    EXPECT_THROW(NewFileWriter(file, false), EBSStreamError);
    EXPECT_TRUE(NewFile(file)->IsReadOnly());
    // Readers are welcome meanwhile.
    EXPECT_NO_THROW(NewFileReader(file));
    first->Close();
    EXPECT_EQ(read(file), QByteArray("kept"));
    EXPECT_FALSE(NewFile(file)->IsReadOnly());
}

TEST_F(FileStreams, FilesLoadAndSaveLinesAndMaps)
{
    auto file = NewFile(path(QStringLiteral("lines.txt")));
    EXPECT_EQ(file->Reader(), nullptr);
    EXPECT_EQ(file->LoadLines()->Count(), 0);
    EXPECT_EQ(file->LoadStringMap()->Count(), 0);
    file->SaveLines(NewStringListFromStrings({"one", "", "zwei ä"}));
    EXPECT_EQ(read(file->FullName()), QByteArray("one\r\n\r\nzwei \xC3\xA4\r\n"));
    EXPECT_EQ(file->LoadLines()->Items(), (QStringList{"one", "", "zwei ä"}));
    file->SaveLines(NewStringList());
    EXPECT_EQ(read(file->FullName()), QByteArray());

    auto map = NewStringMap();
    map->Put(QStringLiteral("a"), QStringLiteral("1"));
    map->Put(QStringLiteral("b"), QStringLiteral("x=y"));
    file->SaveStringMap(map);
    EXPECT_EQ(read(file->FullName()), QByteArray("a=1\r\nb=x=y\r\n"));
    EXPECT_EQ(file->LoadStringMap()->ValueOf(QStringLiteral("B")), QStringLiteral("x=y"));

    auto writer = file->Writer(true);
    writer->WriteLine(QStringLiteral("c=3"));
    writer->Close();
    EXPECT_EQ(file->LoadStringMap()->Count(), 3);
    EXPECT_THROW(NewFile(path(QStringLiteral("missing/x.txt")))->SaveLines(NewStringList()), EBSStreamError);
}

TEST_F(FileStreams, ProgramsRunAndTheirOutputIsCaptured)
{
    const QString script = path(QStringLiteral("tool.sh"));
    write(script, "#!/bin/sh\nprintf 'first\\r\\nsecond %s\\nlast' \"$1\"\ntouch \"$2\"\nexit 0\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto tool = NewFile(script);
    auto writer = NewMemoryWriter();
    EXPECT_TRUE(tool->RunAndCapture(QStringLiteral("\"a b\" ") + path(QStringLiteral("ran1")), writer));
    EXPECT_EQ(qobject_cast<QBuffer *>(Supports<IBSStreamHolder>(writer)->Stream())->data(),
              QByteArray("first\r\nsecond a b\r\nlast\r\n"));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("ran1"))));

    EXPECT_TRUE(tool->RunAndWait(QStringLiteral("x ") + path(QStringLiteral("ran2"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("ran2"))));
    EXPECT_FALSE(NewFile(path(QStringLiteral("none.sh")))->Run());
    EXPECT_FALSE(NewFile(path(QStringLiteral("none.sh")))->RunAndWait());

    const QString failing = path(QStringLiteral("fail.sh"));
    write(failing, "#!/bin/sh\necho out\nexit 3\n");
    QFile::setPermissions(failing, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(NewFile(failing)->RunAndCapture(QString(), nullptr));
}

struct Saved : public TBSManagedInterface, public IBSStreamable {
    void WriteToStream(IBSStreamWriter &writer) const override { writer.Write(QStringLiteral("saved")); }
    void ReadFromStream(IBSStreamReader &) override {}
};
struct NotStreamable : public TBSManagedInterface {
};

TEST(Streamable, RegistryKeepsClassesThatOfferTheInterface)
{
    RegisterStreamableClass<Saved>(QStringLiteral("TSaved"));
    RegisterStreamableClass<Saved>(QStringLiteral("tsaved")); // again: ignored
    EXPECT_EQ(StreamableClassNames().count(QStringLiteral("TSaved")), 1);
    EXPECT_TRUE(IsStreamableClass(QStringLiteral("TSAVED")));
    auto object = NewStreamableObject(QStringLiteral("TSaved"));
    ASSERT_TRUE(object);
    auto writer = NewMemoryWriter();
    object->WriteToStream(*writer);
    EXPECT_EQ(qobject_cast<QBuffer *>(Supports<IBSStreamHolder>(writer)->Stream())->data(), QByteArray("saved"));
    EXPECT_EQ(NewStreamableObject(QStringLiteral("Unknown")), nullptr);
    try {
        RegisterStreamableClass<NotStreamable>(QStringLiteral("TNot"));
        ADD_FAILURE() << "class without IBSStreamable accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Klasse unterstützt IBSStreamable nicht!"));
    }
    EXPECT_FALSE(IsStreamableClass(QStringLiteral("TNot")));
}

TEST(Format, DelphiStyleSpecifiers)
{
    QLocale::setDefault(QLocale::c());
    const struct {
        const char *format;
        QVariantList arguments;
        const char *expected;
    } cases[] = {
        {"%s;%s;%s;%d;%s;%d Pt.", {"FINA 2004", "100m Freestyle", "Men", 99, "50.00", 901},
         "FINA 2004;100m Freestyle;Men;99;50.00;901 Pt."},
        {"%dh%.2d:%.2d.%.2d", {1, 2, 3, 4}, "1h02:03.04"},
        {"%.3d", {7}, "007"},
        {"%.3d", {-7}, "-007"},
        {"&#%d;", {8364}, "&#8364;"},
        {"%s_%d%s", {"p", 2, ".htm"}, "p_2.htm"},
        {"[%5s|%-5s]", {"ab", "cd"}, "[   ab|cd   ]"},
        {"%.2s", {"abcdef"}, "ab"},
        {"%x %.4x", {255, 10}, "FF 000A"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%u", {-1}, "4294967295"},
        {"%f %.1f %.0f", {1.0, 2.26, 3.7}, "1.00 2.3 4"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%e", {1500.0}, "1.50000000000000E+003"},
        {"%g %g %g", {0.5, 1e20, 100.0}, "0.5 1E+20 100"},
        {"%1:s %0:s %s", {"a", "b"}, "b a b"},
        {"%*d|%-*d|", {4, 7, 3, 8}, "   7|8  |"},
        {"100%%", {}, "100%"},
        {"", {}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BSFormat(QString::fromUtf8(c.format), c.arguments), QString::fromUtf8(c.expected)) << c.format;
    for (const char *bad : {"%d", "%s", "%", "%q", "%5"})
        EXPECT_THROW(BSFormat(QString::fromUtf8(bad), {}), EBSConvertError) << bad;
    EXPECT_THROW(BSFormat(QStringLiteral("%d"), {QStringLiteral("x")}), EBSConvertError);
    EXPECT_THROW(BSFormat(QStringLiteral("%s"), {3}), EBSConvertError);
    EXPECT_EQ(BSFormatArgs(QStringLiteral("%s %d"), QStringLiteral("n"), 3), QStringLiteral("n 3"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(BSFormat(QStringLiteral("%.2f %n"), {1.5, 1234.5}), QStringLiteral("1,50 1.234,50"));
    QLocale::setDefault(QLocale::c());
}

} // namespace
