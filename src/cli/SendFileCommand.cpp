#include "SendFileCommand.h"

#include "CliSession.h"
#include "SourceFiles.h"
#include "files/DownloadRequest.h"

namespace norvane::cli {

QString SendFileCommand::details() const
{
    return QStringLiteral("Sends the bytes of FILE (\"-\": standard input) unchanged, with nothing added: a script\n"
                          "whose last line has no line end goes out without one. At most %1 bytes.\n")
        .arg(kDownloadFileLimit);
}

int SendFileCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList files = arguments.positionalArguments();
    if (files.size() != 1)
        return kExitUsage;
    const auto bytes = ReadSourceBytes(session, files.first());
    if (!bytes)
        return kExitBadInput;
    return static_cast<int>(session.run<OperationCode::SendRawBytes>(*bytes, static_cast<std::int32_t>(bytes->size())));
}

} // namespace norvane::cli
