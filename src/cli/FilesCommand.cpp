#include "FilesCommand.h"

#include "CliSession.h"
#include "FileChoices.h"
#include "FileDownload.h"
#include "FileListOutput.h"
#include "PasswordGate.h"
#include "files/DownloadRequest.h"

#include <memory>

namespace norvane::cli {

namespace {

constexpr QLatin1StringView kJsonOption("json");
constexpr QLatin1StringView kPasswordFileOption("printer-password-file");

/// The first of this command's options that `word` does not take, or an empty text.
QString foreignOption(const QCommandLineParser& arguments, const QList<QLatin1StringView>& taken)
{
    for (const QLatin1StringView option : {kJsonOption, kTypeOption, kNameOption, kMemoryOption, kPasswordFileOption}) {
        if (arguments.isSet(option) && !taken.contains(option))
            return QStringLiteral("--") + option;
    }
    return {};
}

int list(CliSession& session, const QCommandLineParser& arguments)
{
    // About 196 KB: too much for the stack.
    const auto store = std::make_unique<FileListStore>();
    const ResultCode result = session.run<OperationCode::ReadFileLists>(*store);
    if (result != ResultCode::Success)
        return static_cast<int>(result);
    if (arguments.isSet(kJsonOption))
        session.out << QString::fromUtf8(FileListJson(*store));
    else
        session.out << FileListText(*store);
    session.out.flush();
    return 0;
}

int format(CliSession& session, const QCommandLineParser& arguments)
{
    const auto memory = MemoryFromName(arguments.value(kMemoryOption));
    if (!memory) {
        session.err << "norvane-cli: files format takes --memory " << MemoryNames() << Qt::endl;
        return kExitUsage;
    }
    if (const int status = PassPasswordGate(session, arguments); status != 0)
        return status;
    const auto number = static_cast<std::int32_t>(*memory);
    return static_cast<int>(session.run<OperationCode::DeleteFiles>(number));
}

} // namespace

QString FilesCommand::usage() const
{
    return QStringLiteral("files list [--json] | download FILE [--type TYPE] [--name NAME] [--memory MEMORY] "
                          "| format --memory MEMORY");
}

QString FilesCommand::details() const
{
    return QStringLiteral(
               "  list        prints, for DRAM, FLASH and CARD, a line \"MEMORY PHYSICAL FREE\" (kilobytes,\n"
               "              \"-\" where not known; the card's free space never is), then each file after\n"
               "              two spaces as the printer sent it; --json prints one JSON object instead\n"
               "  download    puts FILE into a memory (FLASH by default) under NAME (at most %1 characters;\n"
               "              by default the file's name without extension cut to 8 characters, and the\n"
               "              type's extension). The type follows the extension (.bmp, .pcx, .ttf, .bas,\n"
               "              .new firmware, .tcf; data otherwise) unless --type names it. Firmware and TCF\n"
               "              files go to the printer as they are, without name or memory, and the printer\n"
               "              loads them: \"%2\"\n"
               "  format      erases every file of the memory\n\n")
               .arg(kMaxPrinterFileNameLength)
               .arg(QLatin1StringView(kRawFileSentMessage)) +
           PrinterPasswordHelp();
}

QList<QCommandLineOption> FilesCommand::options() const
{
    return {
        {kJsonOption, QStringLiteral("list: print JSON")},
        {kTypeOption, QStringLiteral("download: the file's type"), FileTypeNames()},
        {kNameOption, QStringLiteral("download: the file's name in the printer"), QStringLiteral("NAME")},
        {kMemoryOption, QStringLiteral("download (default flash), format: the memory"), MemoryNames()},
        PrinterPasswordFileOption(),
    };
}

int FilesCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    const QString action = words.value(0);
    QList<QLatin1StringView> taken;
    if (action == QStringLiteral("list") && words.size() == 1)
        taken = {kJsonOption};
    else if (action == QStringLiteral("download") && words.size() == 2)
        taken = {kTypeOption, kNameOption, kMemoryOption, kPasswordFileOption};
    else if (action == QStringLiteral("format") && words.size() == 1)
        taken = {kMemoryOption, kPasswordFileOption};
    else
        return kExitUsage;
    if (const QString option = foreignOption(arguments, taken); !option.isEmpty()) {
        session.err << "norvane-cli: files " << action << " does not take " << option << Qt::endl;
        return kExitUsage;
    }
    if (action == QStringLiteral("list"))
        return list(session, arguments);
    if (action == QStringLiteral("download"))
        return DownloadFileCommand(session, arguments, words[1]);
    return format(session, arguments);
}

} // namespace norvane::cli
