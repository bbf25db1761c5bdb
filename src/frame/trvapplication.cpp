#include "frame/trvapplication.h"

#include "frame/svgicon.h"

#include "controls/translation.h"
#include "frame/bsconfig.h"
#include "frame/bsuivisual.h"
#include "frame/crashreporter.h"
#include "frame/versioninfo.h"

#include <QEvent>
#include <QMessageBox>
#include <QMetaEnum>

namespace {

QString &titleStorage()
{
    static QString title;
    return title;
}

bool g_showingErrorDialog = false;

QString eventTypeName(int type)
{
    const char *name = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
    return name ? QStringLiteral("%1 (%2)").arg(QString::fromLatin1(name)).arg(type) : QString::number(type);
}

} // namespace

TTrvApplication::TTrvApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setWindowIcon(ProgramIcon());
    const TBSVersionInfo &version = TBSVersionInfo::Build();
    if (titleStorage().isEmpty())
        SetTitle(version.ProductTitle());
    TBSCrashReporter::Install(version.ProductTitle() + QLatin1Char(' ') + version.BuildText());
    if (RegisteredUIClassName().isEmpty())
        RegisterUIClass<TBSUIVisual>();
    InstallFormTranslator();
    InstallUserLanguageReader();
}

TTrvApplication::~TTrvApplication() = default;

bool TTrvApplication::notify(QObject *receiver, QEvent *event)
{
    // What is needed for a report is taken before the handler runs: the handler may delete the receiver.
    const char *receiverClass = receiver ? receiver->metaObject()->className() : "";
    const QString receiverName = receiver ? receiver->objectName() : QString();
    const int eventType = event ? int(event->type()) : 0;
    QPair<QString, QString> exception;
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        exception = TBSCrashReporter::DescribeCurrentException();
    }
    // Reported outside the catch block: the dialog runs an event loop of its own.
    reportEventException(exception.first, exception.second, receiverClass, receiverName, eventType);
    return false;
}

void TTrvApplication::reportEventException(const QString &type, const QString &message, const char *receiverClass,
                                           const QString &receiverName, int eventType)
{
    TBSCrashReporter::Details details;
    details << qMakePair(QStringLiteral("exception"), message.isEmpty() ? type : type + QStringLiteral(": ") + message);
    QString receiverText = QString::fromLatin1(receiverClass);
    if (!receiverName.isEmpty())
        receiverText += QStringLiteral(" \"%1\"").arg(receiverName);
    details << qMakePair(QStringLiteral("receiver"), receiverText);
    details << qMakePair(QStringLiteral("event"), eventTypeName(eventType));
    const TBSCrashReporter::Result result =
        TBSCrashReporter::Report(QStringLiteral("an exception escaped an event handler"), details);

    const QString shown = message.isEmpty() ? type : message;
    emit eventExceptionReported(shown, result.file);

    // An error inside the dialog's own event loop is reported, but does not open a second dialog.
    if (g_showingErrorDialog)
        return;
    g_showingErrorDialog = true;
    QString text = tr("An unexpected error stopped the last action:\n\n%1\n\nThe program goes on.").arg(shown);
    if (result.file.isEmpty())
        text += tr(" No error file could be written; the report went to the standard error output.");
    else
        text += tr(" A report of the error was added to the file\n%1").arg(result.file);
    QMessageBox box(QMessageBox::Critical, Title(), text, QMessageBox::Ok, activeWindow());
    box.setObjectName(QStringLiteral("EventErrorDialog"));
    box.exec();
    g_showingErrorDialog = false;
}

QIcon TTrvApplication::ProgramIcon()
{
    return IconFromSvg(QStringLiteral(":/frame/mirevo-icon.svg"), {16, 22, 24, 32, 48, 64, 128, 256});
}

QString TTrvApplication::Title()
{
    return titleStorage();
}

void TTrvApplication::SetTitle(const QString &title)
{
    titleStorage() = title;
}
