#pragma once

#include <QApplication>
#include <QIcon>

// The program's application object. It installs the crash reporter, registers the UI service's visual
// class, and catches every exception that escapes an event handler: the problem is reported to the error
// file, the user sees what went wrong, and the program goes on with the next event.
class TTrvApplication : public QApplication
{
    Q_OBJECT

public:
    TTrvApplication(int &argc, char **argv);
    ~TTrvApplication() override;

    bool notify(QObject *receiver, QEvent *event) override;

    // The title used as caption of message boxes ("Mirevo 2006"); set by the UI service and the
    // program-services object. Works with any application object.
    static QString Title();
    static void SetTitle(const QString &title);
    // The program's icon (windows, task bar).
    static QIcon ProgramIcon();

signals:
    // An exception escaped an event handler; reportFile is where the report went (empty when nowhere).
    void eventExceptionReported(const QString &message, const QString &reportFile);

private:
    void reportEventException(const QString &type, const QString &message, const char *receiverClass,
                              const QString &receiverName, int eventType);
};
