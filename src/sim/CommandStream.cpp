#include "CommandStream.h"

#include <algorithm>
#include <utility>

namespace norvane::sim {

namespace {

constexpr char kEscape = 0x1b;

/// The length in `text` when it is all decimal digits and at most kMaxPayload.
std::optional<qsizetype> payloadSize(const QByteArray& text)
{
    if (text.isEmpty())
        return std::nullopt;
    qsizetype size = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        size = size * 10 + (digit - '0');
        if (size > CommandStream::kMaxPayload)
            return std::nullopt;
    }
    return size;
}

} // namespace

void CommandStream::addPayloadRule(const QRegularExpression& announcement)
{
    m_payloadRules.append(announcement);
}

QList<Command> CommandStream::feed(QByteArrayView bytes)
{
    QList<Command> done;
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (m_payloadLeft > 0) {
            const qsizetype take = std::min(m_payloadLeft, bytes.size() - i);
            m_awaitingPayload.payload.append(bytes.sliced(i, take));
            m_payloadLeft -= take;
            i += take;
            if (m_payloadLeft == 0)
                done.append(std::exchange(m_awaitingPayload, Command{}));
            continue;
        }
        const char byte = bytes[i++];
        if (m_skippingLine) {
            m_skippingLine = byte != '\n';
        } else if (m_afterEscapeBang) {
            m_afterEscapeBang = false;
            done.append({Command::Kind::Escape, QByteArray("!") + byte, {}});
        } else if (m_afterEscape) {
            m_afterEscape = false;
            if (byte == '!')
                m_afterEscapeBang = true;
            else
                done.append({Command::Kind::Escape, QByteArray(1, byte), {}});
        } else if (byte == kEscape && m_line.isEmpty()) {
            m_afterEscape = true;
        } else if (byte == '\n') {
            finishLine(done);
        } else if (byte != '\r') {
            m_line.append(byte);
            // Announcements end with a comma after the length.
            if (byte == ',')
                takeAnnouncement(done);
        }
    }
    return done;
}

void CommandStream::finishLine(QList<Command>& done)
{
    if (!m_line.isEmpty())
        done.append({Command::Kind::Line, std::exchange(m_line, {}), {}});
}

void CommandStream::takeAnnouncement(QList<Command>& done)
{
    const std::optional<QByteArray> length = announcedLength(m_line);
    if (!length)
        return;
    const std::optional<qsizetype> size = payloadSize(*length);
    if (!size) {
        done.append({Command::Kind::Refused, std::exchange(m_line, {}), {}});
        m_skippingLine = true;
    } else if (*size > 0) {
        m_awaitingPayload = {Command::Kind::Line, std::exchange(m_line, {}), {}};
        m_payloadLeft = *size;
    }
}

std::optional<QByteArray> CommandStream::announcedLength(const QByteArray& line) const
{
    for (const QRegularExpression& rule : m_payloadRules) {
        const auto match = rule.match(QString::fromLatin1(line));
        if (match.hasMatch())
            return match.captured(1).toLatin1();
    }
    return std::nullopt;
}

} // namespace norvane::sim
