#include "base/filesearch.h"

#include "base/files_p.h"
#include "base/wildcard.h"

#include <QDir>
#include <QFileInfo>

QStringList BSSearchPatterns(const QString &patterns)
{
    if (patterns.isEmpty())
        return {QStringLiteral("*.*")};
    if (!patterns.contains(QLatin1Char(';'))) {
        QString text = patterns;
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QStringList lines = text.split(QLatin1Char('\n'));
        if (lines.size() > 1 && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    // Delimited text with ";" as delimiter and '"' as quote; blanks (and control characters) separate too.
    QStringList result;
    const qsizetype n = patterns.size();
    qsizetype p = 0;
    auto isBlank = [&](qsizetype i) { return i < n && patterns[i].unicode() >= 1 && patterns[i].unicode() <= ' '; };
    while (isBlank(p))
        ++p;
    while (p < n) {
        QString item;
        if (patterns[p] == QLatin1Char('"')) {
            ++p;
            while (p < n) {
                if (patterns[p] == QLatin1Char('"')) {
                    if (p + 1 < n && patterns[p + 1] == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += patterns[p++];
            }
        } else {
            const qsizetype start = p;
            while (p < n && patterns[p].unicode() > ' ' && patterns[p] != QLatin1Char(';'))
                ++p;
            item = patterns.mid(start, p - start);
        }
        result << item;
        while (isBlank(p))
            ++p;
        if (p < n && patterns[p] == QLatin1Char(';')) {
            if (p + 1 == n)
                result << QString();
            do
                ++p;
            while (isBlank(p));
        } else if (p < n && patterns[p].unicode() == 0) {
            break;
        }
    }
    return result;
}

namespace {

void addSubfolders(const QString &folder, QStringList &folders, int depth)
{
    // Deeper than any real tree: a guard against pathological nesting.
    if (depth > 256)
        return;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &entry : entries) {
        folders << entry.filePath();
        addSubfolders(entry.filePath(), folders, depth + 1);
    }
}

} // namespace

TBSFileSearch::TBSFileSearch(const QString &startFolder, const QStringList &patterns, bool recursive,
                             bool directories)
    : m_patterns(patterns)
    , m_directories(directories)
{
    if (!startFolder.isEmpty()) {
        m_folders << startFolder;
        if (recursive)
            addSubfolders(startFolder, m_folders, 0);
    }
    First();
}

void TBSFileSearch::loadEntries()
{
    m_entries.clear();
    const QString &pattern = m_patterns.at(m_pattern);
    if (pattern.isEmpty())
        return;
    const QFileInfoList entries = QDir(m_folders.at(m_folder))
                                      .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                         | QDir::NoDotAndDotDot,
                                                     QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() != m_directories)
            continue;
        if (BSFileNameMatch(pattern, entry.fileName()))
            m_entries << entry.fileName();
    }
}

bool TBSFileSearch::advance()
{
    m_currentFile.reset();
    m_currentDirectory.reset();
    while (m_folder < m_folders.size() && !m_patterns.isEmpty()) {
        if (m_entry < 0)
            loadEntries();
        ++m_entry;
        if (m_entry < m_entries.size())
            return m_hasCurrent = true;
        m_entry = -1;
        if (++m_pattern >= m_patterns.size()) {
            m_pattern = 0;
            ++m_folder;
        }
    }
    return m_hasCurrent = false;
}

bool TBSFileSearch::First()
{
    m_folder = 0;
    m_pattern = 0;
    m_entry = -1;
    return advance();
}

bool TBSFileSearch::Next()
{
    if (!m_hasCurrent)
        return false;
    return advance();
}

QString TBSFileSearch::currentPath() const
{
    // Made from the entry's own name: a name with characters that NewFile would remove is still found.
    return QDir::cleanPath(m_folders.at(m_folder) + QLatin1Char('/') + m_entries.at(m_entry));
}

BSRef<IBSFile> TBSFileSearch::currentFile()
{
    if (!m_hasCurrent)
        return {};
    if (!m_currentFile)
        m_currentFile = BSNew<TBSFile>(currentPath());
    return m_currentFile;
}

BSRef<IBSDirectory> TBSFileSearch::currentDirectory()
{
    if (!m_hasCurrent)
        return {};
    if (!m_currentDirectory)
        m_currentDirectory = BSNew<TBSDirectory>(currentPath());
    return m_currentDirectory;
}
