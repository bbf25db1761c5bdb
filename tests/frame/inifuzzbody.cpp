#include "inifuzzbody.h"

#include "base/initext.h"
#include "frame/textfile.h"
#include "frame/trvinifile.h"

#include <QByteArray>

#include <cstdlib>

void FuzzIniReader(const uint8_t *data, size_t size)
{
    const QString text = DecodeText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    TTrvMemIniFile ini;
    ini.SetText(text);
    const TBSIniText before = TBSIniText::parse(text);

    for (const QString &section : ini.ReadSections()) {
        for (const QString &key : ini.ReadSection(section)) {
            (void)ini.ReadInteger(section, key, 0);
            (void)ini.ReadBool(section, key, false);
            (void)ini.ReadDateTime(section, key, QDateTime());
            (void)ini.ReadMultiLine(section, key, QString());
            if (key.size() > 2)
                (void)ini.ReadMultiLine(section, key.left(key.size() - 2), QString());
        }
    }
    if (!ini.WriteString(QStringLiteral("MirevoFuzz"), QStringLiteral("Added"), QStringLiteral("1")))
        std::abort();
    if (!ini.WriteMultiLine(QStringLiteral("MirevoFuzz"), QStringLiteral("Memo"), text.left(200)))
        std::abort();

    const TBSIniText after = TBSIniText::parse(ini.GetText());
    for (const QString &section : before.sectionNames()) {
        if (section.compare(QStringLiteral("MirevoFuzz"), Qt::CaseInsensitive) == 0)
            continue;
        for (const auto &entry : before.entries(section))
            if (after.value(section, entry.first, QStringLiteral("\x01missing")) != entry.second)
                std::abort();
    }
    if (after.value(QStringLiteral("MirevoFuzz"), QStringLiteral("Added")) != QStringLiteral("1"))
        std::abort();
}
