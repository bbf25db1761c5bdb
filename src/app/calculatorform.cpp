#include "app/calculatorform.h"

#include "app/calculation.h"
#include "app/historydelegate.h"
#include "app/historylayout.h"
#include "controls/combobox.h"
#include "controls/edit.h"
#include "controls/listbox.h"
#include "controls/radiobutton.h"
#include "controls/radiogroup.h"
#include "domain/calculatorevents.h"
#include "i18n/swimtexts.h"
#include "points/pointtables.h"

#include "ui_calculatorform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>

TTrvFPCalculator::TTrvFPCalculator(QWidget *parent)
    : TTrvForm(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TTrvFPCalculator>())
{
    LoadDesign(*m_ui);

    m_ui->CBPointTables->SetStyle(TTrvComboBox::csDropDownList);
    m_ui->CBSwimStyle->SetStyle(TTrvComboBox::csDropDownList);
    m_ui->CBPool->SetStyle(TTrvComboBox::csDropDownList);
    m_ui->EPoints->SetAlignment(TTrvEdit::taRightJustify);
    m_ui->EAge->SetAlignment(TTrvEdit::taRightJustify);
    fitInputColumn();
    arrangeTabOrder();
    // The gender group is designed 35 pixels high: its caption and one row of buttons, no more.
    if (QLayout *buttons = m_ui->RgrGeschlecht->layout()) {
        buttons->setContentsMargins(6, 0, 6, 0);
        buttons->setSpacing(0);
    }

    // The history: fixed rows drawn in columns on the button-face colour.
    TTrvListBox *history = m_ui->LBPoints;
    history->setItemDelegate(new THistoryDelegate(history));
    QPalette palette = history->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    palette.setColor(QPalette::Text, palette.color(QPalette::ButtonText));
    history->setPalette(palette);
    history->setAutoFillBackground(true);
    // Rows are 15 pixels high: an 11-pixel font leaves room above and below the text.
    QFont small = history->font();
    small.setPixelSize(11);
    history->setFont(small);

    for (int row = 0; row < CalcEventCount; ++row)
        m_ui->CBSwimStyle->addItem(EventName(row));
    m_ui->CBSwimStyle->SetSelectedIndex(0);
    for (int i = 0; i < CalcPoolCount; ++i)
        m_ui->CBPool->addItem(PoolName(i));
    m_ui->CBPool->SetSelectedIndex(0);
    m_ui->CBPointTables->FillKeyed(*GetPointTableList());
    m_ui->CBPointTables->SelectFirstIfNone();

    connect(m_ui->RBTime, &QAbstractButton::toggled, this, &TTrvFPCalculator::UpdateMode);
    connect(m_ui->RBPoints, &QAbstractButton::toggled, this, &TTrvFPCalculator::UpdateMode);
    connect(m_ui->BCalculate, &QAbstractButton::clicked, this, &TTrvFPCalculator::CalculateClick);

    // The form sees the panel's keys before its controls do, also after the panel has moved to another
    // window.
    qApp->installEventFilter(this);

    m_ui->ETime->setFocus();
    UpdateMode();
}

TTrvFPCalculator::~TTrvFPCalculator()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void TTrvFPCalculator::fitInputColumn()
{
    // The time field grows when the font needs more room for its mask than designed. The time and points
    // fields then share its width and keep the designed right edge, and the mode buttons end before them.
    const QRect designed = m_ui->ETime->geometry();
    const int right = designed.left() + DesignedFieldWidth;
    const int width = qMax(DesignedFieldWidth, designed.width());
    for (TTrvEdit *field : {m_ui->ETime, m_ui->EPoints}) {
        const QRect r = field->geometry();
        field->setGeometry(right - width, r.top(), width, r.height());
    }
    for (TTrvRadioButton *button : {m_ui->RBTime, m_ui->RBPoints}) {
        const QRect r = button->geometry();
        button->setGeometry(r.left(), r.top(), qMin(r.width(), right - width - 5 - r.left()), r.height());
    }
}

void TTrvFPCalculator::arrangeTabOrder()
{
    // The gender group makes its buttons from its items, after the design has set the tab order.
    QList<QWidget *> chain{m_ui->CBPointTables, m_ui->CBSwimStyle, m_ui->CBPool};
    for (int i = 0; i < m_ui->RgrGeschlecht->Items().size(); ++i)
        chain << m_ui->RgrGeschlecht->Button(i);
    chain << m_ui->EAge << m_ui->RBTime << m_ui->ETime << m_ui->RBPoints << m_ui->EPoints << m_ui->BCalculate;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

QFrame *TTrvFPCalculator::Panel() const
{
    return m_ui->PnlCalculator;
}

int32_t TTrvFPCalculator::TableID() const
{
    return m_ui->CBPointTables->SelectedKey();
}

TBSSwCourse TTrvFPCalculator::CourseCode() const
{
    return PoolCourse(m_ui->CBPool->SelectedIndex());
}

TBSSwGender TTrvFPCalculator::GenderCode() const
{
    return TBSSwGender(m_ui->RgrGeschlecht->ItemIndex() + 1);
}

int32_t TTrvFPCalculator::Age() const
{
    return m_ui->EAge->AsInteger();
}

void TTrvFPCalculator::UpdateMode()
{
    m_ui->ETime->setEnabled(m_ui->RBTime->isChecked());
    m_ui->EPoints->setEnabled(m_ui->RBPoints->isChecked());
}

void TTrvFPCalculator::CalculateClick()
{
    m_table = GetPointTable(TableID());
    m_table->SetCourse(CourseCode());
    const int row = m_ui->CBSwimStyle->SelectedIndex();
    if (row >= 0) {
        TCalcInput input;
        input.eventRow = row;
        input.poolRow = m_ui->CBPool->SelectedIndex();
        input.gender = GenderCode();
        input.age = Age();
        input.pointsMode = !m_ui->RBTime->isChecked();
        if (input.pointsMode)
            input.points = m_ui->EPoints->AsInteger();
        else
            input.chron = m_ui->ETime->AsChron();
        const TCalcOutput output = Calculate(*m_table, input);
        m_ui->EPoints->SetAsInteger(output.points);
        m_ui->ETime->SetAsChron(output.chron);
        const QString line = HistoryLine(m_table->ShortName(), m_ui->CBSwimStyle->currentText(),
                                         GenderName(m_ui->RgrGeschlecht->ItemIndex()), Age(), output.chron,
                                         output.points);
        auto *item = new QListWidgetItem(line);
        // The whole line, for items shortened in their column.
        item->setToolTip(HistoryLineText(line));
        m_ui->LBPoints->insertItem(0, item);
    }
    FocusInput();
}

void TTrvFPCalculator::FocusInput()
{
    TTrvEdit *field = m_ui->RBTime->isChecked() ? m_ui->ETime : m_ui->EPoints;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

bool TTrvFPCalculator::isPanelWidget(const QObject *object) const
{
    if (!object || !object->isWidgetType())
        return false;
    const auto *widget = static_cast<const QWidget *>(object);
    return widget == m_ui->PnlCalculator || m_ui->PnlCalculator->isAncestorOf(widget);
}

bool TTrvFPCalculator::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isPanelWidget(watched)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool inField = watched == m_ui->ETime || watched == m_ui->EPoints;
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            close();
            return true;
        }
        if (inField && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            CalculateClick();
            return true;
        }
    }
    return TTrvForm::eventFilter(watched, event);
}

TTrvComboBox *TTrvFPCalculator::PointTables() const { return m_ui->CBPointTables; }
TTrvComboBox *TTrvFPCalculator::SwimStyles() const { return m_ui->CBSwimStyle; }
TTrvComboBox *TTrvFPCalculator::Pools() const { return m_ui->CBPool; }
TTrvRadioGroup *TTrvFPCalculator::Gender() const { return m_ui->RgrGeschlecht; }
TTrvRadioButton *TTrvFPCalculator::TimeMode() const { return m_ui->RBTime; }
TTrvRadioButton *TTrvFPCalculator::PointsMode() const { return m_ui->RBPoints; }
TTrvEdit *TTrvFPCalculator::TimeEdit() const { return m_ui->ETime; }
TTrvEdit *TTrvFPCalculator::PointsEdit() const { return m_ui->EPoints; }
TTrvEdit *TTrvFPCalculator::AgeEdit() const { return m_ui->EAge; }
QLabel *TTrvFPCalculator::AgeLabel() const { return m_ui->Label1; }
QPushButton *TTrvFPCalculator::CalculateButton() const { return m_ui->BCalculate; }
TTrvListBox *TTrvFPCalculator::History() const { return m_ui->LBPoints; }
