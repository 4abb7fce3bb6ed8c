#include "DcfCommand.h"

#include "CliSession.h"
#include "ConfigFiles.h"

namespace norvane::cli {

namespace {

int toJson(CliSession& session, const QStringList& files)
{
    QString error;
    const auto config = LoadConfigFile(files[0], error);
    if (!config) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitBadInput;
    }
    if (!WriteJsonOutput(*config, files.value(1, QStringLiteral("-")), session.out, error)) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitCannotWrite;
    }
    return 0;
}

int fromJson(CliSession& session, const QStringList& files, std::optional<LengthUnit> unit)
{
    QString error;
    auto config = LoadConfigFile(files[0], error);
    if (!config) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitBadInput;
    }
    const LengthUnit fileUnit = ApplyUnit(*config, unit);
    if (!SaveDcfFile(files[1], {*config, fileUnit, {}}, error)) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitCannotWrite;
    }
    return 0;
}

} // namespace

QList<QCommandLineOption> DcfCommand::options() const
{
    return {{QStringLiteral("unit"), QStringLiteral("from-json: the unit of the .dcf file and of the record in it"),
             QStringLiteral("inch|mm")}};
}

int DcfCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    const bool unitChosen = arguments.isSet(QStringLiteral("unit"));
    const auto unit = unitChosen ? UnitFromName(arguments.value(QStringLiteral("unit"))) : std::nullopt;
    if (!unitChosen || unit) {
        if (words.size() >= 2 && words.size() <= 3 && words[0] == QStringLiteral("to-json") && !unitChosen)
            return toJson(session, words.mid(1));
        if (words.size() == 3 && words[0] == QStringLiteral("from-json"))
            return fromJson(session, words.mid(1), unit);
    }
    return kExitUsage;
}

} // namespace norvane::cli
