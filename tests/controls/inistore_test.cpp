#include "base/assertion.h"
#include "controls/checkbox.h"
#include "controls/combobox.h"
#include "controls/edit.h"
#include "controls/listbox.h"
#include "controls/memo.h"
#include "controls/radiobutton.h"
#include "controls/radiogroup.h"
#include "frame/trvinifile.h"
#include "qstringprint.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class IniStore : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString file() const { return dir.path() + QStringLiteral("/mirevo.INI"); }

    template<class W>
    W *make(const QString &name)
    {
        auto *w = new W(&form);
        w->setObjectName(name);
        return w;
    }

    QTemporaryDir dir;
    QWidget form;
};

// An INI class of its own, which a memo does not accept.
class ForeignIniFile : public TTrvIniFile
{
public:
    using TTrvIniFile::TTrvIniFile;
};

TEST_F(IniStore, EditFieldsKeepTheirValueByType)
{
    auto *chron = make<TTrvEdit>(QStringLiteral("edtTime"));
    chron->SetEditType(etChron);
    chron->SetAsChron(12 * 600000 + 34 * 10000 + 5 * 1000 + 6 * 10);
    auto *clock = make<TTrvEdit>(QStringLiteral("edtClock"));
    clock->SetEditType(etTime);
    clock->SetText(QStringLiteral("14:05"));
    auto *date = make<TTrvEdit>(QStringLiteral("edtDate"));
    date->SetEditType(etDate);
    date->SetAsIniText(QStringLiteral("20050203"));
    auto *number = make<TTrvEdit>(QStringLiteral("edtFloat"));
    number->SetEditType(etFloat);
    number->SetPrecision(3);
    number->SetAsFloat(2.125L);
    auto *name = make<TTrvEdit>(QStringLiteral("edtName"));
    name->SetText(QStringLiteral("Anna"));

    {
        TTrvIniFile ini(file());
        for (TTrvEdit *e : {chron, clock, date, number, name})
            e->SaveToIni(ini, QStringLiteral("Calc"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Calc"), QStringLiteral("edtTime"), {}), QStringLiteral("7545060"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Calc"), QStringLiteral("edtClock"), {}), QStringLiteral("1405"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Calc"), QStringLiteral("edtDate"), {}), QStringLiteral("20050203"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Calc"), QStringLiteral("edtFloat"), {}), QStringLiteral("2.125"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Calc"), QStringLiteral("edtName"), {}), QStringLiteral("Anna"));
    }
    for (TTrvEdit *e : {chron, clock, date, number, name})
        e->SetText(QString());

    TTrvIniFile ini(file());
    for (TTrvEdit *e : {chron, clock, date, number, name})
        e->LoadFromIni(ini, QStringLiteral("Calc"));
    EXPECT_EQ(chron->text(), QStringLiteral("12:34.56"));
    EXPECT_EQ(clock->text(), QStringLiteral("14:05"));
    EXPECT_EQ(date->text(), QStringLiteral("02/03/2005"));
    EXPECT_EQ(number->text(), QStringLiteral("2.125"));
    EXPECT_EQ(name->text(), QStringLiteral("Anna"));

    // A missing key keeps the value; an unreadable one empties the field.
    name->LoadFromIni(ini, QStringLiteral("Other"));
    EXPECT_EQ(name->text(), QStringLiteral("Anna"));
    ini.WriteString(QStringLiteral("Calc"), QStringLiteral("edtDate"), QStringLiteral("20051340"));
    date->LoadFromIni(ini, QStringLiteral("Calc"));
    EXPECT_EQ(date->Text(), QString());
}

TEST_F(IniStore, MemoAsMultiLineValue)
{
    auto *memo = make<TTrvMemo>(QStringLiteral("memFooter"));
    memo->SetLines({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    TTrvIniFile ini(file());
    memo->SaveToIni(ini, QStringLiteral("Printer"));
    memo->SetLines({QStringLiteral("only")});
    memo->SaveToIni(ini, QStringLiteral("Printer"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Printer"), QStringLiteral("memFooterXX"), -1), 1);
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Printer"), QStringLiteral("memFooter001")));
    memo->SetLines({QStringLiteral("changed")});
    memo->LoadFromIni(ini, QStringLiteral("Printer"));
    EXPECT_EQ(memo->Lines(), QStringList({QStringLiteral("only")}));

    TTrvMemIniFile memory;
    memo->SaveToIni(memory, QStringLiteral("Printer"));
    EXPECT_EQ(memory.ReadString(QStringLiteral("Printer"), QStringLiteral("memFooter000"), {}), QStringLiteral("only"));

    ForeignIniFile foreign(dir.path() + QStringLiteral("/foreign.ini"));
    try {
        memo->SaveToIni(foreign, QStringLiteral("Printer"));
        ADD_FAILURE() << "a foreign INI class was accepted";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid INI file class!"));
    }
}

TEST_F(IniStore, ButtonsAndLists)
{
    auto *check = make<TTrvCheckBox>(QStringLiteral("chkHead"));
    check->setChecked(true);
    auto *grey = make<TTrvCheckBox>(QStringLiteral("chkGrey"));
    grey->setTristate(true);
    grey->setCheckState(Qt::PartiallyChecked);
    auto *radio = make<TTrvRadioButton>(QStringLiteral("rbTime"));
    radio->setChecked(true);
    auto *group = make<TTrvRadioGroup>(QStringLiteral("rgrGender"));
    group->SetItems({QStringLiteral("Men"), QStringLiteral("Women")});
    group->SetItemIndex(1);
    auto *combo = make<TTrvComboBox>(QStringLiteral("cbxPool"));
    combo->SetItems({QStringLiteral("25m"), QStringLiteral("50m")});
    combo->SetSelectedIndex(1);
    auto *list = make<TTrvListBox>(QStringLiteral("lbxImages"));
    list->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    list->SetItemIndex(2);

    TTrvIniFile ini(file());
    const QString section = QStringLiteral("Setup");
    check->SaveToIni(ini, section);
    grey->SaveToIni(ini, section);
    radio->SaveToIni(ini, section);
    group->SaveToIni(ini, section);
    combo->SaveToIni(ini, section);
    list->SaveToIni(ini, section);
    EXPECT_EQ(ini.ReadString(section, QStringLiteral("chkHead"), {}), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString(section, QStringLiteral("chkGrey"), {}), QStringLiteral("2"));
    EXPECT_EQ(ini.ReadString(section, QStringLiteral("rbTime"), {}), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString(section, QStringLiteral("rgrGender"), {}), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString(section, QStringLiteral("cbxPool"), {}), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString(section, QStringLiteral("lbxImages"), {}), QStringLiteral("2"));

    check->setChecked(false);
    grey->setCheckState(Qt::Checked);
    radio->setChecked(false);
    group->SetItemIndex(0);
    combo->SetSelectedIndex(-1);
    list->SetItemIndex(0);
    check->LoadFromIni(ini, section);
    grey->LoadFromIni(ini, section);
    radio->LoadFromIni(ini, section);
    group->LoadFromIni(ini, section);
    combo->LoadFromIni(ini, section);
    list->LoadFromIni(ini, section);
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(grey->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(radio->isChecked());
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(combo->SelectedIndex(), 1);
    EXPECT_EQ(list->ItemIndex(), 2);

    // Through the Qt interface, as the form base finds them.
    EXPECT_NE(qobject_cast<ITrvIniStored *>(combo), nullptr);
    EXPECT_NE(qobject_cast<ITrvIniStored *>(static_cast<QObject *>(group)), nullptr);
}

} // namespace
