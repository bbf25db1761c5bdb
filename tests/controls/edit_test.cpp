#include "controls/edit.h"
#include "controls/lookup.h"
#include "qstringprint.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A shown, active form with the field under test and a second field to move the focus to.
class EditForm : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&form);
        edit = new TTrvEdit(&form);
        edit->setObjectName(QStringLiteral("edtTest"));
        other = new TTrvEdit(&form);
        other->setObjectName(QStringLiteral("edtOther"));
        layout->addWidget(edit);
        layout->addWidget(other);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        edit->setFocus();
    }

    // A chrono field with default options and an empty time, the caret at the start.
    void makeChron()
    {
        edit->SetEditType(etChron);
        edit->SetText(QStringLiteral("  :  .  "));
        edit->setCursorPosition(0);
    }

    void type(const QString &keys) { QTest::keyClicks(edit, keys); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(edit, k, mods); }
    // Moves the focus to the other field, which runs the exit check.
    void leave()
    {
        other->setFocus();
        QApplication::processEvents();
    }

    QWidget form;
    TTrvEdit *edit = nullptr;
    TTrvEdit *other = nullptr;
};

TEST_F(EditForm, EmptyChronFieldShowsMaskAndReadsZero)
{
    makeChron();
    EXPECT_EQ(edit->Mask(), QStringLiteral("@#:##.#@"));
    EXPECT_EQ(edit->text(), QStringLiteral("__:__.__"));
    EXPECT_EQ(edit->Text(), QStringLiteral("  :  .  "));
    EXPECT_EQ(edit->AsChron(), 0);
}

TEST_F(EditForm, TypingSixDigitsFillsTheChronField)
{
    makeChron();
    type(QStringLiteral("123456"));
    EXPECT_EQ(edit->text(), QStringLiteral("12:34.56"));
    EXPECT_EQ(edit->cursorPosition(), 8);
    EXPECT_EQ(edit->AsChron(), 12 * 600000 + 34 * 10000 + 5 * 1000 + 6 * 10);
    type(QStringLiteral("7")); // refused with a beep
    EXPECT_EQ(edit->text(), QStringLiteral("12:34.56"));
}

TEST_F(EditForm, ColonJumpsToTheSeconds)
{
    makeChron();
    type(QStringLiteral("1:"));
    EXPECT_EQ(edit->text(), QStringLiteral("1_:__.__"));
    EXPECT_EQ(edit->cursorPosition(), 3);
    EXPECT_EQ(edit->AsChron(), StrToChron(QStringLiteral("1 :  .  ")));
    type(QStringLiteral("234"));
    EXPECT_EQ(edit->text(), QStringLiteral("1_:23.4_"));
}

// The caret has jumped over the "." already: typing it as well changes nothing, and the time typed as
// written reads as that time.
TEST_F(EditForm, FullStopBehindTheStopChangesNothing)
{
    makeChron();
    type(QStringLiteral("1234"));
    ASSERT_EQ(edit->cursorPosition(), 6);
    type(QStringLiteral("."));
    EXPECT_EQ(edit->text(), QStringLiteral("12:34.__"));
    EXPECT_EQ(edit->cursorPosition(), 6);
    type(QStringLiteral("56"));
    EXPECT_EQ(edit->AsChron(), 7545060);
}

TEST_F(EditForm, BackspaceRunsAndLiterals)
{
    struct Case {
        int caret;
        int backspaces;
        const char *text;
        int caretAfter;
    } cases[] = {
        {4, 1, "12:4_.56", 3}, // seconds shift within their run; the tenths stay
        {3, 1, "12:34.56", 2}, // right behind ":" only the caret moves
        {8, 1, "12:34.5_", 7},
        {8, 3, "12:34.__", 5},
        {0, 1, "12:34.56", 0},
    };
    for (const Case &c : cases) {
        makeChron();
        edit->SetAsChron(12 * 600000 + 34 * 10000 + 5 * 1000 + 6 * 10);
        edit->setCursorPosition(c.caret);
        for (int i = 0; i < c.backspaces; ++i)
            key(Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.text)) << "caret " << c.caret;
        EXPECT_EQ(edit->cursorPosition(), c.caretAfter) << "caret " << c.caret;
    }
}

TEST_F(EditForm, DeleteAndSelection)
{
    makeChron();
    edit->SetAsChron(12 * 600000 + 34 * 10000 + 5 * 1000 + 6 * 10);
    edit->setSelection(3, 2);
    type(QStringLiteral("9"));
    EXPECT_EQ(edit->text(), QStringLiteral("12:9_.56"));
    EXPECT_EQ(edit->cursorPosition(), 4);

    edit->setSelection(0, 8);
    key(Qt::Key_Delete);
    EXPECT_EQ(edit->text(), QStringLiteral("__:__.__"));
    EXPECT_EQ(edit->cursorPosition(), 0);
}

TEST_F(EditForm, NOrTWritesNoTime)
{
    for (const char *letter : {"n", "T"}) {
        makeChron();
        type(QStringLiteral("12"));
        type(QString::fromUtf8(letter));
        EXPECT_EQ(edit->text(), QStringLiteral("__:NT.__")) << letter;
        EXPECT_EQ(edit->AsChron(), ChronNoTime);
        edit->setCursorPosition(6);
        type(QStringLiteral("5"));
        EXPECT_EQ(edit->text(), QStringLiteral("__:NT.5_"));
        EXPECT_EQ(edit->AsChron(), ChronNoTime);
    }
}

TEST_F(EditForm, TenMinutesSwitchesOnTheTensDigit)
{
    edit->SetEditType(etChron);
    edit->SetOptions(TEditOptions(eoSaveMaskChars | eoZeroAsBlanks));
    EXPECT_EQ(edit->Mask(), QStringLiteral(" #:##.#@"));
    edit->SetAsChron(5 * 600000);
    EXPECT_FALSE(edit->Options() & eoAllowZMinuten);
    edit->SetAsChron(12 * 600000 + 3 * 10000);
    EXPECT_TRUE(edit->Options() & eoAllowZMinuten);
    EXPECT_EQ(edit->Mask(), QStringLiteral("@#:##.#@"));
    EXPECT_EQ(edit->text(), QStringLiteral("12:03.00"));
    edit->SetAsChron(600000);
    EXPECT_TRUE(edit->Options() & eoAllowZMinuten); // never switched off again
    EXPECT_EQ(edit->text(), QStringLiteral("_1:00.00"));
}

TEST_F(EditForm, ZeroOrNegativeChronEmptiesTheField)
{
    makeChron();
    for (TChron value : {0, -5}) {
        edit->SetAsChron(10000);
        EXPECT_EQ(edit->text(), QStringLiteral("__:01.00"));
        edit->SetAsChron(value);
        EXPECT_EQ(edit->text(), QStringLiteral("__:__.__"));
        EXPECT_EQ(edit->AsChron(), 0);
    }
}

TEST_F(EditForm, LeavingRendersAPartlyTypedTime)
{
    makeChron();
    type(QStringLiteral("1:5"));
    EXPECT_EQ(edit->text(), QStringLiteral("1_:5_.__"));
    leave();
    EXPECT_EQ(edit->AsChron(), StrToChron(QStringLiteral("1 :5 .  ")));
    EXPECT_EQ(edit->text(), ApplyMask(ChronToStr(edit->AsChron(), false), edit->Mask()));
}

TEST_F(EditForm, ChronPoolLetter)
{
    edit->SetEditType(etChron);
    edit->SetOptions(DefaultEditOptions | eoHasChronPool);
    EXPECT_EQ(edit->Mask(), QStringLiteral("@#:##.#@ $"));
    edit->SetAsChron(23 * 10000 + 4 * 1000 + 5 * 10);
    edit->SetChronPool(2);
    EXPECT_EQ(edit->text(), QStringLiteral("__:23.45 L"));
    EXPECT_EQ(edit->ChronPool(), 2);
    // Writing the time keeps the course letter.
    edit->SetAsChron(600000);
    EXPECT_EQ(edit->ChronPool(), 2);
    EXPECT_EQ(edit->text(), QStringLiteral("_1:00.00 L"));
    // Letters are upper case; "s" is taken at the course position.
    edit->setCursorPosition(9);
    type(QStringLiteral("s"));
    EXPECT_EQ(edit->ChronPool(), 1);
    EXPECT_EQ(edit->AsIniText(), QString::number(600000));
}

TEST_F(EditForm, IntegerFieldsClampOnExit)
{
    struct Case {
        int32_t min, max;
        const char *typed;
        const char *shown;
    } cases[] = {
        {1, 99, "", "1"},     {1, 99, "150", "99"}, {1, 99, "abc", "1"}, {1, 99, "42", "42"},
        {0, 1100, "2000", "1100"}, {0, 1100, "", ""}, {0, 1100, "-5", "-5"}, {-1, 1000, "-7", "-1"},
        {0, 0, "abc", "abc"},
    };
    edit->SetEditType(etInteger);
    for (const Case &c : cases) {
        edit->SetMinValue(c.min);
        edit->SetMaxValue(c.max);
        edit->setFocus();
        edit->SetText(QString());
        type(QString::fromUtf8(c.typed));
        leave();
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown)) << c.min << ".." << c.max << " typed " << c.typed;
    }
}

TEST_F(EditForm, IntegerAndFloatAccessors)
{
    edit->SetEditType(etInteger);
    edit->SetAsInteger(0);
    EXPECT_EQ(edit->text(), QString());
    edit->SetOptions(TEditOptions(eoSaveMaskChars));
    edit->SetAsInteger(0);
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    edit->SetText(QStringLiteral(" 17 "));
    EXPECT_EQ(edit->AsInteger(), 17);

    edit->SetEditType(etFloat);
    edit->SetOptions(DefaultEditOptions);
    edit->SetPrecision(2);
    edit->SetAsFloat(1.5L);
    EXPECT_EQ(edit->text(), QStringLiteral("1.5"));
    edit->SetAsFloat(2.345L);
    EXPECT_EQ(edit->text(), QStringLiteral("2.35"));
    EXPECT_EQ(edit->AsIniText(), QStringLiteral("2.35"));
    edit->SetAsFloat(0);
    EXPECT_EQ(edit->text(), QString());
    edit->SetPrecision(0);
    edit->SetAsFloat(2.5L);
    EXPECT_EQ(edit->text(), QStringLiteral("3"));
    edit->SetAsIniText(QStringLiteral("0.25"));
    EXPECT_EQ(edit->AsFloat(), 0.0L); // precision 0 writes whole numbers
    edit->SetPrecision(3);
    edit->SetAsIniText(QStringLiteral("0.25"));
    EXPECT_EQ(edit->text(), QStringLiteral("0.25"));
    EXPECT_EQ(edit->AsIniText(), QStringLiteral(".25"));
    edit->SetAsIniText(QStringLiteral("x"));
    EXPECT_EQ(edit->text(), QString());
    // Bounds clamp floats too.
    edit->SetMinValue(1);
    edit->SetMaxValue(10);
    edit->SetText(QStringLiteral("12.5"));
    EXPECT_EQ(edit->AsFloat(), 10.0L);
    EXPECT_EQ(edit->text(), QStringLiteral("10"));
}

TEST_F(EditForm, TimeField)
{
    edit->SetEditType(etTime);
    EXPECT_EQ(edit->Mask(), QStringLiteral("##:##"));
    edit->SetText(QStringLiteral("  :  "));
    EXPECT_EQ(edit->text(), QStringLiteral("__:__"));
    EXPECT_EQ(edit->Text(), QString());
    EXPECT_EQ(edit->AsDateTime(), 0.0);
    edit->setCursorPosition(0);
    type(QStringLiteral("1405"));
    EXPECT_EQ(edit->text(), QStringLiteral("14:05"));
    EXPECT_EQ(edit->AsIniText(), QStringLiteral("1405"));
    edit->SetAsIniText(QStringLiteral("0930"));
    EXPECT_EQ(edit->text(), QStringLiteral("09:30"));
    edit->SetAsIniText(QStringLiteral("2561"));
    EXPECT_EQ(edit->text(), QStringLiteral("__:__"));
    edit->SetAsDateTime(0);
    EXPECT_EQ(edit->Text(), QString());
}

TEST_F(EditForm, DateField)
{
    edit->SetEditType(etDate);
    // The test locale is en_US: M/d/yy gives mm/dd/yyyy.
    EXPECT_EQ(edit->Mask(), QStringLiteral("##/##/####"));
    EXPECT_EQ(edit->Text(), QString());
    edit->SetAsIniText(QStringLiteral("20050203"));
    EXPECT_EQ(edit->text(), QStringLiteral("02/03/2005"));
    EXPECT_EQ(edit->AsIniText(), QStringLiteral("20050203"));
    edit->SetAsIniText(QStringLiteral("20051340"));
    EXPECT_EQ(edit->text(), QStringLiteral("__/__/____"));
    EXPECT_EQ(edit->AsDateTime(), 0.0);
    // Dates past 2099 are clamped.
    edit->setCursorPosition(0);
    type(QStringLiteral("01012150"));
    EXPECT_EQ(edit->AsDateTime(), MaxFieldDate);
}

TEST_F(EditForm, ValidateVetoKeepsTheFocus)
{
    edit->SetEditType(etInteger);
    bool allow = false;
    QObject::connect(edit, &TTrvEdit::OnValidate, edit, [&allow](TTrvEdit *, bool, bool *canExit) { *canExit = allow; });
    QSignalSpy exits(edit, &TTrvEdit::OnExit);
    leave();
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(exits.count(), 0);
    allow = true;
    leave();
    EXPECT_TRUE(other->hasFocus());
    EXPECT_FALSE(edit->Focused());
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(EditForm, DelayedChangeFiresWhenQuietOrOnExit)
{
    QSignalSpy changes(edit, &TTrvEdit::OnChange);
    QSignalSpy delayed(edit, &TTrvEdit::OnDelayChange);
    edit->SetDelayInterval(30);
    type(QStringLiteral("ab"));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(delayed.count(), 0);
    EXPECT_TRUE(delayed.wait(1000));
    EXPECT_EQ(delayed.count(), 1);

    edit->SetDelayInterval(60000);
    type(QStringLiteral("c"));
    EXPECT_TRUE(edit->DelayTimer()->isActive());
    leave();
    EXPECT_EQ(delayed.count(), 2);
    EXPECT_FALSE(edit->DelayTimer()->isActive());
}

TEST_F(EditForm, ColoursFollowTheState)
{
    TColors colors;
    colors.NormalBG = Qt::white;
    colors.FocusedBG = Qt::yellow;
    colors.ReadOnlyBG = Qt::lightGray;
    colors.DisabledBG = Qt::darkGray;
    colors.ReadOnlyText = Qt::blue;
    edit->SetColors(colors);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(Qt::yellow)); // it has the focus
    leave();
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(Qt::white));
    edit->SetReadOnly(true);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(Qt::lightGray));
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::blue));
    edit->QWidget::setEnabled(false);
    EXPECT_EQ(edit->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::darkGray));
}

TEST_F(EditForm, ReadOnlyKeepsTheTabStop)
{
    EXPECT_TRUE(edit->TabStop());
    edit->SetReadOnly(true);
    EXPECT_FALSE(edit->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(edit->TabStop());
    edit->SetTabStop(false);
    edit->SetReadOnly(false);
    EXPECT_FALSE(edit->TabStop());
    EXPECT_EQ(edit->focusPolicy(), Qt::ClickFocus);
    edit->SetTabStop(true);
    EXPECT_EQ(edit->focusPolicy(), Qt::StrongFocus);
}

TEST_F(EditForm, ReadOnlyMaskedFieldTakesNoKeys)
{
    makeChron();
    edit->SetAsChron(12 * 600000 + 34 * 10000 + 5 * 1000 + 6 * 10);
    edit->SetReadOnly(true);
    edit->setCursorPosition(0);
    QApplication::clipboard()->setText(QStringLiteral("99:99.99"));
    type(QStringLiteral("7n"));
    key(Qt::Key_Backspace);
    key(Qt::Key_Delete);
    key(Qt::Key_Insert, Qt::ShiftModifier);
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("12:34.56"));
}

TEST_F(EditForm, ClipboardKeysInAMaskedField)
{
    makeChron();
    QApplication::clipboard()->setText(QStringLiteral("12:34.56"));
    edit->selectAll();
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("12:34.56"));

    // Ctrl+X cuts: the selection goes to the clipboard and its positions are blanked.
    edit->setSelection(3, 2);
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("34"));
    EXPECT_EQ(edit->text(), QStringLiteral("12:__.56"));

    // Ctrl+V pastes; a paste that does not fit the layout is only re-validated, not re-aligned.
    QApplication::clipboard()->setText(QStringLiteral("ab"));
    edit->setCursorPosition(0);
    key(Qt::Key_V, Qt::ControlModifier);
    // "ab12:__.56" checked position by position.
    EXPECT_EQ(edit->text(), QStringLiteral("a_:2_._."));
}

TEST_F(EditForm, TextWithoutSavedMaskCharacters)
{
    edit->SetEditMask(QStringLiteral("$$-###"));
    edit->SetOptions(TEditOptions());
    edit->SetText(QStringLiteral("AB123"));
    EXPECT_EQ(edit->text(), QStringLiteral("AB-123"));
    EXPECT_EQ(edit->Text(), QStringLiteral("AB123"));
    edit->SetOptions(TEditOptions(eoSaveMaskChars));
    edit->SetText(QStringLiteral("CD-4"));
    EXPECT_EQ(edit->text(), QStringLiteral("CD-4__"));
    EXPECT_EQ(edit->Text(), QStringLiteral("CD-4  "));
    edit->SetOptions(TEditOptions(eoSaveMaskChars | eoTrimStrings));
    EXPECT_EQ(edit->Text(), QStringLiteral("CD-4"));
    // Precision builds the mask from the type again, which has none for strings.
    edit->SetPrecision(2);
    EXPECT_EQ(edit->Mask(), QString());
    EXPECT_EQ(edit->EditMask(), QString());
}

TEST_F(EditForm, EditTypeChangeResetsBoundsAndOptions)
{
    edit->SetEditType(etInteger);
    edit->SetMinValue(1);
    edit->SetMaxValue(99);
    edit->SetOptions(DefaultEditOptions | eoHasUpDown);
    EXPECT_TRUE(edit->Options() & eoHasUpDown);
    edit->SetEditType(etChron);
    EXPECT_EQ(edit->MinValue(), 0);
    EXPECT_EQ(edit->MaxValue(), 0);
    EXPECT_FALSE(edit->Options() & eoHasUpDown);
    edit->SetMinValue(5); // only for number fields
    EXPECT_EQ(edit->MinValue(), 0);
    EXPECT_EQ(edit->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    EXPECT_GE(edit->sizeHint().width(), 50);
}

// A popup list that records what the lookup asked of it and closes on request.
class RecordingPopup : public ITrvLookupPopup
{
public:
    static inline QStringList filled;
    static inline QString selected;
    static inline std::function<void()> close;
    static inline QString result;

    void Fill(const QStringList &entries, const QString &) override { filled = entries; }
    void Select(const QString &text) override { selected = text; }
    QString Result() const override { return result; }
    void ShowAt(const QPoint &, std::function<void()> onClose) override { close = std::move(onClose); }
};

TEST_F(EditForm, LookupButtonLabelAndPopup)
{
    TTrvAbstractLookup *lookup = edit->Lookup();
    EXPECT_EQ(lookup->PopupButton(), nullptr);
    lookup->SetShowDispLabel(true);
    lookup->SetEntries({QStringLiteral("M=Men"), QStringLiteral("W=Women")});
    ASSERT_NE(lookup->PopupButton(), nullptr);
    ASSERT_NE(lookup->DispLabel(), nullptr);
    QApplication::processEvents();
    EXPECT_EQ(lookup->PopupButton()->x(), edit->geometry().right() + 1);
    EXPECT_EQ(lookup->PopupButton()->height(), edit->height() - 2);
    EXPECT_EQ(lookup->DispLabel()->x(), edit->geometry().right() + 1 + lookup->PopupButton()->width() + 5);

    edit->SetText(QStringLiteral("W"));
    EXPECT_EQ(lookup->DispLabel()->text(), QStringLiteral("Women"));
    EXPECT_TRUE(lookup->CheckKey());
    edit->SetText(QStringLiteral("X"));
    EXPECT_FALSE(lookup->CheckKey());
    EXPECT_EQ(lookup->DispLabel()->text(), QString());

    // The button follows the field's read-only state.
    edit->SetReadOnly(true);
    EXPECT_FALSE(lookup->PopupButton()->isEnabled());
    edit->SetReadOnly(false);
    EXPECT_TRUE(lookup->PopupButton()->isEnabled());

    // F2 without a popup list: BeforeLookup, then AfterLookup at once.
    QSignalSpy before(lookup, &TTrvAbstractLookup::BeforeLookup);
    QSignalSpy after(lookup, &TTrvAbstractLookup::AfterLookup);
    SetLookupPopupFactory({});
    key(Qt::Key_F2);
    EXPECT_EQ(before.count(), 1);
    EXPECT_EQ(after.count(), 1);

    // With a popup list: filled, given the text, and its result written back when it closes.
    SetLookupPopupFactory([](bool, QWidget *) { return std::make_unique<RecordingPopup>(); });
    edit->SetText(QStringLiteral("M"));
    key(Qt::Key_F2);
    EXPECT_EQ(RecordingPopup::filled, lookup->Entries());
    EXPECT_EQ(RecordingPopup::selected, QStringLiteral("M"));
    EXPECT_EQ(after.count(), 1);
    RecordingPopup::result = QStringLiteral("W");
    RecordingPopup::close();
    EXPECT_EQ(edit->Text(), QStringLiteral("W"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("W"));
    EXPECT_EQ(after.count(), 2);

    // BeforeLookup may suppress the popup.
    RecordingPopup::filled.clear();
    QObject::connect(lookup, &TTrvAbstractLookup::BeforeLookup, lookup,
                     [](TTrvEdit *, bool keyFound, bool *show) { *show = !keyFound; });
    key(Qt::Key_F2);
    EXPECT_TRUE(RecordingPopup::filled.isEmpty());
    EXPECT_EQ(after.count(), 3);
    SetLookupPopupFactory({});

    lookup->SetEntries({});
    EXPECT_EQ(lookup->PopupButton(), nullptr);
}

TEST(EditLookup, ControlsFollowTheFieldToItsParent)
{
    // Made before it has a parent, as a layout-built form does.
    auto *edit = new TTrvEdit;
    edit->Lookup()->SetShowDispLabel(true);
    edit->Lookup()->SetEntries({QStringLiteral("M=Men")});
    edit->SetText(QStringLiteral("M"));
    EXPECT_EQ(edit->Lookup()->PopupButton(), nullptr);

    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    layout->addWidget(edit);
    ASSERT_NE(edit->Lookup()->PopupButton(), nullptr);
    EXPECT_EQ(edit->Lookup()->PopupButton()->parentWidget(), &form);
    EXPECT_EQ(edit->Lookup()->DispLabel()->text(), QStringLiteral("Men"));
    form.show();
    EXPECT_TRUE(edit->Lookup()->PopupButton()->isVisible());
    EXPECT_TRUE(edit->Lookup()->DispLabel()->isVisible());
    edit->hide();
    EXPECT_FALSE(edit->Lookup()->PopupButton()->isVisible());

    QPointer<QToolButton> button = edit->Lookup()->PopupButton();
    delete edit;
    EXPECT_TRUE(button.isNull());
}

} // namespace
