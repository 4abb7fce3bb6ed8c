// norvane-config: the desktop configuration utility for Norvane thermal label printers.

#include "MessageBoxPrompts.h"
#include "NorvaneApplication.h"
#include "TFormMain.h"
#include "i18n/UiLanguage.h"
#include "link/SystemTransportOpener.h"

#include <QCommandLineParser>
#include <cstdio>

using namespace norvane;
using namespace norvane::ui;

namespace {

/// --help and --version print and leave, so they need no display (a terminal over ssh, help2man).
bool AsksOnlyForInformation(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "-?" || argument == "--version" || argument == "-v")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (AsksOnlyForInformation(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    NorvaneApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norvane-config"));
    QApplication::setApplicationVersion(QStringLiteral(NORVANE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The Norvane Configuration Utility. The options are for development and the demo, with the virtual\n"
        "printer norvane-sim; the program itself starts with every setting at its default."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption usbRoot(
        QStringLiteral("usb-root"),
        QStringLiteral("Look for USB printers under DIR/sys and DIR/dev (what norvane-sim --usb DIR serves)."),
        QStringLiteral("DIR"));
    const QCommandLineOption net(QStringLiteral("net"),
                                 QStringLiteral("Preset the ETHERNET interface's host and port (default 9100)."),
                                 QStringLiteral("HOST:PORT"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Start in this interface language instead of the system's: %1.")
                                          .arg(LanguageCodes().join(u", ")),
                                      QStringLiteral("CODE"));
    parser.addOptions({usbRoot, net, language});
    parser.process(app);

    EthernetLinkSettings ethernet;
    if (parser.isSet(net) && !ParseNetworkTarget(parser.value(net), ethernet)) {
        std::fprintf(stderr, "norvane-config: --net takes HOST:PORT, not %s\n", qPrintable(parser.value(net)));
        return 64;
    }

    MainWindowEnvironment environment;
    if (parser.isSet(language)) {
        environment.language = LanguageFromCode(parser.value(language));
        if (!environment.language) {
            std::fprintf(stderr, "norvane-config: --language takes one of %s, not %s\n",
                         qPrintable(LanguageCodes().join(u", ")), qPrintable(parser.value(language)));
            return 64;
        }
    }
    if (parser.isSet(usbRoot)) {
        const QString dir = parser.value(usbRoot);
        environment.transportOpener = std::make_unique<SystemTransportOpener>(UsbDeviceRoots::under(dir));
    }

    MessageBoxPrompts prompts(QString::fromLatin1(kMainWindowCaption));
    TFormMain window(prompts, std::move(environment));
    window.linkSettings().ethernet = ethernet;
    window.show();
    return app.exec();
}
