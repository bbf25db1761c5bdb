#pragma once

#include <QString>

#include <functional>
#include <memory>

class TFMain;

// The start of the calculator window, after the application object exists: opens the settings file,
// registers the table files (warn gets one line for each file skipped), shows the start screen for at
// least a second, creates the main window and shows it.
std::unique_ptr<TFMain> StartCalculatorWindow(const std::function<void(const QString &)> &warn);

// Runs the calculator window until it closes: the application object, then StartCalculatorWindow with
// warnings on the error output. Returns the exit status.
int RunCalculatorWindow(int &argc, char **argv);
