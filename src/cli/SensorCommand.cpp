#include "SensorCommand.h"

#include "CliSession.h"
#include "ConfigFiles.h"
#include "PasswordGate.h"
#include "config/LengthUnits.h"
#include "config/SensorCalibration.h"

namespace norvane::cli {

namespace {

constexpr QLatin1StringView kMediaOption("media");
constexpr QLatin1StringView kHeightOption("height");
constexpr QLatin1StringView kGapOption("gap");
constexpr QLatin1StringView kUnitOption("unit");
constexpr QLatin1StringView kIntensityOption("intensity");
constexpr QLatin1StringView kThresholdOption("threshold");
constexpr QLatin1StringView kPasswordFileOption("printer-password-file");

const QStringList kMediaNames{QStringLiteral("gap"), QStringLiteral("bline"), QStringLiteral("continuous"),
                              QStringLiteral("auto")};

int usageError(CliSession& session, const QString& message)
{
    session.err << "norvane-cli: " << message << Qt::endl;
    return kExitUsage;
}

/// The first option set that the action does not take, or an empty text.
QString foreignOption(const QCommandLineParser& arguments, const QList<QLatin1StringView>& taken)
{
    for (const QLatin1StringView option : {kMediaOption, kHeightOption, kGapOption, kUnitOption, kIntensityOption,
                                           kThresholdOption, kPasswordFileOption}) {
        if (arguments.isSet(option) && !taken.contains(option))
            return QStringLiteral("--") + option;
    }
    return {};
}

int read(CliSession& session)
{
    SensorCalibration calibration;
    if (const ResultCode result = session.run<OperationCode::ReadSensorSettings>(calibration);
        result != ResultCode::Success)
        return static_cast<int>(result);
    session.out << QStringLiteral("{\"mediaType\": %1, \"intensity\": %2, \"threshold\": %3}")
                       .arg(calibration.mediaType)
                       .arg(calibration.intensity)
                       .arg(calibration.threshold)
                << Qt::endl;
    return 0;
}

int values(CliSession& session, const QString& sensor)
{
    SensorReadings readings;
    readings.sensorKind = sensor == QStringLiteral("bline") ? MediaBlackMark : MediaGap;
    if (const ResultCode result = session.run<OperationCode::ReadSensorValues>(readings); result != ResultCode::Success)
        return static_cast<int>(result);
    for (const std::int32_t value : readings.values)
        session.out << value << '\n';
    session.out.flush();
    return 0;
}

/// A positive length in whole printer dots: converted with `dotsPerUnit`, or taken as dots without it.
int takeLength(CliSession& session, const QCommandLineParser& arguments, QLatin1StringView option,
               std::optional<double> dotsPerUnit, std::int32_t& dots)
{
    const QString text = arguments.value(option);
    QString error;
    std::optional<std::int32_t> converted;
    if (dotsPerUnit) {
        converted = LengthTextToWholeDots(text, *dotsPerUnit, QLocale::c(), error);
    } else {
        bool ok = false;
        converted = text.toInt(&ok);
        if (!ok) {
            converted.reset();
            error = InvalidIntegerMessage(text);
        }
    }
    if (!converted)
        return usageError(session, QStringLiteral("--%1: %2").arg(option, error));
    if (*converted <= 0)
        return usageError(session, QStringLiteral("--%1 %2 is less than one dot").arg(option, text));
    dots = *converted;
    return 0;
}

/// The lengths' dots per unit: the printer's own resolution, read from it; nothing for --unit dots.
int lengthFactor(CliSession& session, const QCommandLineParser& arguments, std::optional<double>& dotsPerUnit)
{
    const QString unitName = arguments.isSet(kUnitOption) ? arguments.value(kUnitOption) : QStringLiteral("inch");
    if (unitName == QStringLiteral("dots"))
        return 0;
    const auto unit = UnitFromName(unitName);
    if (!unit)
        return usageError(session, QStringLiteral("--unit does not take %1").arg(unitName));
    PrinterConfig config;
    if (const ResultCode result = session.run<OperationCode::ReadConfiguration>(config, 0);
        result != ResultCode::Success)
        return static_cast<int>(result);
    const double factor = DotsPerUnit(config, *unit);
    if (config.dpiValid == 0 || factor < kMinimumDotsPerMm)
        return usageError(session,
                          QStringLiteral("the printer did not tell its resolution; give the lengths with --unit dots"));
    dotsPerUnit = factor;
    return 0;
}

int calibrateAuto(CliSession& session, const QCommandLineParser& arguments, SensorCalibration& calibration)
{
    const bool lengthsGiven = arguments.isSet(kHeightOption);
    if (arguments.isSet(kGapOption) != lengthsGiven)
        return usageError(session, QStringLiteral("--height and --gap go together"));
    if (arguments.isSet(kUnitOption) && !lengthsGiven)
        return usageError(session, QStringLiteral("--unit is the unit of --height and --gap"));
    calibration.mode = CalibrationAuto;
    if (!lengthsGiven)
        return 0;
    std::optional<double> dotsPerUnit;
    if (const int status = lengthFactor(session, arguments, dotsPerUnit); status != 0)
        return status;
    if (const int status = takeLength(session, arguments, kHeightOption, dotsPerUnit, calibration.paperHeight);
        status != 0)
        return status;
    return takeLength(session, arguments, kGapOption, dotsPerUnit, calibration.gap);
}

/// A whole number from 0 up, as the printer's intensity steps and threshold are.
int takeSetting(CliSession& session, const QCommandLineParser& arguments, QLatin1StringView option, std::int32_t& value)
{
    bool ok = false;
    value = arguments.value(option).toInt(&ok);
    if (!ok || value < 0)
        return usageError(session, QStringLiteral("--%1 takes a whole number from 0 up").arg(option));
    return 0;
}

int calibrateManual(CliSession& session, const QCommandLineParser& arguments, SensorCalibration& calibration)
{
    if (!arguments.isSet(kIntensityOption))
        return usageError(session, QStringLiteral("sensor calibrate manual needs --intensity"));
    calibration.mode = CalibrationManual;
    if (const int status = takeSetting(session, arguments, kIntensityOption, calibration.intensity); status != 0)
        return status;
    if (arguments.isSet(kThresholdOption))
        return takeSetting(session, arguments, kThresholdOption, calibration.threshold);
    return 0;
}

int calibrate(CliSession& session, const QCommandLineParser& arguments, const QString& mode)
{
    SensorCalibration calibration;
    calibration.apply = true;
    calibration.mediaType = static_cast<std::int32_t>(kMediaNames.indexOf(arguments.value(kMediaOption)));
    if (calibration.mediaType < 0)
        return usageError(session, QStringLiteral("sensor calibrate takes --media %1").arg(kMediaNames.join(u'|')));
    const int status = mode == QStringLiteral("auto") ? calibrateAuto(session, arguments, calibration)
                                                      : calibrateManual(session, arguments, calibration);
    if (status != 0)
        return status;
    if (const int gate = PassPasswordGate(session, arguments); gate != 0)
        return gate;
    return static_cast<int>(session.run<OperationCode::SensorCalibration>(calibration));
}

} // namespace

QString SensorCommand::usage() const
{
    return QStringLiteral("sensor read | values gap|bline | calibrate auto --media MEDIA [--height L --gap L] "
                          "[--unit inch|mm|dots] | calibrate manual --media MEDIA --intensity N [--threshold N]");
}

QString SensorCommand::details() const
{
    return QStringLiteral(
               "  read              prints {\"mediaType\": N, \"intensity\": N, \"threshold\": N}: media 0 gap,\n"
               "                    1 black mark, 2 continuous; the intensity of that media; the threshold\n"
               "                    (0 on printers before edition 104)\n"
               "  values gap|bline  prints the sensor's raw value at each intensity, one a line\n"
               "  calibrate auto    lets the printer measure the media; with --height and --gap (label\n"
               "                    height and gap or mark length, in inch by default, converted with the\n"
               "                    printer's own resolution; --unit dots sends them as given) it measures\n"
               "                    for that label. Continuous media takes no lengths.\n"
               "  calibrate manual  sets the sensor intensity and, when given and not 0, the threshold\n"
               "  MEDIA is gap, bline (black mark), continuous or auto (the printer chooses).\n\n") +
           PrinterPasswordHelp();
}

QList<QCommandLineOption> SensorCommand::options() const
{
    return {
        {kMediaOption, QStringLiteral("calibrate: the media"), kMediaNames.join(u'|')},
        {kHeightOption, QStringLiteral("calibrate auto: the label's height"), QStringLiteral("L")},
        {kGapOption, QStringLiteral("calibrate auto: the gap or mark length"), QStringLiteral("L")},
        {kUnitOption, QStringLiteral("calibrate auto: the unit of the lengths (default inch)"),
         QStringLiteral("inch|mm|dots")},
        {kIntensityOption, QStringLiteral("calibrate manual: the sensor intensity"), QStringLiteral("N")},
        {kThresholdOption, QStringLiteral("calibrate manual: the threshold"), QStringLiteral("N")},
        PrinterPasswordFileOption(),
    };
}

int SensorCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    const QString action = words.value(0);
    QList<QLatin1StringView> taken;
    if (action == QStringLiteral("read") && words.size() == 1)
        taken = {};
    else if (action == QStringLiteral("values") && words.size() == 2 &&
             (words[1] == QStringLiteral("gap") || words[1] == QStringLiteral("bline")))
        taken = {};
    else if (action == QStringLiteral("calibrate") && words.size() == 2 && words[1] == QStringLiteral("auto"))
        taken = {kMediaOption, kHeightOption, kGapOption, kUnitOption, kPasswordFileOption};
    else if (action == QStringLiteral("calibrate") && words.size() == 2 && words[1] == QStringLiteral("manual"))
        taken = {kMediaOption, kIntensityOption, kThresholdOption, kPasswordFileOption};
    else
        return kExitUsage;
    if (const QString option = foreignOption(arguments, taken); !option.isEmpty())
        return usageError(session, QStringLiteral("sensor %1 does not take %2").arg(words.join(u' '), option));
    if (action == QStringLiteral("read"))
        return read(session);
    if (action == QStringLiteral("values"))
        return values(session, words[1]);
    return calibrate(session, arguments, words[1]);
}

} // namespace norvane::cli
