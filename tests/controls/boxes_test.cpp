#include "base/assertion.h"
#include "base/lookupitems.h"
#include "controls/combobox.h"
#include "controls/fontcombobox.h"
#include "controls/memo.h"
#include "qstringprint.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

class ComboForm : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&form);
        before = new QLineEdit(&form);
        combo = new TTrvComboBox(&form);
        after = new QLineEdit(&form);
        layout->addWidget(before);
        layout->addWidget(combo);
        layout->addWidget(after);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QWidget form;
    QLineEdit *before = nullptr;
    TTrvComboBox *combo = nullptr;
    QLineEdit *after = nullptr;
};

TEST_F(ComboForm, ReadOnlyRoundTripKeepsTheList)
{
    combo->SetStyle(TTrvComboBox::csDropDownList);
    combo->SetItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    combo->SetSelectedIndex(1);

    combo->SetReadOnly(true);
    EXPECT_EQ(combo->currentText(), QStringLiteral("B"));
    EXPECT_EQ(combo->count(), 0); // nothing to drop down
    EXPECT_TRUE(combo->lineEdit()->isReadOnly());
    EXPECT_EQ(combo->Items(), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(combo->SelectedIndex(), 1);
    EXPECT_EQ(combo->Style(), TTrvComboBox::csDropDownList);
    EXPECT_TRUE(combo->TabStop());
    // Tab skips the box.
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    // Typing changes nothing.
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("xyz"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("B"));

    // Selecting while read-only works on the kept list and shows the text.
    combo->SetSelectedIndex(2);
    EXPECT_EQ(combo->currentText(), QStringLiteral("C"));
    combo->SelectKey(0); // the selected entry has the key already
    EXPECT_EQ(combo->SelectedIndex(), 2);
    combo->SetSelectedIndex(-1);
    EXPECT_EQ(combo->currentText(), QString());
    combo->SetSelectedIndex(1);

    combo->SetReadOnly(false);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(combo->currentText(), QStringLiteral("B"));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(combo->hasFocus());
}

TEST_F(ComboForm, KeysAndSelection)
{
    combo->SetStyle(TTrvComboBox::csDropDownList);
    combo->AddKeyed(QStringLiteral("Men"), 1);
    combo->AddKeyed(QStringLiteral("Women"), 2);
    combo->AddKeyed(QStringLiteral("Mixed"), 2);
    EXPECT_EQ(combo->SelectedKey(), 0);
    combo->SelectKey(2);
    EXPECT_EQ(combo->SelectedIndex(), 2); // the later of two entries with the key
    combo->SelectKey(7);
    EXPECT_EQ(combo->SelectedIndex(), -1);
    EXPECT_EQ(combo->SelectedKey(), 0);
    combo->SelectText(QStringLiteral("women"));
    EXPECT_EQ(combo->SelectedIndex(), -1); // case matters
    combo->SelectText(QStringLiteral("Women"));
    EXPECT_EQ(combo->SelectedKey(), 2);
    combo->SetSelectedIndex(9);
    EXPECT_EQ(combo->SelectedIndex(), -1);
    EXPECT_TRUE(combo->SelectFirstIfNone());
    EXPECT_EQ(combo->SelectedIndex(), 0);

    try {
        combo->AddKeyed(QStringLiteral("Bad"), -1);
        ADD_FAILURE() << "a negative key was accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Negative Keys nicht erlaubt!"));
    }
    EXPECT_EQ(combo->ItemCount(), 3);

    combo->ClearItems();
    EXPECT_FALSE(combo->SelectFirstIfNone());
}

TEST_F(ComboForm, FillKeyedKeepsTheSelectionByKey)
{
    combo->SetStyle(TTrvComboBox::csDropDownList);
    BSRef<IBSLookupItems> items = NewLookupItems();
    items->SetTextOf(10, QStringLiteral("FINA 2004"));
    items->SetTextOf(20, QStringLiteral("DSV 2005"));
    items->SetTextOf(30, QStringLiteral("SNC 2005"));
    combo->FillKeyed(*items);
    combo->SelectKey(20);
    ASSERT_EQ(combo->SelectedIndex(), 1);

    items->SortByText(); // DSV, FINA, SNC: key 20 moves to the front
    combo->FillKeyed(*items);
    EXPECT_EQ(combo->SelectedKey(), 20);
    EXPECT_EQ(combo->SelectedIndex(), 0);
    EXPECT_EQ(combo->ItemText(0), QStringLiteral("DSV 2005"));
}

TEST_F(ComboForm, TranslatedTexts)
{
    combo->SetStyle(TTrvComboBox::csDropDownList);
    combo->SetItems({QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")});
    combo->SetSelectedIndex(1);
    combo->setToolTip(QStringLiteral("Hinweis"));
    const QStringList lines = {QStringLiteral("x"), QStringLiteral("."), QStringLiteral("one"), QStringLiteral("two"),
                               QString(), QStringLiteral(".")};
    combo->SetTexts(lines, 1, 5);
    EXPECT_EQ(combo->toolTip(), QStringLiteral("Hinweis"));
    EXPECT_EQ(combo->Items(), QStringList({QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_EQ(combo->SelectedIndex(), 1);
    EXPECT_EQ(combo->GetTexts(), QStringList({QStringLiteral("Hinweis"), QStringLiteral("one"), QStringLiteral("two")}));

    // A hint alone empties the list.
    combo->SetTexts({QStringLiteral("Choose another printer")}, 0, 1);
    EXPECT_EQ(combo->toolTip(), QStringLiteral("Choose another printer"));
    EXPECT_EQ(combo->ItemCount(), 0);
}

TEST_F(ComboForm, ColoursPerState)
{
    TColors colors;
    colors.NormalBG = Qt::white;
    colors.ReadOnlyBG = Qt::lightGray;
    colors.FocusedBG = Qt::yellow;
    colors.DisabledBG = Qt::darkGray;
    combo->SetColors(colors);
    EXPECT_EQ(combo->palette().color(QPalette::Base), QColor(Qt::white));
    combo->setFocus();
    EXPECT_EQ(combo->palette().color(QPalette::Base), QColor(Qt::yellow));
    combo->SetReadOnly(true);
    EXPECT_EQ(combo->palette().color(QPalette::Base), QColor(Qt::lightGray));
    combo->QWidget::setEnabled(false);
    EXPECT_EQ(combo->palette().color(QPalette::Base), QColor(Qt::darkGray));
}

TEST(FontComboBox, ListsFontsByPitchWithoutMarker)
{
    TTrvFontComboBox box;
    box.SetOptions(TTrvFontComboBox::tfcFixedPitch | TTrvFontComboBox::tfcVarPitch);
    ASSERT_GT(box.count(), 0) << "the test machine has no fonts";
    for (int i = 0; i < box.count(); ++i) {
        const QString stored = box.StoredEntry(i);
        ASSERT_TRUE(stored.startsWith(u'T') || stored.startsWith(u'x'));
        EXPECT_EQ(stored.mid(1), box.itemText(i));
    }

    box.SetOptions(TTrvFontComboBox::tfcFixedPitch | TTrvFontComboBox::tfcOnlyTrueType);
    for (int i = 0; i < box.count(); ++i) {
        EXPECT_TRUE(QFontDatabase::isFixedPitch(box.itemText(i))) << box.itemText(i);
        EXPECT_TRUE(box.StoredEntry(i).startsWith(u'T'));
    }
    box.SetOptions(TTrvFontComboBox::tfcVarPitch);
    for (int i = 0; i < box.count(); ++i)
        EXPECT_FALSE(QFontDatabase::isFixedPitch(box.itemText(i))) << box.itemText(i);

    const QString name = box.itemText(box.count() - 1);
    box.SelectFont(name);
    EXPECT_EQ(box.Text(), name);
    // The selection survives a rebuild.
    box.SetDevice(QStringLiteral("Some printer"));
    EXPECT_EQ(box.Text(), name);
    box.SelectFont(QStringLiteral("No such font"));
    EXPECT_EQ(box.Text(), QString());

    box.SetOptions(TTrvFontComboBox::tfcVarPitch | TTrvFontComboBox::tfcFixedPitch);
    box.SetSorted(true);
    for (int i = 1; i < box.count(); ++i)
        EXPECT_LE(box.StoredEntry(i - 1), box.StoredEntry(i));
}

TEST(Memo, NoBlankLinesAndCaretLabel)
{
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *memo = new TTrvMemo(&form);
    auto *label = new QLabel(QStringLiteral("stale"), &form);
    auto *other = new QLineEdit(&form);
    layout->addWidget(memo);
    layout->addWidget(label);
    layout->addWidget(other);
    memo->SetCaretPosControl(label);
    EXPECT_EQ(label->text(), QString());
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    memo->SetNoBlankLines(true);
    memo->SetLines({QStringLiteral("a"), QStringLiteral("b"), QString(), QString()});
    EXPECT_EQ(memo->Lines(), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("a\nb"));
    memo->setFocus();
    memo->moveCursor(QTextCursor::Start);
    QApplication::processEvents();
    EXPECT_EQ(label->text(), QStringLiteral("1/1 - 2"));
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(label->text(), QStringLiteral("4/1 - 2"));
    EXPECT_EQ(memo->Text(), QStringLiteral("a\nb"));

    memo->SetNoBlankLines(false);
    QTest::keyClicks(memo, QStringLiteral("xy"));
    EXPECT_EQ(label->text(), QStringLiteral("4/3 - 4"));
    other->setFocus();
    EXPECT_EQ(label->text(), QString());
}

TEST(Memo, EscapeReachesTheDialog)
{
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *memo = new TTrvMemo(&dialog);
    layout->addWidget(memo);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("text"));
    QTest::keyClick(memo, Qt::Key_Escape);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("text"));
    QApplication::processEvents();
    EXPECT_EQ(rejected.count(), 1);
}

} // namespace
