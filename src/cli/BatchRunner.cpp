#include "BatchRunner.h"

#include "RunCli.h"

#include <QTextStream>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace norvane::cli {

namespace {

BatchOutcome runJob(const QList<BatchJob>& jobs, qsizetype job)
{
    BatchOutcome outcome;
    outcome.job = job;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.exitStatus = RunCli(jobs[job].arguments, out, err, BatchTargetRun{jobs[job].password});
    out.flush();
    err.flush();
    return outcome;
}

} // namespace

void RunBatchJobs(const QList<BatchJob>& jobs, int parallel, const std::function<void(const BatchOutcome&)>& finished)
{
    std::mutex mutex;
    std::condition_variable outcomeReady;
    std::deque<BatchOutcome> outcomes;
    qsizetype next = 0;

    const auto work = [&] {
        for (;;) {
            qsizetype job = 0;
            {
                const std::lock_guard lock(mutex);
                if (next == jobs.size())
                    return;
                job = next++;
            }
            BatchOutcome outcome = runJob(jobs, job);
            {
                const std::lock_guard lock(mutex);
                outcomes.push_back(std::move(outcome));
            }
            outcomeReady.notify_one();
        }
    };
    std::vector<std::thread> workers;
    for (qsizetype i = 0; i < std::min<qsizetype>(parallel, jobs.size()); ++i)
        workers.emplace_back(work);

    // Outcomes are printed here, one at a time, so lines never mix.
    for (qsizetype reported = 0; reported < jobs.size(); ++reported) {
        std::unique_lock lock(mutex);
        outcomeReady.wait(lock, [&] { return !outcomes.empty(); });
        const BatchOutcome outcome = std::move(outcomes.front());
        outcomes.pop_front();
        lock.unlock();
        finished(outcome);
    }
    for (std::thread& worker : workers)
        worker.join();
}

} // namespace norvane::cli
