// The UI service on real widgets: the ADMIN and DEBUG entries in the main window's menu, the error box and
// the project chooser.
#include "frame/bsconfig.h"
#include "frame/bssystem.h"
#include "frame/bsuivisual.h"
#include "frame/configselect.h"
#include "frame/trvapplication.h"
#include "frame/trvform.h"

#include "qstringprint.h"
#include "modalhelper.h"
#include "settingsfixture.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A window with a menu bar like the program's main window.
class TMenuForm : public TTrvForm
{
    Q_OBJECT

public:
    explicit TMenuForm(const QString &name)
    {
        setObjectName(name);
        auto *bar = new QMenuBar(this);
        fileMenu = bar->addMenu(QStringLiteral("&File"));
        fileMenu->addAction(QStringLiteral("&Quit"));
        bar->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
        auto *box = new QVBoxLayout(this);
        box->setMenuBar(bar);
        Loaded();
    }
    QStringList fileEntries() const
    {
        QStringList texts;
        for (const QAction *action : fileMenu->actions())
            texts << action->text();
        return texts;
    }
    QMenu *fileMenu;
};

class UIServiceTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        ResetUIRegistration();
        RegisterUIClass<TBSUIVisual>();
        ResetBSConfiguration();
    }
    void TearDown() override
    {
        TTrvForm::SetMainForm(nullptr);
        ResetBSConfiguration();
        ResetUIRegistration();
        SettingsFixture::TearDown();
    }
};

TEST_F(UIServiceTest, MenuEntriesAreOwnedByTheApplication)
{
    auto *ui = dynamic_cast<TBSUIVisualAbstract *>(&BSUI());
    ASSERT_NE(ui, nullptr);
    EXPECT_EQ(ui->DebugMenu()->text(), QStringLiteral("DEBUG"));
    EXPECT_EQ(ui->AdminMenu()->text(), QStringLiteral("ADMIN"));
    EXPECT_EQ(ui->DebugMenu()->parent(), qApp);
    EXPECT_EQ(TTrvApplication::Title(), QStringLiteral("Mirevo 2006"));
}

TEST_F(UIServiceTest, ProjectAdministratorAndDeveloperGetBothEntriesOnTheMainWindowsFirstShow)
{
    writeBytes(path(QStringLiteral("club.ini")),
               QStringLiteral("[Quelvar]\nProjectName=Club\nProjectAdmins=%1\n").arg(TBSSystem::UserName()).toUtf8());
    RegistryKeyValues(QStringLiteral("Software\\Quelvar"))->WriteBool(QStringLiteral("DEBUG"), true);

    TMenuForm other(QStringLiteral("OtherForm"));
    other.show();
    EXPECT_EQ(other.fileEntries(), QStringList{QStringLiteral("&Quit")}) << "only the main window gets them";

    TMenuForm main(QStringLiteral("TFMain"));
    TTrvForm::SetMainForm(&main);
    EXPECT_EQ(main.fileEntries(), QStringList{QStringLiteral("&Quit")}) << "not before the first show";
    main.show();
    EXPECT_EQ(main.fileEntries(), (QStringList{QStringLiteral("DEBUG"), QStringLiteral("ADMIN"), QStringLiteral("&Quit")}));
    main.hide();
    main.show();
    EXPECT_EQ(main.fileEntries().size(), 3) << "once per run";
}

TEST_F(UIServiceTest, ErrorTextOfOneLineStandsBelowAnEmptyLine)
{
    EXPECT_EQ(TBSUIVisual::ErrorDialogText(QStringLiteral("Datei fehlt")), QStringLiteral("\nDatei fehlt"));
    EXPECT_EQ(TBSUIVisual::ErrorDialogText(QStringLiteral("Datei\r\nfehlt")), QStringLiteral("Datei\r\nfehlt"));
    EXPECT_EQ(TBSUIVisual::ErrorDialogText(QStringLiteral("Datei\nfehlt")), QStringLiteral("Datei\nfehlt"));

    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        shown = box->text();
        icon = box->icon();
        box->accept();
    });
    BSUI().ShowError(QStringLiteral("Datei fehlt"));
    EXPECT_EQ(shown, QStringLiteral("\nDatei fehlt"));
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(UIServiceTest, ChooserShowsTheNamesWithTheLastChoiceSelected)
{
    TFBSConfigSelect chooser(QStringLiteral("Mirevo"), {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
                             QStringLiteral("B"));
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Mirevo - Projekt wählen"));
    EXPECT_TRUE(chooser.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(chooser.ChosenIndex(), 1);
    auto *cancel = chooser.findChild<QPushButton *>(QStringLiteral("BCancel"));
    auto *ok = chooser.findChild<QPushButton *>(QStringLiteral("BOK"));
    ASSERT_TRUE(cancel && ok);
    EXPECT_EQ(cancel->text(), QStringLiteral("Abbrechen"));
    EXPECT_TRUE(ok->isDefault());

    TFBSConfigSelect unknownLast(QStringLiteral("Mirevo"), {QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("Z"));
    EXPECT_EQ(unknownLast.ChosenIndex(), 0);
}

TEST_F(UIServiceTest, ChooserAnswersByDoubleClickOrCancel)
{
    // Double click on the third name confirms it.
    whenModal<TFBSConfigSelect>([](TFBSConfigSelect *chooser) {
        auto *list = chooser->findChild<QListWidget *>(QStringLiteral("LBConfigNames"));
        list->setCurrentRow(2);
        emit list->itemDoubleClicked(list->item(2));
    });
    EXPECT_EQ(BSUI().ChooseConfiguration(QStringLiteral("Mirevo"), QStringLiteral("A"),
                                         {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}),
              2);

    whenModal<TFBSConfigSelect>([](TFBSConfigSelect *chooser) { QTest::keyClick(chooser, Qt::Key_Escape); });
    EXPECT_EQ(BSUI().ChooseConfiguration(QStringLiteral("Mirevo"), QStringLiteral("A"), {QStringLiteral("A"), QStringLiteral("B")}),
              -1);
}

} // namespace

#include "servicemenus_test.moc"
