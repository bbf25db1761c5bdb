#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// The UI service: the base library never talks to the user directly, it asks this service. The program
// registers one implementation class at start (TBSUIVisual); BSUI creates its instance on first use.
class TBSUI : public QObject
{
    Q_OBJECT

public:
    ~TBSUI() override;

    // An error message with an OK button.
    virtual void ShowError(const QString &text) = 0;
    // Looks the text up in the keyed catalogue (a plain text passes unchanged), shows it with ShowError and
    // ends the process at once with the exit code.
    virtual void ShowErrorAndExit(const QString &text, int exitCode);
    // Lets the user pick a project: answers the chosen index into projectNames, or -1 when cancelled.
    virtual int ChooseConfiguration(const QString &productGroup, const QString &lastProject,
                                    const QStringList &projectNames) = 0;

protected:
    TBSUI() = default;
    // Ends the process (ShowErrorAndExit's last step); a test implementation may do otherwise.
    virtual void ExitProcess(int exitCode);
};

using TBSUIFactory = std::function<std::unique_ptr<TBSUI>()>;

// Registers the implementation class. A second registration is a programming error (an assertion that
// names both classes).
void RegisterUIClass(const QString &className, TBSUIFactory factory);

template<class T>
void RegisterUIClass()
{
    RegisterUIClass(QString::fromLatin1(T::staticMetaObject.className()), [] { return std::make_unique<T>(); });
}

// The service, created on first use from the registered class. Without a registered class it throws
// "Keine BSUI - Klasse definiert !".
TBSUI &BSUI();

// Name of the registered class, empty when none.
QString RegisteredUIClassName();

// Frees the instance and forgets the registration, so a test can register another class.
void ResetUIRegistration();
