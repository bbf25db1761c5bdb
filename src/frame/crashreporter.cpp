#include "frame/crashreporter.h"

#include "base/assertion.h"
#include "frame/crashhook.h"
#include "frame/programpaths.h"

#include <QDateTime>
#include <QFileInfo>
#include <QDir>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <typeinfo>

#include <csignal>
#include <ucontext.h>
#include <cxxabi.h>
#include <execinfo.h>
#include <unistd.h>

namespace {

constexpr int MaxFrames = 64;
constexpr int FatalSignals[] = {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS};

bool g_installed = false;
char g_programTitle[256] = "";
// The handler runs on its own stack so that a stack overflow can still be reported.
alignas(16) char g_signalStack[64 * 1024];
volatile sig_atomic_t g_handlingSignal = 0;

// A fixed buffer filled with texts and numbers without allocating; used inside the signal handler.
class SafeText
{
public:
    SafeText &operator<<(const char *s)
    {
        while (s && *s && m_length < sizeof(m_buffer) - 1)
            m_buffer[m_length++] = *s++;
        m_buffer[m_length] = '\0';
        return *this;
    }
    SafeText &number(unsigned long long value, unsigned base = 10, int minDigits = 1)
    {
        char digits[32];
        int n = 0;
        do {
            digits[n++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value != 0 && n < int(sizeof(digits)));
        while (n < minDigits && n < int(sizeof(digits)))
            digits[n++] = '0';
        char text[33];
        for (int i = 0; i < n; ++i)
            text[i] = digits[n - 1 - i];
        text[n] = '\0';
        return *this << text;
    }
    const char *data() const { return m_buffer; }
    size_t length() const { return m_length; }

private:
    char m_buffer[2048] = {};
    size_t m_length = 0;
};

void writeFd(int fd, const char *data, size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        length -= size_t(n);
    }
}

void writeFd(int fd, const char *text)
{
    writeFd(fd, text, std::strlen(text));
}

// Writes the UTC date and time of t as "yyyy-mm-dd hh:nn:ss UTC" (civil date from the day count).
void appendUtc(SafeText &out, time_t t)
{
    long long days = t / 86400;
    long long seconds = t % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    out.number((unsigned long long)year, 10, 4) << "-";
    out.number((unsigned long long)month, 10, 2) << "-";
    out.number((unsigned long long)day, 10, 2) << " ";
    out.number((unsigned long long)(seconds / 3600), 10, 2) << ":";
    out.number((unsigned long long)(seconds / 60 % 60), 10, 2) << ":";
    out.number((unsigned long long)(seconds % 60), 10, 2) << " UTC";
}

const char *signalDescription(int sig)
{
    switch (sig) {
    case SIGSEGV: return "invalid memory access";
    case SIGABRT: return "abnormal termination";
    case SIGFPE: return "arithmetic error";
    case SIGILL: return "illegal instruction";
    case SIGBUS: return "bus error";
    default: return "fatal signal";
    }
}

bool faultHasAddress(int sig)
{
    return sig == SIGSEGV || sig == SIGBUS || sig == SIGFPE || sig == SIGILL;
}

// The frames of a trace are return addresses, which point after the call; for a call that never returns
// (abort, a throw) that is already the next function. One byte back lies inside the call, so the symbol
// found is the caller's. The exact address of a fault (faultAddress) stays as it is.
void pointIntoCalls(void **frames, int count, const void *faultAddress)
{
    for (int i = 1; i < count; ++i) {
        if (frames[i] != faultAddress && frames[i] != nullptr)
            frames[i] = static_cast<char *>(frames[i]) - 1;
    }
}

const void *faultingInstruction(void *context)
{
#if defined(__x86_64__)
    return context ? reinterpret_cast<const void *>(static_cast<ucontext_t *>(context)->uc_mcontext.gregs[REG_RIP]) : nullptr;
#elif defined(__aarch64__)
    return context ? reinterpret_cast<const void *>(static_cast<ucontext_t *>(context)->uc_mcontext.pc) : nullptr;
#else
    Q_UNUSED(context)
    return nullptr;
#endif
}

void onFatalSignal(int sig, siginfo_t *info, void *context)
{
    // A second fatal signal while reporting (from another thread, or a fault inside this handler) ends the
    // process without a second report.
    if (g_handlingSignal) {
        ::signal(sig, SIG_DFL);
        ::raise(sig);
        ::_exit(128 + sig);
    }
    g_handlingSignal = 1;
    const int savedErrno = errno;

    SafeText head;
    head << "crash report of " << g_programTitle << "\n";
    head << "what happened : fatal signal " << TBSCrashReporter::SignalName(sig) << " (" << signalDescription(sig)
         << ")\n";
    if (info && faultHasAddress(sig)) {
        head << "fault address : 0x";
        head.number(reinterpret_cast<unsigned long long>(info->si_addr), 16);
        head << "\n";
    }
    head << "date/time     : ";
    appendUtc(head, ::time(nullptr));
    head << "\nprocess id    : ";
    head.number((unsigned long long)::getpid());
    head << "\nstack trace   :\n";

    void *frames[MaxFrames];
    const int count = ::backtrace(frames, MaxFrames);
    pointIntoCalls(frames, count, faultingInstruction(context));

    const char *usedPath = nullptr;
    const int fd = TBSCrashHook::OpenErrorFileSignalSafe(&usedPath);
    if (fd >= 0) {
        writeFd(fd, head.data(), head.length());
        ::backtrace_symbols_fd(frames, count, fd);
        ::close(fd);
    } else {
        // No file can be written: the whole report goes to standard error.
        writeFd(STDERR_FILENO, TBSCrashHook::SeparatorLine());
        writeFd(STDERR_FILENO, TBSCrashHook::SignalSafeProjectInfo());
        writeFd(STDERR_FILENO, head.data(), head.length());
        ::backtrace_symbols_fd(frames, count, STDERR_FILENO);
    }
    SafeText note;
    note << g_programTitle << ": fatal signal " << TBSCrashReporter::SignalName(sig);
    if (usedPath)
        note << "; crash report appended to " << usedPath;
    note << "\n";
    writeFd(STDERR_FILENO, note.data(), note.length());

    errno = savedErrno;
    // End with the same signal, so the parent sees how the program died (and a core dump is made where
    // the system is set up for one). The handler was reset on entry and the signal is not blocked.
    ::signal(sig, SIG_DFL);
    ::raise(sig);
    ::_exit(128 + sig);
}

[[noreturn]] void onTerminate()
{
    TBSCrashReporter::Details details;
    const auto [type, message] = TBSCrashReporter::DescribeCurrentException();
    QString what = QStringLiteral("std::terminate was called");
    if (!type.isEmpty()) {
        what = QStringLiteral("uncaught exception");
        details << qMakePair(QStringLiteral("exception"), type + QStringLiteral(": ") + message);
    }
    TBSCrashReporter::Report(what, details);
    // abort raises SIGABRT; the report is written already.
    ::signal(SIGABRT, SIG_DFL);
    std::abort();
}

QString demangleFrame(const char *symbol)
{
    // glibc writes "file(mangled+0x12) [0xaddress]".
    const QString text = QString::fromLocal8Bit(symbol);
    const char *open = std::strchr(symbol, '(');
    const char *plus = open ? std::strchr(open, '+') : nullptr;
    if (!open || !plus || plus == open + 1)
        return text;
    const std::string mangled(open + 1, plus);
    int status = 0;
    char *name = abi::__cxa_demangle(mangled.c_str(), nullptr, nullptr, &status);
    if (status != 0 || !name)
        return text;
    const QString result = QString::fromLocal8Bit(symbol, int(open - symbol + 1)) + QString::fromLocal8Bit(name)
                           + QString::fromLocal8Bit(plus);
    std::free(name);
    return result;
}

QString demangleType(const char *name)
{
    int status = 0;
    char *readable = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    if (status != 0 || !readable)
        return QString::fromLatin1(name);
    const QString result = QString::fromLatin1(readable);
    std::free(readable);
    return result;
}

} // namespace

void TBSCrashReporter::Install(const QString &programTitle, const QString &programFile)
{
    const QByteArray title = programTitle.toUtf8();
    const int n = qMin(int(title.size()), int(sizeof(g_programTitle)) - 1);
    std::memcpy(g_programTitle, title.constData(), size_t(n));
    g_programTitle[n] = '\0';

    const QString program = programFile.isEmpty() ? ProgramPaths().programFile() : programFile;
    const QString errorFile = ReplaceExtension(program, QStringLiteral(".err"));
    TBSCrashHook::SetErrorFile(errorFile);
    // An installed program's folder is usually not writable: the reports then go to the user's state
    // folder.
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (stateHome.isEmpty())
        stateHome = QDir::homePath() + QStringLiteral("/.local/state");
    const QString name = QFileInfo(errorFile).fileName();
    TBSCrashHook::SetFallbackErrorFile(stateHome + QLatin1Char('/') + ReplaceExtension(name, QString()).toLower()
                                       + QLatin1Char('/') + name);

    if (g_installed)
        return;
    g_installed = true;

    // The first call of backtrace loads the unwinder, which is not safe inside a signal handler.
    void *warmUp[2];
    ::backtrace(warmUp, 2);

    stack_t stack{};
    stack.ss_sp = g_signalStack;
    stack.ss_size = sizeof(g_signalStack);
    ::sigaltstack(&stack, nullptr);

    struct sigaction action{};
    action.sa_sigaction = onFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND | SA_NODEFER;
    for (int sig : FatalSignals)
        ::sigaction(sig, &action, nullptr);

    std::set_terminate(onTerminate);
}

bool TBSCrashReporter::IsInstalled()
{
    return g_installed;
}

TBSCrashReporter::Result TBSCrashReporter::Report(const QString &what, const Details &details)
{
    Result result;
    // The trace starts at the caller of Report.
    result.text = ComposeReport(what, details, StackTrace(1));
    result.file = TBSCrashHook::AddProjectInfo(result.text);
    QByteArray note = QByteArray(g_programTitle) + ": " + what.toUtf8();
    if (result.file.isEmpty())
        note += "; no error file could be written, the report follows\n" + result.text.toUtf8();
    else
        note += "; crash report appended to " + QFile::encodeName(result.file);
    note += '\n';
    writeFd(STDERR_FILENO, note.constData(), size_t(note.size()));
    return result;
}

QString TBSCrashReporter::ComposeReport(const QString &what, const Details &details, const QString &stackTrace)
{
    QString text = QStringLiteral("crash report of %1\n").arg(QString::fromUtf8(g_programTitle));
    text += QStringLiteral("what happened : %1\n").arg(what);
    for (const auto &[label, value] : details)
        text += label.leftJustified(13) + QStringLiteral(" : ") + value + QLatin1Char('\n');
    text += QStringLiteral("date/time     : %1\n")
                .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss 'UTC'")));
    text += QStringLiteral("process id    : %1\n").arg(qint64(::getpid()));
    text += QStringLiteral("stack trace   :\n") + stackTrace;
    return text;
}

QString TBSCrashReporter::StackTrace(int skip)
{
    void *frames[MaxFrames];
    const int count = ::backtrace(frames, MaxFrames);
    pointIntoCalls(frames, count, nullptr);
    char **symbols = ::backtrace_symbols(frames, count);
    QStringList lines;
    int own = 0; // this function's frame (a sanitizer may add frames of its own before it)
    for (int i = 0; i < count; ++i) {
        lines << (symbols ? demangleFrame(symbols[i]) : QString::asprintf("%p", frames[i]));
        if (lines.last().contains(QLatin1String("TBSCrashReporter::StackTrace(")))
            own = i;
    }
    std::free(symbols);
    QString text;
    for (int i = own + 1 + skip; i < count; ++i)
        text += lines.at(i) + QLatin1Char('\n');
    return text;
}

QPair<QString, QString> TBSCrashReporter::DescribeCurrentException()
{
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return {};
    try {
        std::rethrow_exception(current);
    } catch (const EBSAssertion &e) {
        return {QStringLiteral("EBSAssertion"), e.message()};
    } catch (const std::exception &e) {
        return {demangleType(typeid(e).name()), QString::fromUtf8(e.what())};
    } catch (...) {
        const std::type_info *type = abi::__cxa_current_exception_type();
        return {type ? demangleType(type->name()) : QStringLiteral("unknown exception"), QString()};
    }
}

const char *TBSCrashReporter::SignalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV";
    case SIGABRT: return "SIGABRT";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGBUS: return "SIGBUS";
    default: return "";
    }
}
