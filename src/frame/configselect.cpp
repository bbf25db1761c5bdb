#include "frame/configselect.h"

#include "ui_configselect.h"

#include <QGuiApplication>
#include <QScreen>

TFBSConfigSelect::TFBSConfigSelect(const QString &productGroup, const QStringList &projectNames,
                                   const QString &lastProject, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_ui(std::make_unique<Ui::TFBSConfigSelect>())
{
    m_ui->setupUi(this);
    setWindowTitle(productGroup + QStringLiteral(" - Projekt wählen"));
    m_ui->LBConfigNames->addItems(projectNames);
    const int last = int(projectNames.indexOf(lastProject));
    if (!projectNames.isEmpty())
        m_ui->LBConfigNames->setCurrentRow(last >= 0 ? last : 0);
    connect(m_ui->BOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->BCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->LBConfigNames, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
}

TFBSConfigSelect::~TFBSConfigSelect() = default;

int TFBSConfigSelect::ChosenIndex() const
{
    return m_ui->LBConfigNames->currentRow();
}
