#pragma once

#include "link/InterfaceKind.h"
#include "link/TraceText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <span>

namespace norvane {

/// What one line of a trace tells.
enum class TraceEvent
{
    Open,
    Send,
    Receive,
    /// A write that did not go out whole.
    SendFailed,
    /// A wait for input that ended without any.
    TimedOut,
    /// The connection ended while input was awaited.
    Ended,
    /// The user stopped waiting for the printer.
    Stopped,
    Close,
};

/// Who a line is about: the time since its link opened, the link's kind and the operation running on it.
struct TraceSource
{
    std::chrono::microseconds sinceOpen{0};
    InterfaceKind kind = InterfaceKind::Usb;
    QByteArrayView operation;
};

/// A running trace of printer traffic: one line per event, written as it happens, so a trace of a long
/// session is never held in memory. Shared by the links opened while it runs; belongs to one link layer.
///
/// A line reads "<microseconds> <kind> <operation> <event> <bytes>", for example
/// "      1503 ETHERNET ReadConfiguration send DIAGNOSTIC REPORT SPEED\r\n".
/// A device that fails to take a line, or a trace that reaches its size limit, stops the trace and is reported
/// once through the failure report; the printer operation goes on untouched.
class TrafficTrace
{
public:
    using FailureReport = std::function<void(const QString&)>;
    static constexpr qint64 kDefaultLimit = qint64{256} * 1024 * 1024;

    /// `device` is open for writing.
    TrafficTrace(std::unique_ptr<QIODevice> device, FailureReport report, qint64 limit = kDefaultLimit);
    ~TrafficTrace();
    TrafficTrace(const TrafficTrace&) = delete;
    TrafficTrace& operator=(const TrafficTrace&) = delete;

    /// A trace into a new or emptied file; null, with `error` set, when the file cannot be written.
    static std::shared_ptr<TrafficTrace> ToFile(const QString& path, FailureReport report, QString& error);

    /// One line: the source, the event, then `bytes` as trace text with `secrets` as markers.
    void record(const TraceSource& source, TraceEvent event, QByteArrayView bytes = {},
                std::span<const SecretSpan> secrets = {});
    /// One line whose bytes are already trace text.
    void recordText(const TraceSource& source, TraceEvent event, QByteArrayView text);

    /// The trace stopped writing after a failure or at its limit.
    bool stopped() const { return m_stopped; }

private:
    void writeHeader(const TraceSource& source, TraceEvent event);
    /// Writes trace text, stopping the trace when the device refuses it or the limit would be passed.
    void put(QByteArrayView text);
    void endLine();
    void stop(const QString& reason);

    std::unique_ptr<QIODevice> m_device;
    FailureReport m_report;
    qint64 m_limit;
    qint64 m_written = 0;
    bool m_stopped = false;
};

} // namespace norvane
