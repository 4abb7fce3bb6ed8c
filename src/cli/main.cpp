// norvane-cli: the printer operations of the configuration utility, from a shell.

#include "RunCli.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return norvane::cli::RunCli(app.arguments().mid(1), out, err);
}
