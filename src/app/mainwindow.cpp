#include "app/mainwindow.h"

#include "app/calculatorform.h"
#include "app/interfacetexts.h"
#include "frame/svgicon.h"
#include "frame/systemx.h"
#include "frame/tarvoform.h"
#include "i18n/language.h"
#include "i18n/swimtexts.h"

#include "ui_mainwindow.h"

#include <QDate>
#include <QKeyEvent>
#include <QTimer>

QIcon MainImage(TMainImage image)
{
    static const char *const files[] = {":/app/about.svg", ":/app/quit.svg"};
    return IconFromSvg(QString::fromLatin1(files[image]));
}

QString MainFooterText(int year)
{
    return QStringLiteral("© 2006-%1 Tarvo Software  ·  www.tarvo-software.example").arg(year);
}

TFMain::TFMain(QWidget *parent)
    : TTrvForm(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TFMain>())
{
    LoadDesign(*m_ui);
    setWindowIcon(QApplication::windowIcon());
    layout()->setMenuBar(m_ui->MainMenu1);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_ui->ActTerminate->setIcon(MainImage(miQuit));
    m_ui->ActAbout->setIcon(MainImage(miAbout));
    connect(m_ui->ActTerminate, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->ActAbout, &QAction::triggered, this, [] { SystemX().ShowAbout(); });

    LoadInterfaceCatalogue(Language());
    LoadSwimTexts();
    m_calculator = std::make_unique<TTrvFPCalculator>();
    placeCalculatorPanel();

    m_ui->PnlFoot->setText(MainFooterText(QDate::currentDate().year()));
}

TFMain::~TFMain()
{
    // The panel lives in this window; the form that handles its keys goes first.
    m_calculator.reset();
}

void TFMain::placeCalculatorPanel()
{
    QFrame *panel = m_calculator->Panel();
    QWidget *client = m_ui->ClientArea;
    QToolBar *toolBar = m_ui->ToolBar;
    const int toolBarHeight = toolBar->sizeHint().height();
    toolBar->setGeometry(0, 0, panel->width(), toolBarHeight);
    panel->setParent(client);
    panel->move(0, toolBarHeight);
    panel->show();
    m_ui->PnlFoot->setGeometry(0, toolBarHeight + panel->height(), panel->width(), m_ui->PnlFoot->height());
    client->setFixedSize(panel->width(), toolBarHeight + panel->height() + m_ui->PnlFoot->height());
    // The time field has the focus when the window opens.
    m_calculator->FocusInput();
}

QWidget *TFMain::ClientArea() const
{
    return m_ui->ClientArea;
}

QToolBar *TFMain::ToolBar() const
{
    return m_ui->ToolBar;
}

QLabel *TFMain::Footer() const
{
    return m_ui->PnlFoot;
}

QMenuBar *TFMain::MainMenu() const
{
    return m_ui->MainMenu1;
}

QAction *TFMain::TerminateAction() const
{
    return m_ui->ActTerminate;
}

QAction *TFMain::AboutAction() const
{
    return m_ui->ActAbout;
}

void TFMain::showEvent(QShowEvent *event)
{
    TTrvForm::showEvent(event);
    SystemX().StartupDone();
    // A start screen still up stays in front of this window until it closes, also where no window
    // manager moves it there.
    QTimer::singleShot(0, this, [] {
        if (TTrvTarvoForm *screen = SystemX().StartScreen())
            screen->raise();
    });
}

void TFMain::keyPressEvent(QKeyEvent *event)
{
    // The main window is no dialog that Escape would close.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    TTrvForm::keyPressEvent(event);
}
