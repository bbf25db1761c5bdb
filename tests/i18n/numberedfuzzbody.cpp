#include "base/stringlist.h"
#include "fuzzbodies.h"

#include "frame/textfile.h"
#include "i18n/language.h"

#include <QByteArray>

#include <cstdlib>

void FuzzNumberedCatalogue(const uint8_t *data, size_t size)
{
    const QString text = DecodeText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    TLanguage catalogue;
    catalogue.LoadFromStrings(BSSplitLines(text));
    const qsizetype lineCount = catalogue.Lines().size();
    if (catalogue.Sections().size() > lineCount)
        std::abort();
    for (const QString &entry : catalogue.Sections()) {
        const QString name = entry.left(entry.lastIndexOf(QLatin1Char('=')));
        int start = 0;
        int count = 0;
        if (catalogue.FindSection(name, &start, &count) && (start < 1 || count < 0 || start + count > lineCount))
            std::abort();
        for (int number = -1; number <= 8; ++number) {
            const QString whole = catalogue.GetText(name, number);
            if (whole.size() > 999 * 2) // "\N" grows by no more than the text itself
                std::abort();
            for (int item = 1; item <= 3; ++item)
                if (catalogue.GetText(name, number, item).size() > whole.size())
                    std::abort();
        }
    }
    (void)catalogue.GetText(QStringLiteral("G"), 70, 1);
}
