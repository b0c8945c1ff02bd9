// tavri-check FOLDER: checks an installation before it is put into use. Prints every
// problem with its file, line and reason, and exits with 0 only when there is none.
#include "InstallationCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Uso: tavri-check CARTELLA\n");
        return 2;
    }
    if (!QFileInfo(args[1]).isDir()) {
        std::fprintf(stderr, "tavri-check: la cartella \"%s\" non esiste.\n", qPrintable(args[1]));
        return 2;
    }
    const QStringList problems = InstallationCheck(args[1]).run();
    for (const QString &problem : problems)
        std::fprintf(stdout, "%s\n", problem.toUtf8().constData());
    if (problems.isEmpty()) {
        std::fprintf(stdout, "Installazione in %s: nessun problema.\n", qPrintable(QDir(args[1]).absolutePath()));
        return 0;
    }
    if (problems.size() == 1)
        std::fprintf(stdout, "1 problema trovato.\n");
    else
        std::fprintf(stdout, "%lld problemi trovati.\n", static_cast<long long>(problems.size()));
    return 1;
}
