#include "base/stringlist.h"
#include "fuzzbodies.h"

#include "frame/textfile.h"
#include "i18n/bslanguage.h"

#include <QByteArray>

#include <cstdlib>

namespace {

class TFuzzLanguage : public TBSLanguage
{
public:
    explicit TFuzzLanguage(QStringList lines)
        : m_lines(std::move(lines))
    {
    }
    quint32 AvailableLanguages() const override { return 0; }
    QStringList ReadData() const override { return m_lines; }

private:
    QStringList m_lines;
};

} // namespace

void FuzzKeyedCatalogue(const uint8_t *data, size_t size)
{
    const QString text = DecodeText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    TFuzzLanguage catalogue(BSSplitLines(text));
    catalogue.LoadCatalogue();
    for (const QString &section : catalogue.SectionNames()) {
        const QString name = section.mid(5); // without "DATA." or "FORM."
        if (section.startsWith(QStringLiteral("DATA."))) {
            const BSRef<IBSStringMap> map = catalogue.DataSection(name);
            for (int i = 0; i < map->Count(); ++i) {
                const QString key = QLatin1Char('#') + name + QLatin1Char('.') + map->Name(i);
                const QString whole = catalogue.GetText(key);
                if (whole.isEmpty())
                    std::abort(); // a found value is never empty, a missing one gives the key
                for (int item = -1; item < 4; ++item)
                    (void)catalogue.GetText(key, item);
                (void)catalogue.FormatText(key, {QStringLiteral("x"), 1, 2.5});
            }
        } else {
            (void)catalogue.FormSection(name)->Count();
        }
    }
    (void)catalogue.GetText(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size < 64 ? size : 64)), 1);
}
