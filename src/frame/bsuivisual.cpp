#include "frame/bsuivisual.h"

#include "frame/configselect.h"
#include "frame/trvapplication.h"
#include "frame/versioninfo.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>

TBSUIVisualAbstract::TBSUIVisualAbstract()
{
    TTrvApplication::SetTitle(TBSVersionInfo::Build().ProductTitle());
    m_debugMenu = new QAction(QStringLiteral("DEBUG"), qApp);
    m_debugMenu->setObjectName(QStringLiteral("DebugMenu"));
    m_adminMenu = new QAction(QStringLiteral("ADMIN"), qApp);
    m_adminMenu->setObjectName(QStringLiteral("AdminMenu"));
}

TBSUIVisualAbstract::~TBSUIVisualAbstract() = default;

void TBSUIVisual::ShowError(const QString &text)
{
    QApplication::beep();
    QMessageBox box(QMessageBox::Critical, TTrvApplication::Title(), ErrorDialogText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("BSUIErrorDialog"));
    box.exec();
}

int TBSUIVisual::ChooseConfiguration(const QString &productGroup, const QString &lastProject,
                                     const QStringList &projectNames)
{
    TFBSConfigSelect dialog(productGroup, projectNames, lastProject);
    return dialog.exec() == QDialog::Accepted ? dialog.ChosenIndex() : -1;
}

QString TBSUIVisual::ErrorDialogText(const QString &text)
{
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('\n') + text;
}
