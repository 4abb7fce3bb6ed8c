#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace norvane::cli {

/// One run of the tool for one target.
struct BatchJob
{
    QStringList arguments;
    /// The printer's password, when the target names its own.
    std::optional<QString> password;
};

/// How a job ended.
struct BatchOutcome
{
    qsizetype job = 0;
    int exitStatus = 0;
    QString out;
    QString err;
};

/// Runs the jobs on at most `parallel` threads of this process, taking them in the order given; calls
/// `finished` on the calling thread as each ends. Each run has its own session, link and state: the core
/// keeps none that two links share.
void RunBatchJobs(const QList<BatchJob>& jobs, int parallel, const std::function<void(const BatchOutcome&)>& finished);

} // namespace norvane::cli
