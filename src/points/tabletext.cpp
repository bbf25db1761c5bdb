#include "points/tabletext.h"

#include "base/initext.h"
#include "base/textcodec.h"

#include <QFile>

namespace {

const QString kHeader = QStringLiteral("Header");

// The blank-separated words of a value; runs of blanks count as one.
QList<QStringView> valueWords(const QString &value)
{
    QList<QStringView> words;
    const QStringView view(value);
    qsizetype i = 0;
    const qsizetype n = view.size();
    while (i < n) {
        while (i < n && view.at(i).isSpace())
            ++i;
        const qsizetype start = i;
        while (i < n && !view.at(i).isSpace())
            ++i;
        if (i > start)
            words << view.mid(start, i - start);
    }
    return words;
}

TBSSwTime timeOfWord(const QList<QStringView> &words, qsizetype i)
{
    return i < words.size() ? BSSwStrToTime(words.at(i).toString()) : BSSwNoTime;
}

} // namespace

bool ReadTableBoolean(const QString &value, bool defaultValue)
{
    const QString text = value.trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok, 10);
    return ok ? number != 0 : defaultValue;
}

TBSSwTableContents ReadTableText(const QString &text)
{
    return ReadTableText(TBSIniText::parse(text));
}

TBSSwTableContents ReadTableText(const TBSIniText &ini)
{
    TBSSwTableContents contents;
    contents.UseMenForMixed = ReadTableBoolean(ini.value(kHeader, QStringLiteral("UseMenForMixed")), false);
    contents.Formula = BSSwFormulaFromKeyword(ini.value(kHeader, QStringLiteral("Formula"), QStringLiteral("CUBED")));
    contents.ShortNameVersion = ini.value(kHeader, QStringLiteral("ShortNameVersion"));

    const QStringList names = ini.sectionNamesInFileOrder();
    if (names.isEmpty())
        return contents;

    contents.Sections.reserve(size_t(names.size()));
    contents.Sections.emplace_back(); // the merged section
    // Section 0 of the text is the header position and is skipped. A section name that occurs twice
    // takes its entries from the first section of that name.
    for (qsizetype i = 1; i < names.size(); ++i) {
        TBaseTimeTable section(names.at(i));
        for (const TBSIniText::Entry &entry : ini.entries(names.at(i))) {
            const QList<QStringView> words = valueWords(entry.second);
            const TBSSwTime first = timeOfWord(words, 0);
            const TBSSwTime second = timeOfWord(words, 1);
            section.AddTime(entry.first, TBaseTimeTable::FirstColumn, first);
            section.AddTime(entry.first, TBaseTimeTable::SecondColumn, second);
            contents.Sections.front().MergeTime(entry.first, TBaseTimeTable::FirstColumn, first);
            contents.Sections.front().MergeTime(entry.first, TBaseTimeTable::SecondColumn, second);
        }
        contents.Sections.push_back(std::move(section));
    }
    return contents;
}

TBSSwTableNames ReadTableNames(const QString &text)
{
    return ReadTableNames(TBSIniText::parse(text));
}

TBSSwTableNames ReadTableNames(const TBSIniText &ini)
{
    return {ini.value(kHeader, QStringLiteral("Name")), ini.value(kHeader, QStringLiteral("Version"))};
}

EBSSwTableResourceError::EBSSwTableResourceError(const QString &resourceName)
    : std::runtime_error("point table resource not found: " + resourceName.toStdString())
{
}

QString LoadTableResource(const QString &resourceName)
{
    QFile file(QStringLiteral(":/pointtables/") + resourceName);
    if (!file.open(QIODevice::ReadOnly))
        throw EBSSwTableResourceError(resourceName);
    return DecodeTableText(file.readAll());
}

QString DecodeTableText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return BSDecodeText(bytes.mid(3));
    return BSDecodeText(bytes);
}
