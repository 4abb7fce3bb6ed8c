#include "ReadConfigCommand.h"

#include "CliSession.h"
#include "ConfigFiles.h"

namespace norvane::cli {

QList<QCommandLineOption> ReadConfigCommand::options() const
{
    return {
        {QStringLiteral("json"), QStringLiteral("write the JSON form to FILE (\"-\": stdout, the default)"),
         QStringLiteral("FILE|-")},
        {QStringLiteral("dcf"), QStringLiteral("write a .dcf file"), QStringLiteral("FILE")},
        {QStringLiteral("unit"), QStringLiteral("the unit of the .dcf file and of the record in it"),
         QStringLiteral("inch|mm")},
    };
}

int ReadConfigCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    std::optional<LengthUnit> unit;
    if (arguments.isSet(QStringLiteral("unit")))
        unit = UnitFromName(arguments.value(QStringLiteral("unit")));
    if (!arguments.positionalArguments().isEmpty() || (arguments.isSet(QStringLiteral("unit")) && !unit))
        return kExitUsage;

    PrinterConfig config;
    const ResultCode result = session.run<OperationCode::ReadConfiguration>(config, 1);
    if (result != ResultCode::Success)
        return static_cast<int>(result);
    const LengthUnit fileUnit = ApplyUnit(config, unit);

    QString error;
    const QString dcfPath = arguments.value(QStringLiteral("dcf"));
    if (!dcfPath.isEmpty() && !SaveDcfFile(dcfPath, {config, fileUnit, {}}, error)) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitCannotWrite;
    }
    const QString jsonPath = arguments.isSet(QStringLiteral("json")) ? arguments.value(QStringLiteral("json"))
                             : dcfPath.isEmpty()                     ? QStringLiteral("-")
                                                                     : QString();
    if (!jsonPath.isEmpty() && !WriteJsonOutput(config, jsonPath, session.out, error)) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitCannotWrite;
    }
    return 0;
}

} // namespace norvane::cli
