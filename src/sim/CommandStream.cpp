#include "CommandStream.h"

#include <algorithm>
#include <utility>

namespace norvane::sim {

namespace {

constexpr char kEscape = 0x1b;

/// The length in `text` when it is all decimal digits and at most `maxPayload`.
std::optional<qsizetype> payloadSize(const QByteArray& text, qsizetype maxPayload)
{
    if (text.isEmpty())
        return std::nullopt;
    qsizetype size = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        size = size * 10 + (digit - '0');
        if (size > maxPayload)
            return std::nullopt;
    }
    return size;
}

/// Control bytes a command may hold: TAB, the line end, ESC, and the lead-ins and separators of the
/// emulations' commands (SOH, STX, DLE, RS).
bool isCommandControl(unsigned char byte)
{
    return byte == '\t' || byte == '\r' || byte == '\n' || byte == kEscape || byte == 0x01 || byte == 0x02 ||
           byte == 0x10 || byte == 0x1e;
}

bool isBinaryByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value < 0x20 && !isCommandControl(value);
}

/// A whole line inside binary data that reads as a command: a capital letter, ESC or an emulation's
/// lead-in first, CR LF last. Short runs of text ended by a bare LF turn up in firmware images by chance.
bool looksLikeCommand(const QByteArray& line)
{
    if (line.size() < 3 || !line.endsWith("\r\n"))
        return false;
    const char first = line.front();
    return (first >= 'A' && first <= 'Z') || first == kEscape || first == 0x01 || first == 0x02 || first == 0x10 ||
           first == 0x1e || first == '~' || first == '^';
}

} // namespace

void CommandStream::addPayloadRule(const QRegularExpression& announcement, qsizetype maxPayload)
{
    m_payloadRules.append({announcement, maxPayload});
}

void CommandStream::addCommaEndedCommand(const QRegularExpression& command)
{
    m_commaEndedCommands.append(command);
}

QList<Command> CommandStream::feed(QByteArrayView bytes)
{
    QList<Command> done;
    consume(bytes, done);
    return done;
}

QList<Command> CommandStream::finish()
{
    QList<Command> done;
    // A line begun inside binary data that never became a command is more of the data.
    if (m_inBinary)
        m_binarySize += m_line.size();
    endBinary(done);
    CommandStream fresh;
    fresh.m_payloadRules = std::move(m_payloadRules);
    fresh.m_commaEndedCommands = std::move(m_commaEndedCommands);
    *this = std::move(fresh);
    return done;
}

void CommandStream::consume(QByteArrayView bytes, QList<Command>& done)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (m_payloadLeft > 0) {
            const qsizetype take = std::min(m_payloadLeft, bytes.size() - i);
            m_awaitingPayload.payload.append(bytes.sliced(i, take));
            m_payloadLeft -= take;
            i += take;
            if (m_payloadLeft == 0)
                done.append(std::exchange(m_awaitingPayload, Command{}));
        } else if (m_inBinary && m_binaryLine) {
            // Nothing in a binary line matters up to its end.
            const qsizetype lineEnd = bytes.indexOf('\n', i);
            const qsizetype end = lineEnd < 0 ? bytes.size() : lineEnd + 1;
            m_binarySize += end - i;
            m_binaryLine = lineEnd < 0;
            i = end;
        } else if (m_inBinary) {
            takeBinary(bytes[i++], done);
        } else {
            takeText(bytes[i++], done);
        }
    }
}

void CommandStream::takeText(char byte, QList<Command>& done)
{
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
        m_lineBytes = 0;
        m_afterEscape = true;
    } else if (byte == '\n') {
        finishLine(done);
    } else {
        ++m_lineBytes;
        if (isBinaryByte(byte) || (byte != '\r' && m_line.size() == kMaxLine)) {
            startBinary();
        } else if (byte != '\r') {
            m_line.append(byte);
            // Announcements end with a comma after the length.
            if (byte == ',' && m_lineBytes <= kMaxAnnouncement)
                takeAnnouncement(done);
        }
    }
}

void CommandStream::takeBinary(char byte, QList<Command>& done)
{
    m_line.append(byte);
    if (byte == '\n') {
        if (looksLikeCommand(m_line)) {
            const QByteArray line = takeLine();
            endBinary(done);
            consume(line, done);
        } else {
            m_binarySize += takeLine().size();
        }
    } else if (isBinaryByte(byte) || m_line.size() > kMaxLine) {
        m_binarySize += takeLine().size();
        m_binaryLine = true;
    } else if (byte == ',' && m_line.size() <= kMaxAnnouncement && announcedLength(m_line)) {
        // An announcement needs no line end: its data follows the comma.
        const QByteArray line = takeLine();
        endBinary(done);
        consume(line, done);
    }
}

void CommandStream::finishLine(QList<Command>& done)
{
    const QByteArray line = takeLine();
    if (!line.isEmpty())
        done.append({Command::Kind::Line, line, {}});
}

QByteArray CommandStream::takeLine()
{
    m_lineBytes = 0;
    return std::exchange(m_line, {});
}

void CommandStream::takeAnnouncement(QList<Command>& done)
{
    for (const QRegularExpression& command : std::as_const(m_commaEndedCommands)) {
        if (command.match(QString::fromLatin1(m_line)).hasMatch()) {
            done.append({Command::Kind::Line, takeLine(), {}});
            return;
        }
    }
    const auto length = announcedLength(m_line);
    if (!length)
        return;
    const std::optional<qsizetype> size = payloadSize(length->first, length->second);
    if (!size) {
        done.append({Command::Kind::Refused, takeLine(), {}});
        m_skippingLine = true;
    } else if (*size == 0) {
        done.append({Command::Kind::Line, takeLine(), {}});
    } else {
        m_awaitingPayload = {Command::Kind::Line, takeLine(), {}};
        m_payloadLeft = *size;
    }
}

std::optional<std::pair<QByteArray, qsizetype>> CommandStream::announcedLength(const QByteArray& line) const
{
    for (const PayloadRule& rule : m_payloadRules) {
        const auto match = rule.announcement.match(QString::fromLatin1(line));
        if (match.hasMatch())
            return std::pair{match.captured(1).toLatin1(), rule.maxPayload};
    }
    return std::nullopt;
}

void CommandStream::startBinary()
{
    m_binarySize += m_lineBytes;
    takeLine();
    m_inBinary = true;
    m_binaryLine = true;
}

void CommandStream::endBinary(QList<Command>& done)
{
    if (!m_inBinary)
        return;
    done.append({Command::Kind::Binary, {}, {}, std::exchange(m_binarySize, 0)});
    m_inBinary = false;
    m_binaryLine = false;
}

} // namespace norvane::sim
