#include "ClockCommand.h"

#include "CliSession.h"
#include "PasswordGate.h"
#include "protocol/PrinterClock.h"

namespace norvane::cli {

namespace {

constexpr QLatin1StringView kPasswordFileOption("printer-password-file");

int get(CliSession& session)
{
    ClockSetting clock;
    if (const ResultCode result = session.run<OperationCode::ReadClock>(clock); result != ResultCode::Success)
        return static_cast<int>(result);
    // In the order the clock is read, which a JSON object of Qt's would sort away.
    session.out << "{\"year\": " << clock.year << ", \"month\": " << clock.month << ", \"date\": " << clock.date
                << ", \"hour\": " << clock.hour << ", \"minute\": " << clock.minute << ", \"second\": " << clock.second
                << '}' << Qt::endl;
    return 0;
}

int set(CliSession& session, const QCommandLineParser& arguments, const QString& time)
{
    const auto clock = time == QStringLiteral("now") ? std::optional(ClockSettingAt(QDateTime::currentDateTime()))
                                                     : ParseClockSetting(time);
    if (!clock) {
        session.err << "norvane-cli: " << time << " is no date and time of the form YYYY-MM-DDTHH:MM:SS" << Qt::endl;
        return kExitUsage;
    }
    if (const int status = PassPasswordGate(session, arguments); status != 0)
        return status;
    return static_cast<int>(session.run<OperationCode::SetClock>(*clock));
}

} // namespace

QString ClockCommand::details() const
{
    return QStringLiteral(
               "  get    prints {\"year\": N, \"month\": N, \"date\": N, \"hour\": N, \"minute\": N, \"second\": N}\n"
               "         with the numbers as the printer answers them (its year has two digits)\n"
               "  set    sets the clock to this computer's local time (now) or to the date and time given; the\n"
               "         printer keeps the year's last two digits. A date or time that does not exist exits\n"
               "         with 64 and sends nothing.\n\n") +
           PrinterPasswordHelp();
}

QList<QCommandLineOption> ClockCommand::options() const
{
    return {PrinterPasswordFileOption()};
}

int ClockCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    if (words == QStringList{QStringLiteral("get")}) {
        if (arguments.isSet(kPasswordFileOption)) {
            session.err << "norvane-cli: clock get does not take --" << kPasswordFileOption << Qt::endl;
            return kExitUsage;
        }
        return get(session);
    }
    if (words.size() == 2 && words[0] == QStringLiteral("set"))
        return set(session, arguments, words[1]);
    return kExitUsage;
}

} // namespace norvane::cli
