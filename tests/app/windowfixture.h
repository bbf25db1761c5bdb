#pragma once

#include "app/calculatorform.h"
#include "app/mainwindow.h"
#include "controls/combobox.h"
#include "controls/edit.h"
#include "controls/listbox.h"
#include "controls/radiobutton.h"
#include "controls/radiogroup.h"
#include "controls/translation.h"
#include "frame/programpaths.h"
#include "frame/systemx.h"
#include "frame/tarvoform.h"
#include "frame/trvinifile.h"
#include "i18n/language.h"
#include "i18n/languagecodes.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// The program, its settings file, its language files and the user's folders in a fresh temporary
// folder; the catalogue is made anew for every test.
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toLocal8Bit());
        ProgramPaths().setProgramFile(path(QStringLiteral("mirevo")));
        ProgramPaths().setConfigFolder(path(QStringLiteral("config")));
        CloseSettingsFile();
        FreeLanguage();
        SetUserLanguageLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        InstallFormTranslator();
    }
    void TearDown() override
    {
        m_window.reset();
        FreeLanguage();
        ResetUserLanguageLocale();
        CloseSettingsFile();
        ProgramPaths().reset();
        qputenv("XDG_DATA_HOME", m_oldDataHome);
    }

    QString path(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

    static void writeLines(const QString &file, const QStringList &lines)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(lines.join(QLatin1Char('\n')).toLatin1());
    }

    // Creates the main window, shows it and waits until it has the keyboard.
    TFMain &openWindow()
    {
        m_window = std::make_unique<TFMain>();
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        return *m_window;
    }

    TTrvFPCalculator &calc() { return *m_window->Calculator(); }

    QTemporaryDir m_dir;
    QByteArray m_oldDataHome;
    std::unique_ptr<TFMain> m_window;
};

// The text without its accelerator marks.
inline QString plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}
