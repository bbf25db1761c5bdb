#include <QCoreApplication>
#include <QTextStream>

// Entry point. Until the calculator window and the command-line calculator exist, the program says what
// it is and how to reach its functions.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "Mirevo: swim times to performance points and back.\n"
           "The command-line calculator and the calculator window are not built yet.\n";
    return 0;
}
