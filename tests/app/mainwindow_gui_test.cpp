// The main window offscreen: the start sequence, its size, menu, tool bar, footer and actions, the
// interface language, and the history list as drawn on the screen.
#include "app/guiprogram.h"
#include "app/historydelegate.h"
#include "frame/tarvoform.h"
#include "i18n/builtincatalogue.h"
#include "i18n/swimtexts.h"

#include "../frame/modalhelper.h"
#include "windowfixture.h"

#include <QDate>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

class MainWindow : public WindowFixture
{
};

TEST_F(MainWindow, ClientIsToolBarPanelAndFooter)
{
    TFMain &window = openWindow();
    const int toolBar = window.ToolBar()->height();
    EXPECT_GT(toolBar, 0);
    EXPECT_EQ(window.ClientArea()->height(), toolBar + 300 + 20);
    EXPECT_EQ(window.ClientArea()->width(), 400);
    EXPECT_EQ(window.Calculator()->Panel()->parentWidget(), window.ClientArea());
    EXPECT_EQ(window.Calculator()->Panel()->geometry(), QRect(0, toolBar, 400, 300));
    EXPECT_EQ(window.Footer()->geometry(), QRect(0, toolBar + 300, 400, 20));
    EXPECT_EQ(window.ToolBar()->geometry(), QRect(0, 0, 400, toolBar));
    // The window is the menu bar and the client area, and the user cannot resize it.
    EXPECT_EQ(window.height(), window.MainMenu()->height() + window.ClientArea()->height());
    EXPECT_EQ(window.width(), 400);
    EXPECT_FALSE(window.IsSizeable());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("TARVO Mirevo 2006"));
}

TEST_F(MainWindow, FooterNamesTheCurrentYear)
{
    TFMain &window = openWindow();
    const int year = QDate::currentDate().year();
    EXPECT_EQ(window.Footer()->text(), MainFooterText(year));
    EXPECT_TRUE(window.Footer()->text().contains(QString::number(year)));
    EXPECT_NE(MainFooterText(2031), MainFooterText(2032));
}

TEST_F(MainWindow, MenuAndToolBarHoldQuitAndAboutOnly)
{
    TFMain &window = openWindow();
    const QList<QAction *> menus = window.MainMenu()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(plain(menus.at(0)->text()), QStringLiteral("File"));
    const QList<QAction *> file = menus.at(0)->menu()->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file.at(0), window.AboutAction());
    EXPECT_TRUE(file.at(1)->isSeparator());
    EXPECT_EQ(file.at(2), window.TerminateAction());

    const QList<QAction *> tools = window.ToolBar()->actions();
    ASSERT_EQ(tools.size(), 3);
    EXPECT_EQ(tools.at(0), window.TerminateAction());
    EXPECT_TRUE(tools.at(1)->isSeparator());
    EXPECT_EQ(tools.at(2), window.AboutAction());

    EXPECT_EQ(plain(window.TerminateAction()->text()), QStringLiteral("Quit"));
    EXPECT_EQ(window.TerminateAction()->toolTip(), QStringLiteral("Quit TARVO Mirevo"));
    EXPECT_EQ(plain(window.AboutAction()->text()), QStringLiteral("About Mirevo"));
    EXPECT_EQ(window.AboutAction()->toolTip(), QStringLiteral("About Mirevo"));
    for (QAction *action : {window.TerminateAction(), window.AboutAction()}) {
        EXPECT_FALSE(action->icon().isNull());
        const QImage image = action->icon().pixmap(16, 16).toImage();
        EXPECT_EQ(image.size(), QSize(16, 16));
        // Drawn: some pixels are not transparent.
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 40) << action->objectName().toStdString();
    }
    // Printing comes with the printout: no action for it yet, in the menu, the tool bar or the shortcuts.
    for (QAction *action : window.findChildren<QAction *>()) {
        EXPECT_NE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        EXPECT_FALSE(plain(action->text()).contains(QLatin1String("Print"))) << action->text().toStdString();
    }
    for (QToolButton *button : window.ToolBar()->findChildren<QToolButton *>()) {
        if (button->defaultAction())
            EXPECT_TRUE(button->isEnabled());
    }
}

TEST_F(MainWindow, QuitClosesTheWindow)
{
    TFMain &window = openWindow();
    window.TerminateAction()->trigger();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindow, AboutShowsTheAboutBoxModally)
{
    TFMain &window = openWindow();
    QString shown;
    whenModal<QDialog>([&shown](QDialog *about) {
        shown = QString::fromLatin1(about->metaObject()->className());
        about->close();
    });
    window.AboutAction()->trigger();
    EXPECT_EQ(shown, QStringLiteral("TTrvFTarvoScreen"));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindow, StartSequenceShowsTheStartScreenForASecond)
{
    QStringList warnings;
    QElapsedTimer clock;
    clock.start();
    m_window = StartCalculatorWindow([&warnings](const QString &w) { warnings << w; });
    ASSERT_TRUE(m_window);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(TTrvForm::MainForm(), m_window.get());
    EXPECT_TRUE(warnings.isEmpty());
    ASSERT_NE(SystemX().StartScreen(), nullptr);
    EXPECT_TRUE(SystemX().StartScreen()->isVisible());
    // The main window has been shown (startup done), yet the screen stays for the first second.
    QTest::qWait(qMax<qint64>(0, 800 - clock.elapsed()));
    if (clock.elapsed() < 950)
        EXPECT_NE(SystemX().StartScreen(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([] { return SystemX().StartScreen() == nullptr; }, 3000));
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_EQ(m_window->Calculator()->PointTables()->currentText(), QStringLiteral("DSV Master Performance Table 1998"));
    TTrvForm::SetMainForm(nullptr);
}

TEST_F(MainWindow, EscapeDoesNotCloseIt)
{
    TFMain &window = openWindow();
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
}

// A language file next to the program with the calculator's and a few swimming texts changed.
QStringList germanCatalogue()
{
    QStringList lines = BuiltInCatalogueLines();
    const auto replace = [&lines](const QString &from, const QString &to) {
        const qsizetype i = lines.indexOf(from);
        EXPECT_GE(i, 0) << from.toStdString();
        if (i >= 0)
            lines[i] = to;
    };
    lines[0] = QStringLiteral("; DEUTSCH");
    replace(QStringLiteral("Calculate points"), QStringLiteral("Punkte rechnen"));
    replace(QStringLiteral("Calculate"), QStringLiteral("Rechnen"));
    replace(QStringLiteral("Age:"), QStringLiteral("Jahrgang:"));
    replace(QStringLiteral("Enter time:"), QStringLiteral("Zeit:"));
    replace(QStringLiteral("Men"), QStringLiteral("Herren"));
    replace(QStringLiteral("21=25m Pool"), QStringLiteral("21=Kurzbahn"));
    replace(QStringLiteral("3=Men;Women;Mixed"), QStringLiteral("3=Herren;Damen;Mixed"));
    return lines;
}

TEST_F(MainWindow, ChosenLanguageFileReplacesTheBuiltInTexts)
{
    writeLines(path(QStringLiteral("mirevo.xde")), germanCatalogue());
    SettingsFile().WriteInteger(QStringLiteral("Config"), QStringLiteral("lbxLanguage"), 1);
    TFMain &window = openWindow();
    TTrvFPCalculator &c = *window.Calculator();
    EXPECT_EQ(Language().CurrentLanguage(), 1);
    EXPECT_EQ(c.windowTitle(), QStringLiteral("Punkte rechnen"));
    EXPECT_EQ(c.CalculateButton()->text(), QStringLiteral("Rechnen"));
    EXPECT_EQ(plain(c.AgeLabel()->text()), QStringLiteral("Jahrgang:"));
    EXPECT_EQ(plain(c.TimeMode()->text()), QStringLiteral("Zeit:"));
    EXPECT_EQ(plain(c.Gender()->Items().at(0)), QStringLiteral("Herren"));
    // The swimming texts come from the same file.
    EXPECT_EQ(c.Pools()->ItemText(0), QStringLiteral("Kurzbahn"));
    c.PointTables()->SelectKey(3000);
    c.SwimStyles()->SetSelectedIndex(1);
    c.TimeEdit()->SetText(QStringLiteral("  :50.00"));
    c.CalculateClick();
    EXPECT_EQ(c.History()->item(0)->text(), QStringLiteral("FINA 2004;100m Freestyle;Herren;99;50.00;820 Pt."));
}

TEST_F(MainWindow, UserLanguageChoosesTheFileWhenNoneIsSet)
{
    writeLines(path(QStringLiteral("mirevo.xde")), germanCatalogue());
    SetUserLanguageLocale(QLocale(QLocale::German, QLocale::Germany));
    TFMain &window = openWindow();
    EXPECT_EQ(window.Calculator()->CalculateButton()->text(), QStringLiteral("Rechnen"));
}

TEST_F(MainWindow, WithoutTheChosenFileTheTextsStayEnglish)
{
    // Another language's file does not stand in for the chosen one.
    writeLines(path(QStringLiteral("mirevo.xch")), germanCatalogue());
    SettingsFile().WriteInteger(QStringLiteral("Config"), QStringLiteral("lbxLanguage"), 1);
    TFMain &window = openWindow();
    EXPECT_EQ(window.Calculator()->CalculateButton()->text(), QStringLiteral("Calculate"));
    EXPECT_EQ(window.Calculator()->Pools()->ItemText(0), QStringLiteral("25m Pool"));
    EXPECT_EQ(Language().GetText(QStringLiteral("S"), 3), QStringLiteral("Men;Women;Mixed"));
}

TEST_F(MainWindow, CalculatorTextsAreGermanUntilTranslated)
{
    // A catalogue without a section for the calculator leaves its design texts.
    Language().LoadFromStrings({QStringLiteral("[S]"), QStringLiteral("1=Indiv.")});
    LoadSwimTexts();
    {
        TTrvFPCalculator form;
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Punkte berechnen"));
        EXPECT_EQ(form.CalculateButton()->text(), QStringLiteral("Berechnen"));
        EXPECT_EQ(plain(form.AgeLabel()->text()), QStringLiteral("Alter:"));
        EXPECT_EQ(form.Gender()->title(), QStringLiteral("Geschlecht"));
        EXPECT_EQ(plain(form.Gender()->Items().at(1)), QStringLiteral("Frauen"));
    }
}

TEST_F(MainWindow, StandaloneCalculatorClosesOnEscape)
{
    openWindow();
    TTrvFPCalculator form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.TimeEdit()->setFocus();
    QTest::keyClick(form.TimeEdit(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(m_window->isVisible());
}

// Columns of the image where some pixel of rows top..bottom differs clearly from the background.
std::vector<bool> inkColumns(const QImage &image, int top, int bottom, QRgb background)
{
    std::vector<bool> ink(size_t(image.width()), false);
    for (int y = top; y <= bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qGray(p) - qGray(background)) > 60)
                ink[size_t(x)] = true;
        }
    }
    return ink;
}

bool anyInk(const std::vector<bool> &ink, int from, int to)
{
    for (int x = qMax(0, from); x <= to && x < int(ink.size()); ++x)
        if (ink[size_t(x)])
            return true;
    return false;
}

int firstInk(const std::vector<bool> &ink, int from, int to)
{
    for (int x = qMax(0, from); x <= to && x < int(ink.size()); ++x)
        if (ink[size_t(x)])
            return x;
    return -1;
}

int lastInk(const std::vector<bool> &ink, int from, int to)
{
    for (int x = qMin(to, int(ink.size()) - 1); x >= from; --x)
        if (ink[size_t(x)])
            return x;
    return -1;
}

TEST_F(MainWindow, HistoryIsDrawnInColumns)
{
    TFMain &window = openWindow();
    TTrvFPCalculator &c = *window.Calculator();
    TTrvListBox *history = c.History();
    history->addItem(QStringLiteral("Rudolph Table 2005;4 x 100m Freestyle Relay;Women;12;30.00;146 Pt."));
    history->addItem(QStringLiteral("FINA 2004;100m Freestyle;Men;99;1:02.37;1100 Pt."));
    history->addItem(QStringLiteral("FINA 2004;100m Freestyle;Men;99;;0 Pt."));
    history->setCurrentRow(-1);
    history->clearSelection();
    QApplication::processEvents();

    EXPECT_EQ(history->visualItemRect(history->item(0)).height(), THistoryDelegate::ItemHeight);
    EXPECT_EQ(history->visualItemRect(history->item(1)).top(), THistoryDelegate::ItemHeight);

    QWidget *viewport = history->viewport();
    const QImage image = viewport->grab().toImage();
    const int right = viewport->width(); // the first pixel past a row
    const QRgb background = history->palette().color(QPalette::Base).rgb();
    EXPECT_EQ(history->palette().color(QPalette::Base), history->palette().color(QPalette::Button));
    EXPECT_EQ(image.pixel(right - 2, 3 * THistoryDelegate::ItemHeight + 5), background); // below the lines

    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        const QRect r = history->visualItemRect(history->item(row));
        const auto ink = inkColumns(image, r.top(), r.bottom(), background);
        // Table name from the left edge, event from x 100, gender from x 210.
        EXPECT_LE(firstInk(ink, 0, 99), 2);
        EXPECT_FALSE(anyInk(ink, 96, 99)); // a long name is cut short before the event
        const int event = firstInk(ink, 100, 140);
        EXPECT_GE(event, 100);
        EXPECT_LE(event, 102);
        EXPECT_FALSE(anyInk(ink, 206, 209));
        const int gender = firstInk(ink, 210, 240);
        EXPECT_GE(gender, 210);
        EXPECT_LE(gender, 212);
        // Points end at the right edge.
        const int points = lastInk(ink, right - 40, right - 1);
        EXPECT_GE(points, right - 3);
        // The time ends at right - 55 when there is one.
        const int time = lastInk(ink, right - 100, right - 55 + 5);
        if (row == 2) {
            EXPECT_FALSE(anyInk(ink, right - 100, right - 50));
        } else {
            EXPECT_GE(time, right - 58);
            EXPECT_LE(time, right - 55);
        }
        // The age ends at right - 110; 99 is not drawn.
        if (row == 0) {
            const int age = lastInk(ink, right - 130, right - 105);
            EXPECT_GE(age, right - 113);
            EXPECT_LE(age, right - 110);
        } else {
            EXPECT_FALSE(anyInk(ink, right - 140, right - 108));
        }
    }

    // A selected line is drawn in the highlight colours.
    history->setCurrentRow(1);
    QApplication::processEvents();
    const QImage selected = viewport->grab().toImage();
    const QRect r = history->visualItemRect(history->item(1));
    EXPECT_EQ(selected.pixel(180, r.top() + 1), history->palette().color(QPalette::Highlight).rgb());
    EXPECT_EQ(selected.pixel(180, r.top() + THistoryDelegate::ItemHeight + 1), background);
}

} // namespace
