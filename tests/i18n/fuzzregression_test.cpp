#include "fuzzbodies.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Runs every stored input of a folder through a fuzz body.
void runStoredInputs(const QString &folder, void (*body)(const uint8_t *, size_t))
{
    const QDir dir(QStringLiteral(MIREVO_I18N_FUZZ_DIR "/") + folder);
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << dir.path().toStdString();
    for (const QString &name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        SCOPED_TRACE(name.toStdString());
        body(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
}

} // namespace

// Inputs that once broke a catalogue reader, or that cover its awkward corners.
TEST(CatalogueFuzzRegressions, NumberedCatalogue)
{
    runStoredInputs(QStringLiteral("numbered"), &FuzzNumberedCatalogue);
}

TEST(CatalogueFuzzRegressions, KeyedCatalogue)
{
    runStoredInputs(QStringLiteral("keyed"), &FuzzKeyedCatalogue);
}
