// Shows the start screen, then the about box and the project chooser, for looking at them on a real
// display (or under xvfb-run with a screenshot). Usage: frame_showcase start|about|chooser|error
#include "frame/bsuivisual.h"
#include "frame/configselect.h"
#include "frame/systemx.h"
#include "frame/tarvoscreen.h"
#include "frame/trvapplication.h"

#include <QTimer>

int main(int argc, char **argv)
{
    TTrvApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? argv[1] : "start";
    QTimer::singleShot(30000, &app, &QApplication::quit);
    if (mode == "start") {
        SystemX().ShowStartScreen<TTrvFTarvoScreen>(1);
        return app.exec();
    }
    if (mode == "about") {
        SystemX().ShowAbout();
        return 0;
    }
    if (mode == "chooser") {
        TFBSConfigSelect chooser(QStringLiteral("Mirevo"), {QStringLiteral("A-Verein"), QStringLiteral("B-Verein")},
                                 QStringLiteral("B-Verein"));
        return chooser.exec();
    }
    if (mode == "error") {
        BSUI().ShowError(QStringLiteral("Versionsinfo: CompanyName fehlt!"));
        return 0;
    }
    return 2;
}
