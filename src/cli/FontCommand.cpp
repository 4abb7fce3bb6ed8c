#include "FontCommand.h"

#include "CliSession.h"
#include "ConfigFiles.h"
#include "FileChoices.h"
#include "FileDownload.h"
#include "FontOptions.h"
#include "PasswordGate.h"
#include "PrinterText.h"
#include "files/DownloadRequest.h"
#include "fonts/BitmapFontFile.h"
#include "fonts/FontMaker.h"
#include "fonts/FontSheet.h"
#include "protocol/CommandFormat.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTemporaryDir>

namespace norvane::cli {

namespace {

constexpr QLatin1StringView kOutputOption("o");
constexpr char kDefaultPrinterFontName[] = "FONT001";
/// A font file read back for drawing; a grid of 24 162 glyphs at 64 pixels is about 15 MB.
constexpr qint64 kFontFileLimit = 64 * 1024 * 1024;

int usageError(CliSession& session, const QString& message)
{
    session.err << "norvane-cli: " << message << Qt::endl;
    return kExitUsage;
}

int make(CliSession& session, const QCommandLineParser& arguments, const QString& output)
{
    BitmapFontParams params;
    if (const int status = TakeFontParams(session, arguments, params); status != 0)
        return status;
    params.outputPath = output;
    if (!MakeFont(params, session.progress)) {
        session.err << kMakeFontErrorMessage << Qt::endl;
        return kExitCannotWrite;
    }
    return 0;
}

int download(CliSession& session, const QCommandLineParser& arguments)
{
    BitmapFontParams params;
    if (const int status = TakeFontParams(session, arguments, params); status != 0)
        return status;
    DownloadRequest request;
    const QString name = arguments.isSet(kNameOption) ? arguments.value(kNameOption) : kDefaultPrinterFontName;
    if (PrinterFileNameTooLong(name)) {
        session.err << kFileNameTooLongMessage << Qt::endl;
        return kExitUsage;
    }
    const auto bytes = PrinterBytes(name);
    if (!bytes || bytes->isEmpty() || !QuotableText(*bytes))
        return usageError(session, QStringLiteral("the printer font name must be Latin-1 text without double "
                                                  "quote or control character"));
    request.printerName = *bytes;
    if (arguments.isSet(kMemoryOption)) {
        const auto memory = MemoryFromName(arguments.value(kMemoryOption));
        if (!memory)
            return usageError(session, QStringLiteral("--memory does not take %1").arg(arguments.value(kMemoryOption)));
        request.memory = *memory;
    }
    if (const int status = PassPasswordGate(session, arguments); status != 0)
        return status;
    // Made in a folder of its own, which goes with the file once it has been sent.
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        session.err << kMakeFontErrorMessage << Qt::endl;
        return kExitCannotWrite;
    }
    params.outputPath = folder.filePath(QStringLiteral("TEMP.BMF"));
    if (!MakeFont(params, session.progress)) {
        session.err << kMakeFontErrorMessage << Qt::endl;
        return kExitCannotWrite;
    }
    request.sourcePath = params.outputPath;
    return static_cast<int>(session.run<OperationCode::DownloadFile>(request));
}

int show(CliSession& session, const QString& path, const QString& output)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kFontFileLimit) {
        session.err << "norvane-cli: " << path << ": cannot be read as a bitmap font file" << Qt::endl;
        return kExitBadInput;
    }
    QString error;
    const std::optional<BitmapFontFile> font = ReadBitmapFont(file.readAll(), error);
    if (!font) {
        session.err << "norvane-cli: " << path << ": " << error << Qt::endl;
        return kExitBadInput;
    }
    QSaveFile png(output);
    if (!png.open(QIODevice::WriteOnly) || !QImageWriter(&png, "png").write(DrawFontSheet(*font)) || !png.commit()) {
        session.err << "norvane-cli: " << output << ": cannot be written" << Qt::endl;
        return kExitCannotWrite;
    }
    session.out << font->glyphs.size() << " glyphs drawn into " << output << Qt::endl;
    return 0;
}

} // namespace

QString FontCommand::usage() const
{
    return QStringLiteral("font make OUT.bmf FONT [options] | download FONT [options] [--name NAME] "
                          "[--memory MEMORY] | show FILE.bmf -o OUT.png");
}

QString FontCommand::details() const
{
    return QStringLiteral(
               "  FONT is --family NAME [--style STYLE] or --font-file PATH (.ttf, .otf, .ttc).\n"
               "  make        writes the bitmap font to OUT.bmf (replaced only once complete). By default the\n"
               "              codes 32 to 127, variable pitch, the cell measured on \"W\" (on the character E0 A2\n"
               "              for the Asian encodings), italic width 3/10 of the width for an italic style\n"
               "  download    makes the font in a private temporary folder and puts it into a memory (FLASH\n"
               "              by default) under NAME (default FONT001, at most %1 characters)\n"
               "  show        draws every glyph of a bitmap font file, labelled with its code, into a PNG\n\n"
               "  Options that break the font rules print \"%2\" and exit 64; a font that cannot be made\n"
               "  prints \"%3\" and exits 73.\n\n")
               .arg(kMaxPrinterFileNameLength)
               .arg(QLatin1StringView(kFontParameterErrorMessage), QLatin1StringView(kMakeFontErrorMessage)) +
           PrinterPasswordHelp();
}

QList<QCommandLineOption> FontCommand::options() const
{
    QList<QCommandLineOption> options = FontMakingOptions();
    options += {
        {kNameOption, QStringLiteral("download: the font's name in the printer (default FONT001)"),
         QStringLiteral("NAME")},
        {kMemoryOption, QStringLiteral("download: the memory (default flash)"), MemoryNames()},
        {kOutputOption, QStringLiteral("show: the PNG to write"), QStringLiteral("OUT.png")},
        PrinterPasswordFileOption(),
    };
    return options;
}

int FontCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    const QString action = words.value(0);
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return usageError(session, QStringLiteral("font commands draw glyphs and need the graphical application"));
    const bool printerOptions = arguments.isSet(kNameOption) || arguments.isSet(kMemoryOption);
    if (action == QStringLiteral("make") && words.size() == 2 && !printerOptions && !arguments.isSet(kOutputOption))
        return make(session, arguments, words[1]);
    if (action == QStringLiteral("download") && words.size() == 1 && !arguments.isSet(kOutputOption))
        return download(session, arguments);
    if (action == QStringLiteral("show") && words.size() == 2 && arguments.isSet(kOutputOption) && !printerOptions)
        return show(session, words[1], arguments.value(kOutputOption));
    return kExitUsage;
}

} // namespace norvane::cli
