// A program that crashes on purpose, for the crash-report tests. Usage:
//   frame_crash_helper MODE [--config FILE] [--user NAME] [--errorfile FILE]
// MODE is one of segv, abort, fpe, ill, bus, terminate (fatal: the program dies), gui-segv (a fatal signal
// inside an event handler of a running application), event-assert and event-std (an exception escapes an
// event handler: the error dialog appears, is closed, and the program goes on and exits with 0).
#include "base/assertion.h"
#include "frame/crashhook.h"
#include "frame/crashreporter.h"
#include "frame/trvapplication.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

// The faults below must reach the processor: the sanitizers would otherwise catch them first. They have
// external linkage so their names appear in the stack trace.
extern "C++" {
void crashSegv();
int crashFpe();
void crashIll();
int crashBus();
}

__attribute__((noinline, no_sanitize("address", "undefined"))) void crashSegv()
{
    volatile int *volatile p = nullptr;
    *p = 42;
}

__attribute__((noinline, no_sanitize("address", "undefined"))) int crashFpe()
{
    volatile int zero = 0;
    volatile int one = 1;
    return one / zero;
}

__attribute__((noinline)) void crashIll()
{
    __builtin_trap();
}

__attribute__((noinline, no_sanitize("address", "undefined"))) int crashBus()
{
    // Reading a mapped page beyond the end of an empty file raises SIGBUS.
    char name[] = "/tmp/mirevo-crash-bus-XXXXXX";
    const int fd = ::mkstemp(name);
    ::unlink(name);
    auto *page = static_cast<volatile char *>(::mmap(nullptr, 4096, PROT_READ, MAP_PRIVATE, fd, 0));
    return page[0];
}

[[noreturn]] __attribute__((noinline)) void throwUncaught()
{
    throw std::runtime_error("nobody catches this");
}

void noexceptThrower() noexcept
{
    throwUncaught();
}

namespace {

// Throws from its event handler when it gets a user event.
class ThrowingWidget : public QWidget
{
public:
    explicit ThrowingWidget(bool assertion) : m_assertion(assertion) { setObjectName(QStringLiteral("ThrowingWidget")); }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User) {
            if (m_assertion)
                BSAssert(false, QStringLiteral("Doppelt belegte ID für Punktewertungen!"));
            throw std::runtime_error("the table file is broken");
        }
        return QWidget::event(e);
    }

private:
    bool m_assertion;
};

class SegvWidget : public QWidget
{
protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            crashSegv();
        return QWidget::event(e);
    }
};

void say(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const QByteArray mode = argv[1];
    QString configFile;
    QString userName;
    QString errorFile;
    for (int i = 2; i + 1 < argc; i += 2) {
        const QByteArray option = argv[i];
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (option == "--config")
            configFile = value;
        else if (option == "--user")
            userName = value;
        else if (option == "--errorfile")
            errorFile = value;
    }
    auto setUpHook = [&] {
        if (!configFile.isEmpty())
            TBSCrashHook::SetConfigFile(configFile);
        if (!userName.isEmpty())
            TBSCrashHook::SetUserName(userName);
        if (!errorFile.isEmpty())
            TBSCrashHook::SetErrorFile(errorFile);
    };

    if (mode.startsWith("event-") || mode == "gui-segv") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        TTrvApplication app(argc, argv);
        setUpHook();
        if (mode == "gui-segv") {
            SegvWidget widget;
            QApplication::postEvent(&widget, new QEvent(QEvent::User));
            return app.exec();
        }
        ThrowingWidget widget(mode == "event-assert");
        widget.show();
        QObject::connect(&app, &TTrvApplication::eventExceptionReported, [](const QString &message, const QString &file) {
            say(QStringLiteral("REPORTED: %1 | %2").arg(message, file));
        });
        // Closes the error dialog as a user would, and records what it said.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                say(QStringLiteral("DIALOG: ") + box->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
                box->accept();
            }
        });
        closer.start(20);
        QApplication::postEvent(&widget, new QEvent(QEvent::User));
        // Once the dialog is gone the program is still running and handles further events.
        QTimer::singleShot(300, [] {
            say(QStringLiteral("CONTINUED"));
            QApplication::quit();
        });
        return app.exec();
    }

    TBSCrashReporter::Install(QStringLiteral("Crash Helper 1"));
    setUpHook();
    if (mode == "segv")
        crashSegv();
    else if (mode == "abort")
        std::abort();
    else if (mode == "fpe")
        return crashFpe();
    else if (mode == "ill")
        crashIll();
    else if (mode == "bus")
        return crashBus();
    else if (mode == "terminate")
        noexceptThrower();
    else if (mode == "report-path")
        say(TBSCrashHook::ErrorFile());
    return 0;
}
