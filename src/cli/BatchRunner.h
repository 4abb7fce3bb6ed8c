#pragma once

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>

namespace norvane::cli {

/// One run of the tool for one target.
struct BatchJob
{
    QStringList arguments;
    QProcessEnvironment environment;
};

/// How a job ended.
struct BatchOutcome
{
    qsizetype job = 0;
    int exitStatus = 0;
    QByteArray out;
    QByteArray err;
};

/// Exit status of a job whose tool crashed, could not start or printed more than a job may.
inline constexpr int kExitJobBroke = 70;

/// Runs jobs as child processes of `program`, at most `parallel` at once, in the order given; calls
/// `finished` on the calling thread as each ends. Each child has its own link and state, and nothing it
/// does can reach another's. Standard output and error are kept up to a bound each; a child that prints
/// more is stopped.
void RunBatchJobs(const QString& program, const QList<BatchJob>& jobs, int parallel,
                  const std::function<void(const BatchOutcome&)>& finished);

} // namespace norvane::cli
