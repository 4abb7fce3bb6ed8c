#include "link/TrafficTrace.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>

namespace norvane {

namespace {

/// Plain bytes are turned into text this many at a time, so a large download never has its text built whole.
constexpr qsizetype kTextBlock = 16 * 1024;

QByteArrayView eventName(TraceEvent event)
{
    switch (event) {
    case TraceEvent::Open:
        return "open";
    case TraceEvent::Send:
        return "send";
    case TraceEvent::Receive:
        return "recv";
    case TraceEvent::SendFailed:
        return "send-failed";
    case TraceEvent::TimedOut:
        return "timeout";
    case TraceEvent::Ended:
        return "ended";
    case TraceEvent::Stopped:
        return "stopped";
    case TraceEvent::Close:
        return "close";
    }
    return "?";
}

QByteArrayView kindName(InterfaceKind kind)
{
    switch (kind) {
    case InterfaceKind::Usb:
        return "USB";
    case InterfaceKind::Com:
        return "COM";
    case InterfaceKind::Lpt:
        return "LPT";
    case InterfaceKind::Ethernet:
        return "ETHERNET";
    }
    return "?";
}

} // namespace

TrafficTrace::TrafficTrace(std::unique_ptr<QIODevice> device, FailureReport report, qint64 limit)
    : m_device(std::move(device)), m_report(std::move(report)), m_limit(limit)
{
}

TrafficTrace::~TrafficTrace() = default;

std::shared_ptr<TrafficTrace> TrafficTrace::ToFile(const QString& path, FailureReport report, QString& error)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        error = QStringLiteral("Cannot write the traffic trace %1: %2").arg(path, file->errorString());
        return nullptr;
    }
    return std::make_shared<TrafficTrace>(std::move(file), std::move(report));
}

void TrafficTrace::record(const TraceSource& source, TraceEvent event, QByteArrayView bytes,
                          std::span<const SecretSpan> secrets)
{
    writeHeader(source, event);
    if (!bytes.isEmpty())
        put(" ");
    qsizetype at = 0;
    QByteArray text;
    const auto putPlain = [&](qsizetype end) {
        while (at < end && !m_stopped) {
            const qsizetype block = std::min(kTextBlock, end - at);
            text.clear();
            AppendTraceText(text, bytes.sliced(at, block));
            put(text);
            at += block;
        }
    };
    for (const SecretSpan& secret : secrets) {
        const qsizetype begin = std::clamp(secret.offset, at, bytes.size());
        const qsizetype end = std::clamp(secret.offset + secret.length, begin, bytes.size());
        putPlain(begin);
        put(SecretMarker(end - begin));
        at = end;
    }
    putPlain(bytes.size());
    endLine();
}

void TrafficTrace::recordText(const TraceSource& source, TraceEvent event, QByteArrayView text)
{
    writeHeader(source, event);
    if (!text.isEmpty())
        put(" ");
    put(text);
    endLine();
}

void TrafficTrace::writeHeader(const TraceSource& source, TraceEvent event)
{
    QByteArray header = QByteArray::number(static_cast<qint64>(source.sinceOpen.count())).rightJustified(10, ' ');
    header += ' ';
    header += kindName(source.kind);
    header += ' ';
    header += source.operation.isEmpty() ? QByteArrayView("-") : source.operation;
    header += ' ';
    header += eventName(event);
    if (event == TraceEvent::Open)
        header += ' ' + QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1();
    put(header);
}

void TrafficTrace::endLine()
{
    put("\n");
    // Each line reaches the file at once: a trace is read most after a run that did not end well.
    auto* file = qobject_cast<QFileDevice*>(m_device.get());
    if (!m_stopped && file && !file->flush())
        stop(QStringLiteral("Writing the traffic trace failed: %1").arg(file->errorString()));
}

void TrafficTrace::put(QByteArrayView text)
{
    if (m_stopped || text.isEmpty())
        return;
    if (m_written + text.size() + 1 > m_limit) {
        m_device->write("\n... the trace stopped at its size limit\n");
        stop(QStringLiteral("The traffic trace reached its limit of %1 MiB and stopped.").arg(m_limit / (1024 * 1024)));
        return;
    }
    if (m_device->write(text.data(), text.size()) != text.size()) {
        stop(QStringLiteral("Writing the traffic trace failed: %1").arg(m_device->errorString()));
        return;
    }
    m_written += text.size();
}

void TrafficTrace::stop(const QString& reason)
{
    m_stopped = true;
    if (m_report)
        m_report(reason);
}

} // namespace norvane
