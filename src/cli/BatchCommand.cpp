#include "BatchCommand.h"

#include "BatchRunner.h"
#include "BatchTargets.h"
#include "CliSession.h"
#include "PasswordGate.h"
#include "PrinterText.h"
#include "config/BoundedFile.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace norvane::cli {

namespace {

/// Forty printers take a few KB of lines; this refuses a file that is no targets file without reading it.
constexpr qint64 kTargetsFileLimit = 1024 * 1024;
constexpr int kDefaultJobs = 4;
constexpr int kMaxJobs = 64;

const QString kTargetPlaceholder = QStringLiteral("{target}");

/// The options that choose the printer or carry its password belong to the targets file alone.
std::optional<QString> targetOptionIn(const QStringList& commandLine)
{
    for (const QString& word : commandLine) {
        for (const char* option : {"--usb", "--com", "--lpt", "--net", "--password"}) {
            const QLatin1StringView name(option);
            if (word == name || word.startsWith(name + u'='))
                return word.section(u'=', 0, 0);
        }
    }
    return std::nullopt;
}

QByteArray jsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2);
}

QByteArray outcomeLine(const BatchTarget& target, const BatchOutcome& outcome)
{
    const QByteArray line =
        "{\"target\": " + jsonString(target.name) + ", \"exit\": " + QByteArray::number(outcome.exitStatus) +
        ", \"message\": " + jsonString(outcome.err.trimmed()) + ", \"stdout\": " + jsonString(outcome.out) + '}';
    return JsonWithEscapedControls(line);
}

BatchJob jobFor(const BatchTarget& target, const QStringList& commandLine)
{
    BatchJob job;
    job.arguments = target.linkArguments;
    for (QString word : commandLine)
        job.arguments << word.replace(kTargetPlaceholder, target.fileName);
    if (target.passwordVariable)
        job.password = qEnvironmentVariable(qPrintable(*target.passwordVariable));
    return job;
}

/// The usage problem of the command to run, or an empty text.
QString commandProblem(const QStringList& commandLine)
{
    if (commandLine.isEmpty())
        return QStringLiteral("batch needs a command after --");
    if (commandLine.constFirst() == QStringLiteral("batch"))
        return QStringLiteral("a batch cannot run a batch");
    if (const auto option = targetOptionIn(commandLine))
        return QStringLiteral("%1 belongs in the targets file, one printer a line").arg(*option);
    return {};
}

} // namespace

QString BatchCommand::details() const
{
    return QStringLiteral(
        "Runs COMMAND [ARGS] once for every printer of the targets file, each with its own link and state,\n"
        "N at a time (default 4) on threads of this process. The targets file holds one printer a line, as\n"
        "link options:\n"
        "  --net 10.0.0.5 --password-env PW_10_0_0_5\n"
        "  --com /dev/ttyUSB0 --baud 115200\n"
        "Lines starting with # and blank lines are skipped. --password-env VAR gives that printer the\n"
        "password in the environment variable VAR; a target without it takes NORVANE_PASSWORD as any\n"
        "command does. A password is never taken on a command line, so --password is refused.\n"
        "{target} in ARGS becomes the target in a form a file name can take (10.0.0.5:9100 becomes\n"
        "10.0.0.5_9100, /dev/ttyUSB0 dev_ttyUSB0), so read-config --dcf out-{target}.dcf writes one file\n"
        "per printer. Two lines for one printer, or two whose {target} would be the same, are refused.\n"
        "As each target finishes, one JSON line: {\"target\": T, \"exit\": N, \"message\": ERRORS,\n"
        "\"stdout\": OUTPUT}; at the end a summary on standard error. Exits 0 when every target exited 0,\n"
        "otherwise with the exit status of the first failed target in the file's order.\n");
}

QList<QCommandLineOption> BatchCommand::options() const
{
    return {{QStringLiteral("targets"), QStringLiteral("the printers, one line of link options each"),
             QStringLiteral("FILE")},
            {QStringLiteral("jobs"),
             QStringLiteral("run N targets at a time (1-%1, default %2)").arg(kMaxJobs).arg(kDefaultJobs),
             QStringLiteral("N")}};
}

int BatchCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList commandLine = arguments.positionalArguments();
    QString problem = arguments.isSet(QStringLiteral("targets")) ? commandProblem(commandLine)
                                                                 : QStringLiteral("batch needs --targets FILE");
    int jobs = kDefaultJobs;
    if (problem.isEmpty() && arguments.isSet(QStringLiteral("jobs"))) {
        bool ok = false;
        jobs = arguments.value(QStringLiteral("jobs")).toInt(&ok);
        if (!ok || jobs < 1 || jobs > kMaxJobs)
            problem = QStringLiteral("--jobs takes a number from 1 to %1").arg(kMaxJobs);
    }
    if (!problem.isEmpty()) {
        session.err << "norvane-cli: " << problem << '\n';
        return kExitUsage;
    }

    const QString path = arguments.value(QStringLiteral("targets"));
    QString error;
    const auto text = ReadWholeFile(path, kTargetsFileLimit, error);
    const auto targets = text ? ParseBatchTargets(*text, error) : std::nullopt;
    if (targets && text) {
        for (const BatchTarget& target : *targets) {
            if (target.passwordVariable && !qEnvironmentVariableIsSet(qPrintable(*target.passwordVariable))) {
                error = QStringLiteral("%1: the password variable %2 of %3 is not set")
                            .arg(path, *target.passwordVariable, target.name);
                break;
            }
        }
    } else if (text) {
        error = path + QStringLiteral(": ") + error;
    }
    if (!targets || !error.isEmpty()) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitBadInput;
    }

    QList<BatchJob> batch;
    for (const BatchTarget& target : *targets)
        batch << jobFor(target, commandLine);
    QList<int> statuses(targets->size(), 0);
    RunBatchJobs(batch, jobs, [&](const BatchOutcome& outcome) {
        statuses[outcome.job] = outcome.exitStatus;
        session.out << QString::fromUtf8(outcomeLine((*targets)[outcome.job], outcome)) << Qt::endl;
    });

    QStringList failed;
    int status = 0;
    for (qsizetype i = 0; i < targets->size(); ++i) {
        if (statuses[i] == 0)
            continue;
        failed << QStringLiteral("%1 (%2)").arg((*targets)[i].name).arg(statuses[i]);
        if (status == 0)
            status = statuses[i];
    }
    session.err << "batch: " << targets->size() << " targets, " << targets->size() - failed.size() << " succeeded, "
                << failed.size() << " failed"
                << (failed.isEmpty() ? QString() : QStringLiteral(": ") + failed.join(QStringLiteral(", ")))
                << Qt::endl;
    return status;
}

} // namespace norvane::cli
