#include "FileDownload.h"

#include "CliSession.h"
#include "FileChoices.h"
#include "PasswordGate.h"
#include "PrinterText.h"
#include "SourceFiles.h"
#include "files/DownloadRequest.h"
#include "protocol/CommandFormat.h"

namespace norvane::cli {

namespace {

int usageError(CliSession& session, const QString& message)
{
    session.err << "norvane-cli: " << message << Qt::endl;
    return kExitUsage;
}

/// The printer name as its Latin-1 bytes, or the exit status after saying why it cannot be sent.
int takePrinterName(CliSession& session, const QString& name, QByteArray& bytes)
{
    if (PrinterFileNameTooLong(name)) {
        session.err << kFileNameTooLongMessage << Qt::endl;
        return kExitUsage;
    }
    const auto latin1 = PrinterBytes(name);
    if (!latin1)
        return usageError(session, QStringLiteral("the printer file name %1 may hold Latin-1 characters only; "
                                                  "give another with --name")
                                       .arg(name));
    if (latin1->isEmpty())
        return usageError(session, QStringLiteral("the printer file name is empty; give one with --name"));
    if (!QuotableText(*latin1))
        return usageError(session, QStringLiteral("the printer file name %1 may hold no double quote and no "
                                                  "control character")
                                       .arg(TerminalText(*latin1)));
    bytes = *latin1;
    return 0;
}

/// Firmware and TCF images: no name, no memory, the printer loads them itself.
int sendRaw(CliSession& session, const QCommandLineParser& arguments, const QString& path)
{
    if (arguments.isSet(kNameOption) || arguments.isSet(kMemoryOption))
        return usageError(session, QStringLiteral("firmware and TCF files go to the printer as they are, "
                                                  "without --name or --memory"));
    const auto bytes = ReadSourceBytes(session, path);
    if (!bytes)
        return kExitBadInput;
    if (const int status = PassPasswordGate(session, arguments); status != 0)
        return status;
    const ResultCode result =
        session.run<OperationCode::SendRawBytes>(*bytes, static_cast<std::int32_t>(bytes->size()));
    if (result == ResultCode::Success)
        session.out << kRawFileSentMessage << Qt::endl;
    return static_cast<int>(result);
}

} // namespace

int DownloadFileCommand(CliSession& session, const QCommandLineParser& arguments, const QString& path)
{
    if (path == QStringLiteral("-"))
        return usageError(session, QStringLiteral("files download reads a file, not standard input"));
    PrinterFileType type = FileTypeOfPath(path);
    if (arguments.isSet(kTypeOption)) {
        const auto chosen = FileTypeFromName(arguments.value(kTypeOption));
        if (!chosen)
            return usageError(session, QStringLiteral("--type does not take %1").arg(arguments.value(kTypeOption)));
        type = *chosen;
    }
    if (FileTypeInfo(type).sentRaw)
        return sendRaw(session, arguments, path);

    DownloadRequest request{path, {}, MemoryDevice::Flash};
    if (arguments.isSet(kMemoryOption)) {
        const auto memory = MemoryFromName(arguments.value(kMemoryOption));
        if (!memory)
            return usageError(session, QStringLiteral("--memory does not take %1").arg(arguments.value(kMemoryOption)));
        request.memory = *memory;
    }
    const QString name = arguments.isSet(kNameOption) ? arguments.value(kNameOption) : BrowsePrinterName(path, type);
    if (const int status = takePrinterName(session, name, request.printerName); status != 0)
        return status;
    if (QString error; !CheckSourceFile(path, error)) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitBadInput;
    }
    if (const int status = PassPasswordGate(session, arguments); status != 0)
        return status;
    return static_cast<int>(session.run<OperationCode::DownloadFile>(request));
}

} // namespace norvane::cli
