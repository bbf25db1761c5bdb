#include "base/initext.h"

#include "base/stringlist.h"

#include <QHash>

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

TBSIniText::TBSIniText()
{
    m_sections.emplace_back(); // the lines before the first section
}

TBSIniText TBSIniText::parse(const QString &text)
{
    TBSIniText ini;
    for (const QString &raw : BSSplitLines(text)) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')) && line.size() >= 2) {
            Section section;
            section.name = line.mid(1, line.size() - 2).trimmed();
            section.hasHeader = true;
            section.lines.push_back(Line{raw, {}, {}});
            ini.m_sections.push_back(std::move(section));
            continue;
        }
        Line entry{raw, {}, {}};
        if (!line.isEmpty() && !line.startsWith(QLatin1Char(';'))) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq > 0) {
                entry.key = line.left(eq).trimmed();
                if (!entry.key.isEmpty())
                    entry.value = line.mid(eq + 1).trimmed();
            }
        }
        ini.m_sections.back().lines.push_back(std::move(entry));
    }
    return ini;
}

QString TBSIniText::toText(const QString &lineEnd) const
{
    QString text;
    for (const Section &section : m_sections)
        for (const Line &line : section.lines) {
            text += line.raw;
            text += lineEnd;
        }
    return text;
}

QStringList TBSIniText::sectionNamesInFileOrder() const
{
    QStringList names;
    for (size_t i = 1; i < m_sections.size(); ++i)
        names << m_sections[i].name;
    return names;
}

QStringList TBSIniText::sectionNames() const
{
    QStringList names;
    for (size_t i = 1; i < m_sections.size(); ++i)
        if (!names.contains(m_sections[i].name, Qt::CaseInsensitive))
            names << m_sections[i].name;
    return names;
}

bool TBSIniText::hasSection(const QString &section) const
{
    return findSection(section) != nullptr;
}

TBSIniText::Section *TBSIniText::findSection(const QString &name)
{
    for (size_t i = 1; i < m_sections.size(); ++i)
        if (sameName(m_sections[i].name, name))
            return &m_sections[i];
    return nullptr;
}

const TBSIniText::Section *TBSIniText::findSection(const QString &name) const
{
    return const_cast<TBSIniText *>(this)->findSection(name);
}

const TBSIniText::Line *TBSIniText::lastLineOf(const Section &section, const QString &key)
{
    for (auto it = section.lines.rbegin(); it != section.lines.rend(); ++it)
        if (!it->key.isEmpty() && sameName(it->key, key))
            return &*it;
    return nullptr;
}

QList<TBSIniText::Entry> TBSIniText::entries(const QString &sectionName) const
{
    QList<Entry> result;
    const Section *section = findSection(sectionName);
    if (!section)
        return result;
    // Position of each key in the result, by its case-folded spelling.
    QHash<QString, qsizetype> positions;
    for (const Line &line : section->lines) {
        if (line.key.isEmpty())
            continue;
        const QString folded = line.key.toCaseFolded();
        const auto found = positions.constFind(folded);
        if (found != positions.constEnd()) {
            result[*found].second = line.value;
        } else {
            positions.insert(folded, result.size());
            result << Entry{line.key, line.value};
        }
    }
    return result;
}

bool TBSIniText::hasKey(const QString &section, const QString &key) const
{
    const Section *found = findSection(section);
    return found && lastLineOf(*found, key);
}

QString TBSIniText::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Section *found = findSection(section);
    const Line *line = found ? lastLineOf(*found, key) : nullptr;
    return line ? line->value : defaultValue;
}

TBSIniText::Line TBSIniText::makeEntry(const QString &key, const QString &value)
{
    // A line break inside a value would split the entry and corrupt the text around it.
    QString oneLine = value;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return Line{key + QLatin1Char('=') + oneLine, key, oneLine.trimmed()};
}

void TBSIniText::setValue(const QString &sectionName, const QString &key, const QString &value)
{
    Section *section = findSection(sectionName);
    if (!section) {
        Section added;
        added.name = sectionName;
        added.hasHeader = true;
        added.lines.push_back(Line{QLatin1Char('[') + sectionName + QLatin1Char(']'), {}, {}});
        m_sections.push_back(std::move(added));
        section = &m_sections.back();
    }
    if (auto *line = const_cast<Line *>(lastLineOf(*section, key))) {
        *line = makeEntry(line->key, value);
        return;
    }
    // After the last entry line, so trailing comments and blank lines stay between the sections.
    size_t insertAt = section->lines.size();
    while (insertAt > 1 && section->lines[insertAt - 1].key.isEmpty()
           && section->lines[insertAt - 1].raw.trimmed().isEmpty())
        --insertAt;
    section->lines.insert(section->lines.begin() + qsizetype(insertAt), makeEntry(key, value));
}

void TBSIniText::removeKey(const QString &sectionName, const QString &key)
{
    Section *section = findSection(sectionName);
    if (!section)
        return;
    std::erase_if(section->lines, [&](const Line &line) { return !line.key.isEmpty() && sameName(line.key, key); });
}

void TBSIniText::eraseSection(const QString &sectionName)
{
    for (size_t i = m_sections.size(); i-- > 1;)
        if (sameName(m_sections[i].name, sectionName))
            m_sections.erase(m_sections.begin() + qsizetype(i));
}
