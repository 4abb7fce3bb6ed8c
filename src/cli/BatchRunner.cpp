#include "BatchRunner.h"

#include <QEventLoop>
#include <QProcess>
#include <memory>
#include <vector>

namespace norvane::cli {

namespace {

/// A whole configuration as JSON is about 20 KB and a file list a few; this bounds a misbehaving child.
constexpr qint64 kOutputLimit = 16 * 1024 * 1024;
constexpr qint64 kErrorLimit = 64 * 1024;

class BatchScheduler
{
public:
    BatchScheduler(const QString& program, const QList<BatchJob>& jobs,
                   const std::function<void(const BatchOutcome&)>& finished)
        : m_program(program), m_jobs(jobs), m_finished(finished)
    {
    }

    void run(int parallel)
    {
        for (int i = 0; i < parallel && m_next < m_jobs.size(); ++i)
            startNext();
        if (m_running > 0)
            m_loop.exec();
    }

private:
    struct Child
    {
        QProcess process;
        BatchOutcome outcome;
        QString problem;
        bool ended = false;
    };

    void startNext()
    {
        Child* child = m_children.emplace_back(std::make_unique<Child>()).get();
        child->outcome.job = m_next;
        const BatchJob& job = m_jobs[m_next++];
        ++m_running;
        QProcess& process = child->process;
        process.setProcessEnvironment(job.environment);
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &process,
                         [this, child] { take(*child, QProcess::StandardOutput); });
        QObject::connect(&process, &QProcess::readyReadStandardError, &process,
                         [this, child] { take(*child, QProcess::StandardError); });
        QObject::connect(&process, &QProcess::finished, &process, [this, child] { end(child); });
        QObject::connect(&process, &QProcess::errorOccurred, &process, [this, child](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                child->problem = QStringLiteral("cannot start %1: %2").arg(m_program, child->process.errorString());
                end(child);
            }
        });
        process.start(m_program, job.arguments);
        process.closeWriteChannel();
    }

    void take(Child& child, QProcess::ProcessChannel channel)
    {
        child.process.setReadChannel(channel);
        const bool isOut = channel == QProcess::StandardOutput;
        QByteArray& kept = isOut ? child.outcome.out : child.outcome.err;
        const qint64 limit = isOut ? kOutputLimit : kErrorLimit;
        kept += child.process.read(limit + 1 - kept.size());
        if (kept.size() <= limit)
            return;
        kept.truncate(limit);
        if (child.problem.isEmpty()) {
            child.problem = QStringLiteral("stopped: it wrote more than %1 bytes to standard %2")
                                .arg(limit)
                                .arg(isOut ? QStringLiteral("output") : QStringLiteral("error"));
            child.process.kill();
        }
    }

    void end(Child* child)
    {
        // A child killed for its output still reports `finished` afterwards.
        if (child->ended || child->process.state() != QProcess::NotRunning)
            return;
        child->ended = true;
        take(*child, QProcess::StandardOutput);
        take(*child, QProcess::StandardError);
        BatchOutcome& outcome = child->outcome;
        if (child->problem.isEmpty() && child->process.exitStatus() == QProcess::CrashExit)
            child->problem = QStringLiteral("the tool crashed");
        if (child->problem.isEmpty()) {
            outcome.exitStatus = child->process.exitCode();
        } else {
            outcome.exitStatus = kExitJobBroke;
            outcome.err += (outcome.err.isEmpty() || outcome.err.endsWith('\n') ? "" : "\n") + child->problem.toUtf8();
        }
        m_finished(outcome);
        // Its signal is still being delivered: let the child go once that has returned.
        QMetaObject::invokeMethod(
            &m_loop,
            [this, child] { std::erase_if(m_children, [child](const auto& kept) { return kept.get() == child; }); },
            Qt::QueuedConnection);
        --m_running;
        if (m_next < m_jobs.size())
            startNext();
        else if (m_running == 0)
            m_loop.quit();
    }

    const QString& m_program;
    const QList<BatchJob>& m_jobs;
    const std::function<void(const BatchOutcome&)>& m_finished;
    qsizetype m_next = 0;
    int m_running = 0;
    std::vector<std::unique_ptr<Child>> m_children;
    QEventLoop m_loop;
};

} // namespace

void RunBatchJobs(const QString& program, const QList<BatchJob>& jobs, int parallel,
                  const std::function<void(const BatchOutcome&)>& finished)
{
    BatchScheduler(program, jobs, finished).run(parallel);
}

} // namespace norvane::cli
