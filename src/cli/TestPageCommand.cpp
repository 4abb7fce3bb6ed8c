#include "TestPageCommand.h"

#include "CliSession.h"
#include "ConfigFiles.h"
#include "config/LengthUnits.h"
#include "files/TestPage.h"

namespace norvane::cli {

namespace {

constexpr QLatin1StringView kWidthOption("width");
constexpr QLatin1StringView kHeightOption("height");
constexpr QLatin1StringView kUnitOption("unit");

int usageError(CliSession& session, const QString& message)
{
    session.err << "norvane-cli: " << message << Qt::endl;
    return kExitUsage;
}

/// Replaces the printer's length with the one given in the unit, in dots of the printer's resolution.
int takeLength(CliSession& session, const QCommandLineParser& arguments, QLatin1StringView option, double dotsPerUnit,
               PrinterConfig::Float& length)
{
    if (!arguments.isSet(option))
        return 0;
    // An empty length is a missing one, as an empty field on the page: the request says which.
    if (arguments.value(option).trimmed().isEmpty()) {
        length.valid = 0;
        return 0;
    }
    QString error;
    const auto dots = LengthTextToDots(arguments.value(option), dotsPerUnit, QLocale::c(), error);
    if (!dots)
        return usageError(session, QStringLiteral("--%1: %2").arg(option, error));
    if (*dots > kTestPageMaxPaperDots)
        return usageError(session,
                          QStringLiteral("--%1 %2 is longer than any label").arg(option, arguments.value(option)));
    length.set(*dots);
    return 0;
}

} // namespace

QString TestPageCommand::details() const
{
    return QStringLiteral(
               "Reads the printer's configuration first; a failed read exits with its code. The label takes the\n"
               "printer's paper width and height, or --width and --height in the unit (inch by default), converted\n"
               "with the printer's own dots per inch or per mm. \"%1\", \"%2\" and \"%3\" exit with 64.\n")
        .arg(QLatin1StringView(kReadConfigFirstMessage), QLatin1StringView(kEnterPaperWidthMessage),
             QLatin1StringView(kEnterPaperHeightMessage));
}

QList<QCommandLineOption> TestPageCommand::options() const
{
    return {
        {kWidthOption, QStringLiteral("the label's width in the unit"), QStringLiteral("L")},
        {kHeightOption, QStringLiteral("the label's height in the unit"), QStringLiteral("L")},
        {kUnitOption, QStringLiteral("the unit of --width and --height (default inch)"), QStringLiteral("inch|mm")},
    };
}

int TestPageCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    if (!arguments.positionalArguments().isEmpty())
        return kExitUsage;
    const bool sizeGiven = arguments.isSet(kWidthOption);
    if (arguments.isSet(kHeightOption) != sizeGiven)
        return usageError(session, QStringLiteral("--width and --height go together"));
    LengthUnit unit = LengthUnit::Inch;
    if (arguments.isSet(kUnitOption)) {
        const auto chosen = UnitFromName(arguments.value(kUnitOption));
        if (!chosen)
            return usageError(session, QStringLiteral("--unit does not take %1").arg(arguments.value(kUnitOption)));
        if (!sizeGiven)
            return usageError(session, QStringLiteral("--unit is the unit of --width and --height"));
        unit = *chosen;
    }

    PrinterConfig config;
    if (const ResultCode result = session.run<OperationCode::ReadConfiguration>(config, 0);
        result != ResultCode::Success)
        return static_cast<int>(result);
    QString message;
    if (config.dpiValid != 0) {
        const double dotsPerUnit = DotsPerUnit(config, unit);
        for (const auto& [option, length] :
             {std::pair{kWidthOption, &config.paperWidth}, std::pair{kHeightOption, &config.paperHeight}}) {
            if (const int status = takeLength(session, arguments, option, dotsPerUnit, *length); status != 0)
                return status;
        }
    }
    const auto request = MakeTestPageRequest(config, message);
    if (!request) {
        session.err << message << Qt::endl;
        return kExitUsage;
    }
    return static_cast<int>(session.run<OperationCode::PrintTestPage>(*request));
}

} // namespace norvane::cli
