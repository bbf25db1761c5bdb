#include "frame/trvform.h"

#include "controls/accelerator.h"
#include "controls/translation.h"
#include "frame/bsconfig.h"
#include "frame/bssystem.h"
#include "frame/bsuivisual.h"
#include "frame/inistored.h"
#include "frame/placement.h"
#include "frame/trvapplication.h"
#include "frame/trvinifile.h"
#include "i18n/language.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QUrl>
#include <QWindow>

namespace {

const QString WindowsSection = QStringLiteral("Windows");

QPointer<TTrvForm> g_mainForm;
bool g_serviceMenusInserted = false;

QScreen *screenAt(const QPoint &point)
{
    if (QScreen *screen = QGuiApplication::screenAt(point))
        return screen;
    return QGuiApplication::primaryScreen();
}

} // namespace

TTrvForm::TTrvForm(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &TTrvForm::helpRequested);
}

TTrvForm::~TTrvForm()
{
    // A form that was never shown keeps the placement saved before (or none, so it opens centred).
    if (m_autoSave && m_wasShown)
        SavePlacement();
}

void TTrvForm::Loaded()
{
    if (m_autoSave)
        m_placementRestored = RestorePlacement();
    m_centreOnShow = !m_placementRestored;
    TranslateForm(this);
    if (m_autoAccelerators)
        AssignAccelerators(this);
    connectLabelBuddies();
}

QString TTrvForm::placementKey() const
{
    return objectName();
}

bool TTrvForm::IsSizeable() const
{
    if (windowFlags() & Qt::MSWindowsFixedSizeDialogHint)
        return false;
    if (layout() && layout()->sizeConstraint() == QLayout::SetFixedSize)
        return false;
    return minimumSize() != maximumSize();
}

QPoint TTrvForm::CentredPosition() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    return ::CentredPosition(size(), s ? s->geometry() : QRect(0, 0, 1024, 768));
}

void TTrvForm::MoveToCentre()
{
    move(CentredPosition());
}

bool TTrvForm::RestorePlacement()
{
    const QString text = SettingsFile().ReadString(WindowsSection, placementKey(), QString());
    if (text.isEmpty())
        return false;
    const std::optional<TWindowPlacement> saved = TWindowPlacement::Parse(text);
    if (!saved)
        return false;
    const QScreen *s = screenAt(QPoint(saved->left, saved->top));
    const QRect screenRect = s ? s->geometry() : QRect(0, 0, 1024, 768);
    const TRestoredPlacement placement = CorrectPlacement(*saved, size(), IsSizeable(), screenRect);

    m_adjusting = true;
    resize(placement.bounds.size());
    move(placement.bounds.topLeft());
    m_adjusting = false;
    switch (placement.state) {
    case TWindowPlacement::Maximised:
        setWindowState(windowState() | Qt::WindowMaximized);
        break;
    case TWindowPlacement::Minimised:
        setWindowState(windowState() | Qt::WindowMinimized);
        break;
    default:
        break;
    }
    return true;
}

void TTrvForm::SavePlacement()
{
    TWindowPlacement placement;
    // For a maximised or minimised window the normal bounds are those it returns to.
    const bool notNormal = isMaximized() || isMinimized() || isFullScreen();
    QRect bounds(pos(), size());
    if (notNormal && !normalGeometry().isEmpty()) {
        // normalGeometry is the inner rectangle; the saved position is that of the frame, like pos().
        bounds = normalGeometry().translated(frameGeometry().topLeft() - geometry().topLeft());
    }
    placement.left = bounds.left();
    placement.top = bounds.top();
    placement.width = bounds.width();
    placement.height = bounds.height();
    placement.state = isMaximized() ? TWindowPlacement::Maximised
                      : isMinimized() ? TWindowPlacement::Minimised
                                      : TWindowPlacement::Normal;
    SettingsFile().WriteString(WindowsSection, placementKey(), placement.ToText());
}

void TTrvForm::SaveControls(TTrvIniFile &ini, const QString &section, int tag)
{
    for (QObject *object : findChildren<QObject *>()) {
        if (object->property("Tag").toInt() != tag)
            continue;
        if (auto *stored = qobject_cast<ITrvIniStored *>(object))
            stored->SaveToIni(ini, section);
    }
}

void TTrvForm::LoadControls(TTrvIniFile &ini, const QString &section, int tag)
{
    for (QObject *object : findChildren<QObject *>()) {
        if (object->property("Tag").toInt() != tag)
            continue;
        if (auto *stored = qobject_cast<ITrvIniStored *>(object))
            stored->LoadFromIni(ini, section);
    }
}

TTrvForm *TTrvForm::MainForm()
{
    return g_mainForm;
}

void TTrvForm::SetMainForm(TTrvForm *form)
{
    g_mainForm = form;
}

void TTrvForm::setVisible(bool visible)
{
    if (visible && !m_wasShown && m_centreOnShow && isWindow()) {
        m_adjusting = true;
        MoveToCentre();
        m_adjusting = false;
    }
    QDialog::setVisible(visible);
}

void TTrvForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_wasShown) {
        m_wasShown = true;
        if (this == g_mainForm && !g_serviceMenusInserted)
            insertServiceMenus();
    }
}

void TTrvForm::insertServiceMenus()
{
    auto *bar = findChild<QMenuBar *>();
    if (!bar || RegisteredUIClassName().isEmpty())
        return;
    QMenu *firstMenu = nullptr;
    for (QAction *action : bar->actions()) {
        if (action->menu()) {
            firstMenu = action->menu();
            break;
        }
    }
    auto *ui = dynamic_cast<TBSUIVisualAbstract *>(&BSUI());
    if (!firstMenu || !ui)
        return;
    g_serviceMenusInserted = true;
    // Each goes in as the first entry, so DEBUG ends up above ADMIN.
    if (BSUser()->IsProjectAdmin())
        firstMenu->insertAction(firstMenu->actions().value(0), ui->AdminMenu());
    if (TBSSystem::IsDebugMode())
        firstMenu->insertAction(firstMenu->actions().value(0), ui->DebugMenu());
}

void TTrvForm::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    keepInScreen();
}

void TTrvForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    keepInScreen();
}

void TTrvForm::keepInScreen()
{
    if (m_adjusting || !isWindow() || !isVisible() || (!m_alwaysInScreen && !m_snapAtScreenBorder))
        return;
    const QScreen *s = screen();
    if (!s)
        return;
    TKeepInScreenOptions options;
    options.alwaysInScreen = m_alwaysInScreen;
    options.snapAtScreenBorder = m_snapAtScreenBorder;
    options.maximised = isMaximized() || isFullScreen();
    const QRect frame = frameGeometry();
    const QPoint target = KeepInScreen(frame, s->availableGeometry(), options);
    if (target == frame.topLeft())
        return;
    m_adjusting = true;
    move(target);
    m_adjusting = false;
}

void TTrvForm::connectLabelBuddies()
{
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->buddy())
            label->installEventFilter(this);
    }
}

bool TTrvForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        auto *label = qobject_cast<QLabel *>(watched);
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (label && label->buddy() && mouse->button() == Qt::LeftButton) {
            // The click belongs to the label's control: it takes the focus (an edit field shows its
            // cursor), and the label itself does nothing else with it.
            if (event->type() == QEvent::MouseButtonRelease && label->buddy()->isEnabled())
                label->buddy()->setFocus(Qt::MouseFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int TTrvForm::helpContextOfFocus() const
{
    for (const QWidget *w = focusWidget(); w && w != this; w = w->parentWidget()) {
        const int context = w->property("HelpContext").toInt();
        if (context != 0)
            return context;
    }
    return m_helpContext;
}

void TTrvForm::helpRequested()
{
    ShowHelp(helpContextOfFocus());
}

bool TTrvForm::ShowHelp(int context)
{
    // The help viewer may hand a request back (a key press in a window of ours); it is not answered twice.
    if (m_inHelp)
        return false;
    const QString file = ApplicationHelpFile();
    if (file.isEmpty() || !QFileInfo::exists(file))
        return false;
    m_inHelp = true;
    const bool shown = OpenHelp(file, context);
    m_inHelp = false;
    return shown;
}

bool TTrvForm::OpenHelp(const QString &file, int context)
{
    QUrl url = QUrl::fromLocalFile(file);
    if (context != 0)
        url.setFragment(QString::number(context));
    return QDesktopServices::openUrl(url);
}

bool AskYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, TTrvApplication::Title(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("AskYesNo"));
    return box.exec() == QMessageBox::Yes;
}

bool ShowMessageBox(const QString &text, bool warning, bool withCancel)
{
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::NoIcon, TTrvApplication::Title(), text,
                    withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ShowMessageBox"));
    return box.exec() != QMessageBox::Cancel;
}
