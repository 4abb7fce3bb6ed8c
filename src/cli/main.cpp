// norvane-cli: the printer operations of the configuration utility, from a shell.

#include "RunCli.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(NORVANE_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QFile in;
    const bool hasInput = in.open(STDIN_FILENO, QIODevice::ReadOnly);
    return norvane::cli::RunCli(app.arguments().mid(1), out, err, hasInput ? &in : nullptr);
}
