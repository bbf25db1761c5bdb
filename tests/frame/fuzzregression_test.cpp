#include "inifuzzbody.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Inputs that once broke the INI reader, or that cover its awkward corners, run through the fuzz body.
TEST(IniFuzzRegressions, StoredInputsPass)
{
    const QDir dir(QStringLiteral(MIREVO_FRAME_FUZZ_DIR "/ini"));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        SCOPED_TRACE(name.toStdString());
        FuzzIniReader(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
}
