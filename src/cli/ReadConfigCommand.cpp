#include "ReadConfigCommand.h"

#include "ArgumentReader.h"
#include "CliSession.h"
#include "ConfigFiles.h"

namespace norvane::cli {

int ReadConfigCommand::execute(CliSession& session, const QStringList& arguments)
{
    const CommandArguments parsed = ReadArguments(arguments, {"--json", "--dcf", "--unit"});
    std::optional<LengthUnit> unit;
    if (parsed.options.contains(QStringLiteral("--unit")))
        unit = UnitFromName(parsed.options[QStringLiteral("--unit")]);
    if (!parsed.error.isEmpty() || !parsed.positional.isEmpty() ||
        (parsed.options.contains(QStringLiteral("--unit")) && !unit)) {
        session.err << "usage: norvane-cli [LINK] " << usage() << Qt::endl;
        return kExitUsage;
    }

    PrinterConfig config;
    const ResultCode result = session.run<OperationCode::ReadConfiguration>(config, 1);
    if (result != ResultCode::Success)
        return static_cast<int>(result);
    const LengthUnit fileUnit = ApplyUnit(config, unit);

    QString error;
    const QString dcfPath = parsed.options.value(QStringLiteral("--dcf"));
    if (!dcfPath.isEmpty() && !SaveDcfFile(dcfPath, {config, fileUnit, {}}, error)) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitCannotWrite;
    }
    const QString jsonPath =
        parsed.options.value(QStringLiteral("--json"), dcfPath.isEmpty() ? QStringLiteral("-") : QString());
    if (!jsonPath.isEmpty() && !WriteJsonOutput(config, jsonPath, session.out, error)) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitCannotWrite;
    }
    return 0;
}

} // namespace norvane::cli
