#include "app/cli.h"
#include "app/guiprogram.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

// Entry point. Without a command the calculator window opens; with one the program answers on the
// command line and needs no display.
int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!CliHasCommand(args))
        return RunCalculatorWindow(argc, argv);

    QCoreApplication app(argc, argv);
    QFile in;
    QFile out;
    QFile err;
    in.open(stdin, QIODevice::ReadOnly);
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    PrepareCli(err);
    return RunCli(app.arguments().mid(1), in, out, err);
}
