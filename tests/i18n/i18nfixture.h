#pragma once

#include "frame/programpaths.h"
#include "frame/textfile.h"
#include "frame/trvinifile.h"
#include "i18n/language.h"
#include "i18n/languagecodes.h"
#include "i18n/localenames.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The program lies in a fresh temporary folder (language files, help files and the settings file go
// there); the catalogue, the user's language and the month names start from scratch.
class I18nFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ProgramPaths().setProgramFile(path(QStringLiteral("mirevo")));
        ProgramPaths().setConfigFolder(path(QStringLiteral("config")));
        CloseSettingsFile();
        FreeLanguage();
        SetUserLanguageLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        ResetLocaleNames();
    }
    void TearDown() override
    {
        FreeLanguage();
        CloseSettingsFile();
        ProgramPaths().reset();
        ResetUserLanguageLocale();
        ResetLocaleNames();
    }

    QString path(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // A small language file whose G 1 names the language, with month names of its own.
    void writeLanguageFile(const QString &code, const QString &name)
    {
        const QString text = QStringLiteral("; %1\r\n[G]\r\n1=%1\r\n2=Page_%2\r\n[S]\r\n1=%1 men;%1 women\r\n")
                                 .arg(name, code);
        writeFile(QStringLiteral("mirevo.x") + code, text.toUtf8());
    }

    QTemporaryDir m_dir;
};
