#include "frame/tarvoscreen.h"

#include "frame/systemx.h"
#include "frame/versioninfo.h"

#include "ui_tarvoscreen.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// The program picture at the label's size and the screen's pixel density.
QPixmap programPicture(const QSize &size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/frame/mirevo-logo.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace

TTrvFTarvoScreen::TTrvFTarvoScreen(QWidget *parent)
    : TTrvTarvoForm(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_ui(std::make_unique<Ui::TTrvFTarvoScreen>())
{
    LoadDesign(*m_ui);
    setFixedSize(383, 243);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    m_ui->ShpFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui->ImgLogo->setPixmap(programPicture(m_ui->ImgLogo->size(), devicePixelRatio()));

    TTrvSystemX &system = SystemX();
    m_ui->LApplication->setText(system.ProductName() + QLatin1Char(' ') + system.VersionText().left(4));
    m_ui->LIsBeta->setVisible(system.IsBeta());
    m_ui->LBuild->setText(TBSVersionInfo::Build().IsDebugBuild
                              ? QStringLiteral("Debug build")
                              : QStringLiteral("Build Nr. ") + system.VersionText().mid(5, 4));
    m_ui->LMakerInfo->setText(QStringLiteral("Version ") + TBSVersionInfo::Build().FileVersion);
    connect(m_ui->BOK, &QPushButton::clicked, this, &QDialog::accept);
}

TTrvFTarvoScreen::~TTrvFTarvoScreen() = default;

QString TTrvFTarvoScreen::ApplicationText() const
{
    return m_ui->LApplication->text();
}

QString TTrvFTarvoScreen::BuildText() const
{
    return m_ui->LBuild->text();
}

bool TTrvFTarvoScreen::BetaMarkVisible() const
{
    return !m_ui->LIsBeta->isHidden();
}

void TTrvFTarvoScreen::SetProgressText(const QString &text)
{
    m_ui->LProgress->setText(text);
}

void TTrvFTarvoScreen::SetCustomInfo(const QString &text)
{
    m_ui->LCustomInfo->setText(text);
}

void TTrvFTarvoScreen::PrepareAsStartScreen()
{
    m_ui->LProgress->clear();
    m_ui->LProgress->show();
    m_ui->BOK->hide();
}

void TTrvFTarvoScreen::showEvent(QShowEvent *event)
{
    m_ui->LCustomInfo->clear();
    TTrvTarvoForm::showEvent(event);
}

void TTrvFTarvoScreen::keyPressEvent(QKeyEvent *event)
{
    // OK is also the cancel button: Escape closes the about box as OK does.
    if (event->key() == Qt::Key_Escape && !IsStartScreen() && m_ui->BOK->isVisible()) {
        m_ui->BOK->click();
        return;
    }
    TTrvTarvoForm::keyPressEvent(event);
}

// The window has no title bar: the about box is moved by dragging it anywhere.
void TTrvFTarvoScreen::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !IsStartScreen())
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    TTrvTarvoForm::mousePressEvent(event);
}

void TTrvFTarvoScreen::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && !IsStartScreen() && !m_dragOffset.isNull())
        move(event->globalPosition().toPoint() - m_dragOffset);
    TTrvTarvoForm::mouseMoveEvent(event);
}
