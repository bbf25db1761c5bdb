// The form base on real widgets (offscreen platform): placement, snapping, label buddies, stored controls
// and the message boxes.
#include "frame/inistored.h"
#include "frame/trvapplication.h"
#include "frame/trvform.h"
#include "i18n/language.h"

#include "modalhelper.h"
#include "settingsfixture.h"
#include "qstringprint.h"

#include "ui_nosnapform.h"
#include "ui_testform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class TTestForm : public TTrvForm
{
    Q_OBJECT

public:
    explicit TTestForm(bool fixedSize = false)
    {
        if (fixedSize)
            setFixedSize(250, 150);
        LoadDesign(ui);
    }
    Ui::TTestForm ui;
};

// Records the help requests instead of opening a viewer.
class THelpForm : public TTestForm
{
    Q_OBJECT

public:
    QList<QPair<QString, int>> opened;

protected:
    bool OpenHelp(const QString &file, int context) override
    {
        opened << qMakePair(file, context);
        return true;
    }
};

class TNoSnapForm : public TTrvForm
{
    Q_OBJECT

public:
    TNoSnapForm() { LoadDesign(ui); }
    Ui::TNoSnapForm ui;
};

// A control that keeps its text in the settings file.
class StoredEdit : public QLineEdit, public ITrvIniStored
{
    Q_OBJECT
    Q_INTERFACES(ITrvIniStored)

public:
    StoredEdit(const QString &name, int tag, QWidget *parent) : QLineEdit(parent)
    {
        setObjectName(name);
        setProperty("Tag", tag);
    }
    void LoadFromIni(TTrvIniFile &ini, const QString &section) override
    {
        setText(ini.ReadString(section, objectName(), text()));
    }
    void SaveToIni(TTrvIniFile &ini, const QString &section) override { ini.WriteString(section, objectName(), text()); }
};

QRect screenRect()
{
    return QGuiApplication::primaryScreen()->geometry();
}

QRect workArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

class FormTest : public SettingsFixture
{
protected:
    QString saved(const QString &key) { return SettingsFile().ReadString(QStringLiteral("Windows"), key, QString()); }
    void save(const QString &key, const QString &value)
    {
        SettingsFile().WriteString(QStringLiteral("Windows"), key, value);
    }
};

TEST_F(FormTest, WithoutPlacementTheFormOpensCentred)
{
    TTestForm form;
    EXPECT_FALSE(form.PlacementRestored());
    form.show();
    EXPECT_EQ(form.pos(), QPoint((screenRect().width() - 300) / 2, (screenRect().height() - 200) / 2));
}

TEST_F(FormTest, SavedPlacementIsRestored)
{
    save(QStringLiteral("TTestForm"), QStringLiteral("100,50,320,240,0"));
    TTestForm form;
    EXPECT_TRUE(form.PlacementRestored());
    form.show();
    EXPECT_EQ(form.pos(), QPoint(100, 50));
    EXPECT_EQ(form.size(), QSize(320, 240));
}

TEST_F(FormTest, OffScreenPlacementIsCorrected)
{
    const QRect screen = screenRect();
    struct Case
    {
        QString value;
        QPoint expected;
    } cases[] = {
        // 10 pixels of the form stay on the screen.
        {QStringLiteral("3000,40,320,240,0"), QPoint(screen.width() - 10, 40)},
        {QStringLiteral("60,-500,320,240,0"), QPoint(60, 0)},
        {QStringLiteral("-900,40,320,240,0"), QPoint(0, 40)},
        // A top in the lowest 30 pixels: centred.
        {QStringLiteral("60,%1,320,240,0").arg(screen.height() - 20),
         QPoint((screen.width() - 320) / 2, (screen.height() - 240) / 2)},
    };
    for (const Case &c : cases) {
        save(QStringLiteral("TTestForm"), c.value);
        TTestForm form;
        EXPECT_EQ(form.pos(), c.expected) << c.value.toStdString();
    }
}

TEST_F(FormTest, MalformedPlacementOpensCentred)
{
    save(QStringLiteral("TTestForm"), QStringLiteral("100,50,320"));
    TTestForm form;
    EXPECT_FALSE(form.PlacementRestored());
    form.show();
    EXPECT_EQ(form.pos(), QPoint((screenRect().width() - 300) / 2, (screenRect().height() - 200) / 2));
}

TEST_F(FormTest, FixedSizeDialogKeepsItsDesignedSize)
{
    save(QStringLiteral("TTestForm"), QStringLiteral("30,40,640,480,0"));
    TTestForm form(true);
    EXPECT_FALSE(form.IsSizeable());
    EXPECT_TRUE(form.PlacementRestored());
    EXPECT_EQ(form.pos(), QPoint(30, 40));
    EXPECT_EQ(form.size(), QSize(250, 150));
}

TEST_F(FormTest, PlacementIsSavedWhenTheFormGoes)
{
    {
        TTestForm form;
        form.show();
        form.move(140, 90);
        form.resize(330, 210);
    }
    EXPECT_EQ(saved(QStringLiteral("TTestForm")), QStringLiteral("140,90,330,210,0"));
}

TEST_F(FormTest, FormNeverShownSavesNothing)
{
    {
        TTestForm form;
    }
    EXPECT_EQ(saved(QStringLiteral("TTestForm")), QString());
}

TEST_F(FormTest, MaximisedWindowSavesItsNormalBoundsAndComesBackMaximised)
{
    {
        TTestForm form;
        form.show();
        form.move(140, 90);
        form.resize(330, 210);
        form.showMaximized();
        QTest::qWait(20);
        ASSERT_TRUE(form.isMaximized());
    }
    EXPECT_EQ(saved(QStringLiteral("TTestForm")), QStringLiteral("140,90,330,210,2"));

    TTestForm again;
    again.show();
    QTest::qWait(20);
    EXPECT_TRUE(again.isMaximized());
    again.showNormal();
    QTest::qWait(20);
    EXPECT_EQ(again.pos(), QPoint(140, 90));
    EXPECT_EQ(again.size(), QSize(330, 210));
}

TEST_F(FormTest, DesignCanTurnSnappingAndSavingOff)
{
    TNoSnapForm form;
    EXPECT_FALSE(form.SnapAtScreenBorder());
    EXPECT_FALSE(form.AutoSave());
    form.show();
    form.move(workArea().left() + 5, 300);
    EXPECT_EQ(form.pos().x(), workArea().left() + 5);
}

TEST_F(FormTest, MovedFormSnapsToTheWorkAreaEdges)
{
    const QRect area = workArea();
    TTestForm form;
    form.show();
    // Edges are those of the window's frame.
    const QSize frame = form.frameGeometry().size();
    struct Case
    {
        QPoint moveTo;
        QPoint expected;
    } cases[] = {
        {QPoint(area.left() + 15, 200), QPoint(area.left(), 200)},
        {QPoint(area.left() + 25, 200), QPoint(area.left() + 25, 200)},
        {QPoint(200, area.top() + 19), QPoint(200, area.top())},
        // Right and bottom edges within 20 pixels of the work area's edges.
        {QPoint(area.right() + 1 - frame.width() - 12, 150), QPoint(area.right() + 1 - frame.width(), 150)},
        {QPoint(150, area.bottom() + 1 - frame.height() - 19), QPoint(150, area.bottom() + 1 - frame.height())},
        {QPoint(150, area.bottom() + 1 - frame.height() - 25), QPoint(150, area.bottom() + 1 - frame.height() - 25)},
    };
    for (const Case &c : cases) {
        form.move(c.moveTo);
        EXPECT_EQ(form.pos(), c.expected) << c.moveTo.x() << "," << c.moveTo.y();
    }
}

TEST_F(FormTest, AlwaysInScreenPullsTheFormBack)
{
    const QRect area = workArea();
    TTestForm form;
    form.SetAlwaysInScreen(true);
    form.SetSnapAtScreenBorder(false);
    form.show();
    form.move(area.right() - 100, 100);
    EXPECT_EQ(form.pos(), QPoint(area.right() + 1 - form.frameGeometry().width(), 100));
    form.move(-50, -60);
    EXPECT_EQ(form.pos(), area.topLeft());
}

TEST_F(FormTest, ClickOnALabelFocusesItsControl)
{
    TTestForm form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.ui.EdtOther->setFocus();
    ASSERT_TRUE(form.ui.EdtOther->hasFocus());
    QTest::mouseClick(form.ui.Label1, Qt::LeftButton);
    EXPECT_TRUE(form.ui.EdtName->hasFocus());
}

TEST_F(FormTest, SaveAndLoadControlsByTag)
{
    TTestForm form;
    auto *first = new StoredEdit(QStringLiteral("EdtFirst"), 1, &form);
    auto *second = new StoredEdit(QStringLiteral("EdtSecond"), 2, &form);
    first->setText(QStringLiteral("one"));
    second->setText(QStringLiteral("two"));
    form.SaveControls(SettingsFile(), QStringLiteral("Dialog"), 1);
    EXPECT_EQ(SettingsFile().ReadString(QStringLiteral("Dialog"), QStringLiteral("EdtFirst"), QString()),
              QStringLiteral("one"));
    EXPECT_FALSE(SettingsFile().ValueExists(QStringLiteral("Dialog"), QStringLiteral("EdtSecond")));

    first->setText(QStringLiteral("changed"));
    second->setText(QStringLiteral("kept"));
    SettingsFile().WriteString(QStringLiteral("Dialog"), QStringLiteral("EdtSecond"), QStringLiteral("stored"));
    form.LoadControls(SettingsFile(), QStringLiteral("Dialog"), 1);
    EXPECT_EQ(first->text(), QStringLiteral("one"));
    EXPECT_EQ(second->text(), QStringLiteral("kept"));
}

TEST_F(FormTest, LoadedFormIsTranslatedAndGetsAccelerators)
{
    FreeLanguage();
    Language().LoadFromStrings({QStringLiteral("[G]"), QStringLiteral("[TTestForm]"), QStringLiteral("Test form"),
                                QStringLiteral(".@Label1"), QStringLiteral("Name (EN):")});
    TTestForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Test form"));
    QString label = form.ui.Label1->text();
    EXPECT_TRUE(label.contains(QLatin1Char('&'))) << label.toStdString();
    EXPECT_EQ(label.remove(QLatin1Char('&')), QStringLiteral("Name (EN):"));
    FreeLanguage();

    TNoSnapForm untranslated;
    EXPECT_EQ(untranslated.windowTitle(), QString());
}

TEST_F(FormTest, F1OpensTheHelpFileAtTheFocusedControlsTopic)
{
    THelpForm form;
    form.SetHelpContext(7);
    form.ui.EdtName->setProperty("HelpContext", 120);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    // No help file: nothing opens.
    FreeLanguage();
    form.ui.EdtName->setFocus();
    QTest::keyClick(form.ui.EdtName, Qt::Key_F1);
    EXPECT_TRUE(form.opened.isEmpty());

    const QString helpFile = Language().HelpFileName(DefaultLanguage);
    writeBytes(helpFile, "help");
    Language().SetHelpLanguage(DefaultLanguage);
    ASSERT_EQ(ApplicationHelpFile(), helpFile);
    QTest::keyClick(form.ui.EdtName, Qt::Key_F1);
    form.ui.EdtOther->setFocus();
    QTest::keyClick(form.ui.EdtOther, Qt::Key_F1);
    FreeLanguage();
    ASSERT_EQ(form.opened.size(), 2);
    EXPECT_EQ(form.opened.at(0), qMakePair(helpFile, 120));
    // A control without a topic of its own asks for the form's.
    EXPECT_EQ(form.opened.at(1), qMakePair(helpFile, 7));
}

// Answers the next message box with the given button and records what it showed.
struct BoxAnswer
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

BoxAnswer answerNextBox(QMessageBox::StandardButton answer, const std::function<void()> &open)
{
    BoxAnswer seen;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        box->button(answer)->click();
    });
    open();
    return seen;
}

TEST_F(FormTest, AskYesNo)
{
    TTrvApplication::SetTitle(QStringLiteral("Mirevo 2006"));
    bool result = false;
    BoxAnswer seen = answerNextBox(QMessageBox::Yes, [&] { result = AskYesNo(QStringLiteral("Delete?")); });
    EXPECT_TRUE(result);
    EXPECT_EQ(seen.title, QStringLiteral("Mirevo 2006"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    answerNextBox(QMessageBox::No, [&] { result = AskYesNo(QStringLiteral("Delete?")); });
    EXPECT_FALSE(result);
}

TEST_F(FormTest, ShowMessageBox)
{
    TTrvApplication::SetTitle(QStringLiteral("Mirevo 2006"));
    bool result = false;
    BoxAnswer seen = answerNextBox(QMessageBox::Ok, [&] { result = ShowMessageBox(QStringLiteral("Done."), false, false); });
    EXPECT_TRUE(result);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    seen = answerNextBox(QMessageBox::Cancel, [&] { result = ShowMessageBox(QStringLiteral("Careful!"), true, true); });
    EXPECT_FALSE(result);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(seen.title, QStringLiteral("Mirevo 2006"));

    answerNextBox(QMessageBox::Ok, [&] { result = ShowMessageBox(QStringLiteral("Careful!"), true, true); });
    EXPECT_TRUE(result);
}

} // namespace

#include "form_test.moc"
