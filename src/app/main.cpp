#include "app/cli.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

// Entry point. With a command the program answers on the command line; without one it will open the
// calculator window, and until that exists it prints the help.
int main(int argc, char *argv[])
{
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
