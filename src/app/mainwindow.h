#pragma once

#include "frame/trvform.h"

#include <QIcon>

#include <memory>

class QAction;
class QLabel;
class QMenuBar;
class QToolBar;
class TTrvFPCalculator;

namespace Ui {
class TFMain;
}

// The icons of the main window's actions: 0 about, 1 quit.
enum TMainImage { miAbout = 0, miQuit = 1 };
QIcon MainImage(TMainImage image);

// The footer line of the main window for a year.
QString MainFooterText(int year);

// The program's main window: the "File" menu, the tool bar, the calculator panel and the footer line.
// Creating it loads the interface texts (the built-in English catalogue, then the chosen language's
// file), the swimming vocabulary, and creates the calculator form, whose panel it takes over. Closing it
// ends the program.
class TFMain : public TTrvForm
{
    Q_OBJECT

public:
    explicit TFMain(QWidget *parent = nullptr);
    ~TFMain() override;

    TTrvFPCalculator *Calculator() const { return m_calculator.get(); }

    // The area below the menu bar: tool bar, calculator panel, footer.
    QWidget *ClientArea() const;
    QToolBar *ToolBar() const;
    QLabel *Footer() const;
    QMenuBar *MainMenu() const;
    QAction *TerminateAction() const;
    QAction *AboutAction() const;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placeCalculatorPanel();

    std::unique_ptr<Ui::TFMain> m_ui;
    std::unique_ptr<TTrvFPCalculator> m_calculator;
};
