#pragma once

#include "frame/programpaths.h"
#include "frame/trvinifile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Points the program, its settings file and the user's config folder into a fresh temporary folder.
class SettingsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ProgramPaths().setProgramFile(path(QStringLiteral("mirevo")));
        ProgramPaths().setConfigFolder(path(QStringLiteral("config")));
        CloseSettingsFile();
    }
    void TearDown() override
    {
        CloseSettingsFile();
        ProgramPaths().reset();
    }

    QString path(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

    static QByteArray readBytes(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeBytes(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QTemporaryDir m_dir;
};
