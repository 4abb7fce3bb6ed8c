// norvane-cli: the printer operations of the configuration utility, from a shell.

#include "RunCli.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

/// Only the font commands draw, and drawing needs a graphical application; the others start without one.
bool drawsGlyphs(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "font") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    std::unique_ptr<QCoreApplication> application;
    if (drawsGlyphs(argc, argv)) {
        // The tool never shows a window: it draws off screen, with or without a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationVersion(QStringLiteral(NORVANE_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QFile in;
    const bool hasInput = in.open(STDIN_FILENO, QIODevice::ReadOnly);
    return norvane::cli::RunCli(app.arguments().mid(1), out, err, hasInput ? &in : nullptr);
}
