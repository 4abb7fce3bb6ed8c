#include "DumpCommand.h"

#include "CliSession.h"
#include "ConfigFiles.h"
#include "config/SavedFile.h"
#include "protocol/CommandFormat.h"
#include "protocol/DumpOperations.h"

namespace norvane::cli {

namespace {

constexpr QLatin1StringView kNameOption("name");

int usageError(CliSession& session, const QString& message)
{
    session.err << "norvane-cli: " << message << Qt::endl;
    return kExitUsage;
}

/// A printer file name of 1 to `limit` characters that the printer's quotes can carry.
bool sendableName(const QString& name, qsizetype limit)
{
    const QByteArray bytes = name.toLatin1();
    return !name.isEmpty() && name.size() <= limit && QString::fromLatin1(bytes) == name && QuotableText(bytes);
}

int start(CliSession& session, const QStringList& words)
{
    DumpRequest request;
    const QString& target = words.value(1);
    if (target == QStringLiteral("print") && words.size() == 2) {
        request.mode = static_cast<std::int32_t>(DumpMode::PrintLabel);
    } else if (target == QStringLiteral("file") && words.size() == 2) {
        request.mode = static_cast<std::int32_t>(DumpMode::SaveToFile);
    } else if (target == QStringLiteral("sd") && words.size() == 3) {
        if (!sendableName(words[2], kDumpCardNameLimit))
            return usageError(session, QStringLiteral("dump start sd takes a name of 1 to %1 characters without "
                                                      "double quotes or control characters")
                                           .arg(kDumpCardNameLimit));
        request.mode = static_cast<std::int32_t>(DumpMode::SaveToCard);
        request.fileName = words[2].toLatin1();
    } else {
        return kExitUsage;
    }
    request.confirmed = true;
    return static_cast<int>(session.run<OperationCode::StartDumpMode>(request));
}

int fetch(CliSession& session, const QCommandLineParser& arguments, const QString& target)
{
    PrinterFileRequest request;
    if (arguments.isSet(kNameOption)) {
        const QString name = arguments.value(kNameOption);
        if (!sendableName(name, kPrinterFileNameLimit))
            return usageError(session, QStringLiteral("--name takes a name of 1 to %1 characters without double "
                                                      "quotes or control characters")
                                           .arg(kPrinterFileNameLimit));
        request.fileName = name.toLatin1();
    }
    // Only the last try's failure is reported.
    const ResultCode result = FetchPrinterFile(*session.dispatcher, session.kind, request);
    if (result != ResultCode::Success) {
        session.err << ResultMessage(result) << Qt::endl;
        return static_cast<int>(result);
    }
    QString error;
    if (!SaveWholeFile(target, request.contents, error)) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitCannotWrite;
    }
    return 0;
}

} // namespace

QString DumpCommand::details() const
{
    return QStringLiteral(
               "  start print     the printer prints what it receives as text on labels\n"
               "  start sd NAME   it keeps the text in the file NAME (at most %1 characters) on its card\n"
               "  start file      it keeps the text in its own file Dump.txt, for \"dump fetch\"\n"
               "  fetch OUT       brings the printer file (Dump.txt, or --name FILE of at most %2 characters)\n"
               "                  into OUT; a reply that does not come, or exceeds 1 MiB, is asked for again, up\n"
               "                  to %3 times. OUT is written only when the whole file arrived, and replaced\n"
               "                  only once it is completely written (73 when it cannot be)\n")
        .arg(kDumpCardNameLimit)
        .arg(kPrinterFileNameLimit)
        .arg(kPrinterFileTries);
}

QList<QCommandLineOption> DumpCommand::options() const
{
    return {{kNameOption, QStringLiteral("fetch: the printer file (default Dump.txt)"), QStringLiteral("FILE")}};
}

int DumpCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    const QString action = words.value(0);
    if (action == QStringLiteral("fetch") && words.size() == 2)
        return fetch(session, arguments, words[1]);
    if (arguments.isSet(kNameOption))
        return usageError(session, QStringLiteral("only dump fetch takes --name"));
    if (action == QStringLiteral("start"))
        return start(session, words);
    return kExitUsage;
}

} // namespace norvane::cli
