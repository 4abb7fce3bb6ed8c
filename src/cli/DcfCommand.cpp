#include "DcfCommand.h"

#include "CliSession.h"
#include "ConfigFiles.h"
#include "PrinterText.h"
#include "config/ConfigDiff.h"

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

/// A value on a terminal line: texts quoted, with their quotes and controls escaped so a value can neither
/// end early nor drive the terminal.
QString shownText(const ShownValue& value)
{
    if (!value.bytes)
        return QStringLiteral("(not set)");
    if (!value.isText)
        return QString::fromLatin1(*value.bytes);
    return u'"' + TerminalText(*value.bytes).replace(u'"', QStringLiteral("\\x22")) + u'"';
}

int diff(CliSession& session, const QStringList& files)
{
    QString error;
    const auto first = LoadConfigFile(files[0], error);
    const auto second = first ? LoadConfigFile(files[1], error) : std::nullopt;
    if (!second) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitBadInput;
    }
    const QList<ConfigDifference> differences = CompareConfigs(*first, *second);
    for (const ConfigDifference& difference : differences)
        session.out << difference.field << ": " << shownText(difference.first) << " -> " << shownText(difference.second)
                    << '\n';
    session.out.flush();
    return differences.isEmpty() ? 0 : kExitDiffer;
}

} // namespace

QString DcfCommand::details() const
{
    return QStringLiteral(
        "  to-json    prints the configuration of a .dcf file as JSON, or writes it to OUT.json\n"
        "  from-json  writes a .dcf file from the JSON form\n"
        "  diff       compares two configurations (each a .dcf file or its JSON form) and prints one line\n"
        "             per field that differs: FIELD: A-VALUE -> B-VALUE, texts in double quotes, a\n"
        "             setting whose valid flag is clear as (not set). Exits 0 when they are equal, 1 when\n"
        "             they differ, like diff.\n");
}

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
        if (words.size() == 3 && words[0] == QStringLiteral("diff") && !unitChosen)
            return diff(session, words.mid(1));
        if (words.size() == 3 && words[0] == QStringLiteral("from-json"))
            return fromJson(session, words.mid(1), unit);
    }
    return kExitUsage;
}

} // namespace norvane::cli
