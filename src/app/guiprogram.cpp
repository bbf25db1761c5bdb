#include "app/guiprogram.h"

#include "app/mainwindow.h"
#include "controls/translation.h"
#include "frame/programpaths.h"
#include "frame/systemx.h"
#include "frame/tarvoscreen.h"
#include "frame/trvapplication.h"
#include "frame/trvinifile.h"
#include "points/controller.h"
#include "points/tablefolders.h"

#include <cstdio>

std::unique_ptr<TFMain> StartCalculatorWindow(const std::function<void(const QString &)> &warn)
{
    InstallFormTranslator();
    (void)SettingsFile();
    // The same tables as on the command line.
    RegisterTableFolders(Controller(), DefaultTableFolders(ProgramPaths().programFolder()), warn);

    SystemX().ShowStartScreen<TTrvFTarvoScreen>(1);
    auto window = std::make_unique<TFMain>();
    TTrvForm::SetMainForm(window.get());
    window->show();
    return window;
}

int RunCalculatorWindow(int &argc, char **argv)
{
    TTrvApplication app(argc, argv);
    std::unique_ptr<TFMain> window = StartCalculatorWindow([](const QString &warning) {
        std::fprintf(stderr, "mirevo: warning: %s\n", warning.toLocal8Bit().constData());
    });
    return app.exec();
}
