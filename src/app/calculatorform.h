#pragma once

#include "domain/swimcodes.h"
#include "frame/trvform.h"
#include "points/pointtable.h"

#include <memory>

class QFrame;
class QLabel;
class QPushButton;
class TTrvComboBox;
class TTrvEdit;
class TTrvListBox;
class TTrvRadioButton;
class TTrvRadioGroup;

namespace Ui {
class TTrvFPCalculator;
}

// The calculator: the user picks a point table, an event, a pool, a gender and an age, and types either a
// swim time (points are calculated) or points (the time that earns them). Every calculation puts one
// line at the top of the history list: table, event, gender, age, time and points.
//
// The form is never shown in the program: the main window moves its panel, PnlCalculator, into its own
// client area. The form keeps handling the panel's keys (Enter in the time or points field calculates,
// Escape asks this form to close, which has no visible effect while the main window hosts the panel).
class TTrvFPCalculator : public TTrvForm
{
    Q_OBJECT

public:
    // Fills the lists from the swimming vocabulary and the registered tables; the catalogue and the
    // vocabulary must be loaded.
    explicit TTrvFPCalculator(QWidget *parent = nullptr);
    ~TTrvFPCalculator() override;

    // The panel with every control of the calculator.
    QFrame *Panel() const;

    // The choices read for a point table printout: the selected table's ID (0 when none), the pool's
    // course code, the gender (1 men, 2 women) and the age.
    int32_t TableID() const;
    TBSSwCourse CourseCode() const;
    TBSSwGender GenderCode() const;
    int32_t Age() const;

    // The table of the last calculation; null before the first.
    BSRef<IBSSwPoints> CurrentTable() const { return m_table; }

    // Calculates with the current choices (as the "Calculate" button does): the points for the typed
    // time or the time for the typed points go into the fields, a line goes to the top of the history,
    // and the active field takes the focus with its whole text selected.
    void CalculateClick();
    // Enables the time field in time mode and the points field in points mode.
    void UpdateMode();
    // Gives the focus to the field of the current mode and selects its whole text.
    void FocusInput();

    // The controls, for the main window and for tests.
    TTrvComboBox *PointTables() const;
    TTrvComboBox *SwimStyles() const;
    TTrvComboBox *Pools() const;
    TTrvRadioGroup *Gender() const;
    TTrvRadioButton *TimeMode() const;
    TTrvRadioButton *PointsMode() const;
    TTrvEdit *TimeEdit() const;
    TTrvEdit *PointsEdit() const;
    TTrvEdit *AgeEdit() const;
    QLabel *AgeLabel() const;
    QPushButton *CalculateButton() const;
    TTrvListBox *History() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The time and points fields are designed 50 pixels wide, ending 5 pixels before the panel's edge.
    static constexpr int DesignedFieldWidth = 50;

    bool isPanelWidget(const QObject *object) const;
    void fitInputColumn();
    void arrangeTabOrder();

    std::unique_ptr<Ui::TTrvFPCalculator> m_ui;
    BSRef<IBSSwPoints> m_table;
};
