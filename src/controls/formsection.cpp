#include "controls/formsection.h"

namespace {

constexpr qsizetype MaxComponentName = 99;

bool isEntryLine(const QString &line)
{
    return line.startsWith(QLatin1String(".@"));
}

} // namespace

TFormSection ParseFormSection(const QStringList &lines, int start, int count)
{
    TFormSection section;
    const int end = int(qMin<qsizetype>(qsizetype(start) + count, lines.size()));
    if (start < 0 || start >= end)
        return section;
    section.valid = true;

    QString caption = lines.at(start);
    if (caption != QLatin1String(".") && !caption.isEmpty()) {
        if (caption.startsWith(u'$'))
            caption.remove(0, 1);
        section.caption = caption;
    }

    int i = start + 1;
    while (i < end && !isEntryLine(lines.at(i)))
        ++i;
    while (i < end) {
        QString name = lines.at(i).mid(2, MaxComponentName);
        if (name.endsWith(u'$'))
            name.chop(1);
        const int first = i + 1;
        int next = first;
        while (next < end && !isEntryLine(lines.at(next)))
            ++next;
        if (next > first)
            section.entries.push_back({name, first, next - first});
        i = next;
    }
    return section;
}

QStringList EntryLines(const QStringList &lines, int first, int count)
{
    QStringList result;
    for (int i = first; i < first + count && i < lines.size(); ++i) {
        if (i >= 0)
            result << lines.at(i);
    }
    return result;
}
