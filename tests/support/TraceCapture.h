#pragma once

#include "link/TrafficTrace.h"

#include <QBuffer>
#include <QByteArray>
#include <QByteArrayList>
#include <QStringList>
#include <memory>

namespace norvane::test {

/// A trace written into memory, read back line by line.
struct TraceCapture
{
    explicit TraceCapture(qint64 limit = TrafficTrace::kDefaultLimit)
    {
        auto buffer = std::make_unique<QBuffer>(&text);
        buffer->open(QIODevice::WriteOnly);
        trace = std::make_shared<TrafficTrace>(
            std::move(buffer), [this](const QString& report) { reports << report; }, limit);
    }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    /// Every line without its time, such as "ETHERNET ReadStatus send ...".
    QByteArrayList lines() const
    {
        QByteArrayList untimed;
        for (const QByteArray& line : text.split('\n')) {
            const QByteArray timed = line.trimmed();
            if (!timed.isEmpty())
                untimed << timed.mid(timed.indexOf(' ') + 1);
        }
        return untimed;
    }

    /// The time of every line, in microseconds since its link opened.
    QList<qint64> times() const
    {
        QList<qint64> times;
        for (const QByteArray& line : text.split('\n')) {
            if (!line.trimmed().isEmpty())
                times << line.trimmed().split(' ').first().toLongLong();
        }
        return times;
    }

    QByteArray text;
    QStringList reports;
    std::shared_ptr<TrafficTrace> trace;
};

} // namespace norvane::test
