#include "controls/accelerator.h"
#include "controls/checkbox.h"
#include "controls/pagecontrol.h"
#include "controls/radiobutton.h"
#include "controls/radiogroup.h"
#include "qstringprint.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

void showActive(QWidget &w)
{
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

TEST(ReadOnlyButtons, RadioButtonOverlayKeepsTheCaptionReadable)
{
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *radio = new TTrvRadioButton(QStringLiteral("Enter time:"), &form);
    layout->addWidget(radio);
    radio->setChecked(true);
    showActive(form);

    radio->SetReadOnly(true);
    ASSERT_NE(radio->Overlay(), nullptr);
    EXPECT_FALSE(radio->isEnabled()); // the state shows greyed
    EXPECT_TRUE(radio->isChecked());
    EXPECT_TRUE(radio->Enabled());
    EXPECT_TRUE(radio->Overlay()->isEnabled());
    EXPECT_TRUE(radio->Overlay()->isVisible());
    EXPECT_EQ(radio->Overlay()->text(), QStringLiteral("Enter time:"));
    // The overlay covers the caption, not the indicator.
    EXPECT_GT(radio->Overlay()->x(), radio->x());
    EXPECT_TRUE(radio->geometry().intersects(radio->Overlay()->geometry()));

    radio->SetCaption(QStringLiteral("Zeit:"));
    EXPECT_EQ(radio->Caption(), QStringLiteral("Zeit:"));
    EXPECT_EQ(radio->text(), QStringLiteral("Zeit:"));

    // Hidden or disabled: no overlay.
    radio->SetEnabled(false);
    EXPECT_EQ(radio->Overlay(), nullptr);
    radio->SetEnabled(true);
    EXPECT_NE(radio->Overlay(), nullptr);
    radio->hide();
    EXPECT_EQ(radio->Overlay(), nullptr);
    radio->show();
    EXPECT_NE(radio->Overlay(), nullptr);

    radio->SetReadOnly(false);
    EXPECT_EQ(radio->Overlay(), nullptr);
    EXPECT_TRUE(radio->isEnabled());
    EXPECT_EQ(radio->text(), QStringLiteral("Zeit:"));
}

TEST(ReadOnlyButtons, CheckBoxRefusesClicksWhileReadOnly)
{
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *check = new TTrvCheckBox(QStringLiteral("Portrait"), &form);
    layout->addWidget(check);
    showActive(form);
    QSignalSpy toggles(check, &TTrvCheckBox::OnToggle);

    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(toggles.count(), 1);
    check->setChecked(false); // not the user: no OnToggle
    EXPECT_EQ(toggles.count(), 1);

    check->SetReadOnly(true);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(toggles.count(), 1);

    check->SetTexts({QStringLiteral("Hochformat"), QStringLiteral("Seite hoch")}, 0, 2);
    EXPECT_EQ(check->Caption(), QStringLiteral("Hochformat"));
    EXPECT_EQ(check->Overlay()->text(), QStringLiteral("Hochformat"));
    EXPECT_EQ(check->toolTip(), QStringLiteral("Seite hoch"));
    EXPECT_EQ(check->GetTexts(), QStringList({QStringLiteral("Hochformat"), QStringLiteral("Seite hoch")}));
}

TEST(RadioGroup, ReadOnlyRefusesAClick)
{
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *group = new TTrvRadioGroup(QStringLiteral("Geschlecht"), &form);
    layout->addWidget(group);
    group->SetItems({QStringLiteral("Männer"), QStringLiteral("Frauen")});
    group->SetItemIndex(0);
    showActive(form);
    QSignalSpy clicks(group, &TTrvRadioGroup::OnClick);

    QTest::mouseClick(group->Button(1), Qt::LeftButton, {}, QPoint(5, group->Button(1)->height() / 2));
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(clicks.count(), 1);

    group->SetReadOnly(true);
    ASSERT_EQ(group->Overlays().size(), 2);
    EXPECT_EQ(group->Overlays().at(0)->text(), QStringLiteral("Männer"));
    EXPECT_TRUE(group->isEnabled());
    QTest::mouseClick(group->Button(0), Qt::LeftButton, {}, QPoint(5, group->Button(0)->height() / 2));
    QTest::mouseClick(group->Overlays().at(0), Qt::LeftButton);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_TRUE(group->Button(1)->isChecked());
    EXPECT_EQ(clicks.count(), 1);

    // Writing the items updates the overlays.
    group->SetItems({QStringLiteral("Men"), QStringLiteral("Women")});
    EXPECT_EQ(group->Overlays().at(1)->text(), QStringLiteral("Women"));

    group->SetReadOnly(false);
    EXPECT_TRUE(group->Overlays().isEmpty());
    QTest::mouseClick(group->Button(0), Qt::LeftButton, {}, QPoint(5, group->Button(0)->height() / 2));
    EXPECT_EQ(group->ItemIndex(), 0);
}

TEST(RadioGroup, ColumnsAndTexts)
{
    TTrvRadioGroup group;
    group.SetColumns(2);
    group.SetItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    group.SetItemIndex(2);
    EXPECT_TRUE(group.Button(2)->isChecked());
    group.SetItemIndex(5);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_FALSE(group.Button(2)->isChecked());
    group.SetItemIndex(1);

    // Caption, hint kept, two items, trailing empty lines dropped, the index restored.
    const QStringList lines = {QStringLiteral("Gender"), QStringLiteral("."), QStringLiteral("Men"),
                               QStringLiteral("Women"), QString(), QString()};
    group.setToolTip(QStringLiteral("Wer"));
    group.SetTexts(lines, 0, 6);
    EXPECT_EQ(group.title(), QStringLiteral("Gender"));
    EXPECT_EQ(group.toolTip(), QStringLiteral("Wer"));
    EXPECT_EQ(group.Items(), QStringList({QStringLiteral("Men"), QStringLiteral("Women")}));
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(group.GetTexts(),
              QStringList({QStringLiteral("Gender"), QStringLiteral("Wer"), QStringLiteral("Men"), QStringLiteral("Women")}));
}

TEST(PageControl, BorderAndPageAccelerators)
{
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *pages = new TTrvPageControl(&form);
    layout->addWidget(pages);
    pages->addTab(new QWidget, QStringLiteral("&Margins"));
    pages->addTab(new QWidget, QStringLiteral("&Footer"));
    showActive(form);
    EXPECT_TRUE(pages->HasBorder());
    pages->SetHasBorder(false);
    EXPECT_TRUE(pages->documentMode());

    QSignalSpy changed(pages, &QTabWidget::currentChanged);
    QTest::keyClick(&form, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_EQ(changed.count(), 1);

    pages->SetTexts({QStringLiteral("Ränder"), QStringLiteral("Fuß"), QStringLiteral("extra")}, 0, 3);
    EXPECT_EQ(pages->GetTexts(), QStringList({QStringLiteral("Ränder"), QStringLiteral("Fuß")}));
}

TEST(Accelerators, DefaultAndCancelButtonsAreLeftAlone)
{
    QDialog form;
    auto *layout = new QVBoxLayout(&form);
    auto *calculate = new QPushButton(QStringLiteral("Calculate"), &form);
    calculate->setDefault(true);
    auto *close = new QPushButton(QStringLiteral("Close"), &form);
    close->setProperty("Cancel", true);
    auto *portrait = new TTrvCheckBox(QStringLiteral("Portrait"), &form);
    auto *print = new QPushButton(QStringLiteral("Print"), &form);
    portrait->SetReadOnly(true); // its caption label is not a control of its own
    for (QWidget *w : {static_cast<QWidget *>(calculate), static_cast<QWidget *>(close),
                       static_cast<QWidget *>(portrait), static_cast<QWidget *>(print)})
        layout->addWidget(w);

    AssignAccelerators(&form);
    EXPECT_EQ(calculate->text(), QStringLiteral("Calculate"));
    EXPECT_EQ(close->text(), QStringLiteral("Close"));
    EXPECT_EQ(print->text(), QStringLiteral("&Print"));
    EXPECT_EQ(portrait->Caption(), QStringLiteral("P&ortrait"));
    ASSERT_NE(portrait->Overlay(), nullptr);
    EXPECT_EQ(portrait->Overlay()->text(), QStringLiteral("P&ortrait"));
}

TEST(Accelerators, ExistingLettersLabelsAndButtonBoxes)
{
    QDialog form;
    auto *layout = new QVBoxLayout(&form);
    auto *group = new TTrvRadioGroup(QStringLiteral("Gender"), &form);
    group->SetItems({QStringLiteral("&Men"), QStringLiteral("Mixed")});
    auto *ageLabel = new QLabel(QStringLiteral("Age:"), &form);
    auto *ageEdit = new QLineEdit(&form);
    ageLabel->setBuddy(ageEdit);
    auto *loose = new QLabel(QStringLiteral("Loose"), &form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &form);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Apply"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    for (QWidget *w : {static_cast<QWidget *>(group), static_cast<QWidget *>(ageLabel), static_cast<QWidget *>(ageEdit),
                       static_cast<QWidget *>(loose), static_cast<QWidget *>(buttons)})
        layout->addWidget(w);

    AssignAccelerators(&form, QStringLiteral("a"));
    EXPECT_EQ(group->Items().at(0), QStringLiteral("&Men"));
    EXPECT_EQ(group->Items().at(1), QStringLiteral("M&ixed"));
    EXPECT_EQ(ageLabel->text(), QStringLiteral("A&ge:")); // "A" is reserved
    EXPECT_EQ(loose->text(), QStringLiteral("Loose"));   // no buddy
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("A&pply"));
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));

    // Running again changes nothing.
    AssignAccelerators(&form, QStringLiteral("a"));
    EXPECT_EQ(ageLabel->text(), QStringLiteral("A&ge:"));
    EXPECT_EQ(group->Items().at(1), QStringLiteral("M&ixed"));
}

TEST(Accelerators, TabSheetsAreScopesOfTheirOwn)
{
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto *central = new QWidget;
    window.setCentralWidget(central);
    auto *layout = new QVBoxLayout(central);
    auto *pages = new TTrvPageControl(central);
    layout->addWidget(pages);
    auto *sheet1 = new QWidget;
    auto *sheet2 = new QWidget;
    pages->addTab(sheet1, QStringLiteral("Margins"));
    pages->addTab(sheet2, QStringLiteral("Footer"));
    auto *left1 = new TTrvCheckBox(QStringLiteral("Left"), sheet1);
    auto *left2 = new TTrvCheckBox(QStringLiteral("Left"), sheet2);
    auto *fit = new TTrvCheckBox(QStringLiteral("Fit"), central);
    layout->addWidget(fit);
    // A stacked widget's pages are scopes too.
    auto *stack = new QStackedWidget(central);
    layout->addWidget(stack);
    auto *page = new QWidget;
    stack->addWidget(page);
    auto *onPage = new QPushButton(QStringLiteral("Rechts"), page);

    AssignAccelerators(&window);
    // The tabs choose first, in the form's scope; "F" belongs to the menu.
    EXPECT_EQ(pages->tabText(0), QStringLiteral("&Margins"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("F&ooter"));
    EXPECT_EQ(fit->Caption(), QStringLiteral("F&it"));
    // Controls on different sheets may share a letter.
    EXPECT_EQ(left1->Caption(), QStringLiteral("&Left"));
    EXPECT_EQ(left2->Caption(), QStringLiteral("&Left"));
    EXPECT_EQ(onPage->text(), QStringLiteral("&Rechts"));

    // A letter of the enclosing scope is not used again on a sheet.
    auto *more = new TTrvCheckBox(QStringLiteral("Margin"), sheet1);
    AssignAccelerators(&window);
    EXPECT_EQ(more->Caption(), QStringLiteral("M&argin")); // "M" is the tab's
}

} // namespace
