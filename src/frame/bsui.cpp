#include "frame/bsui.h"

#include "base/assertion.h"
#include "frame/bssystem.h"
#include "i18n/bslanguage.h"

#include <stdexcept>

namespace {

struct Registration
{
    QString className;
    TBSUIFactory factory;
    std::unique_ptr<TBSUI> instance;
};

Registration &registration()
{
    static Registration r;
    return r;
}

} // namespace

TBSUI::~TBSUI() = default;

void TBSUI::ShowErrorAndExit(const QString &text, int exitCode)
{
    // A key of the keyed catalogue ("#BS....") is shown as its text; any other text stands as it is. A
    // program whose catalogue is not set up yet still shows the message.
    QString shown = text;
    if (text.startsWith(QLatin1Char('#'))) {
        try {
            shown = BSText(text);
        } catch (const EBSLanguageError &) {
        }
    }
    ShowError(shown);
    ExitProcess(exitCode);
}

void TBSUI::ExitProcess(int exitCode)
{
    TBSSystem::ExitProgram(exitCode);
}

void RegisterUIClass(const QString &className, TBSUIFactory factory)
{
    Registration &r = registration();
    BSAssert(!r.factory, QStringLiteral("Pro Projekt darf nur eine UI Implementation eingebunden werden! (%1 / %2)")
                             .arg(r.className, className));
    r.className = className;
    r.factory = std::move(factory);
}

TBSUI &BSUI()
{
    Registration &r = registration();
    if (!r.instance) {
        if (!r.factory)
            throw std::runtime_error("Keine BSUI - Klasse definiert !");
        r.instance = r.factory();
    }
    return *r.instance;
}

QString RegisteredUIClassName()
{
    return registration().className;
}

void ResetUIRegistration()
{
    Registration &r = registration();
    r.instance.reset();
    r.factory = nullptr;
    r.className.clear();
}
