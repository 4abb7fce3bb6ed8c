#include "protocol/ReplyFraming.h"

#include "link/PrinterLink.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace norvane {

namespace {

constexpr int kMaxLengthDigits = 31;

bool isDigit(std::uint8_t byte)
{
    return byte >= '0' && byte <= '9';
}

bool isSpace(std::uint8_t byte)
{
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

/// The bytes of one reply, until its deadline: a printer that trickles bytes slower than the read time-out
/// ends each wait in time, yet must not hold the operation for ever.
class ReplyBytes
{
public:
    explicit ReplyBytes(PrinterLink& link)
        : m_link(link), m_deadline(std::chrono::steady_clock::now() + kReplyDeadlineInReadTimeouts * link.readTimeout())
    {
    }

    bool next(std::uint8_t& byte) { return std::chrono::steady_clock::now() < m_deadline && m_link.ReadByte(byte); }

    std::size_t next(char* out, std::size_t count)
    {
        std::size_t arrived = 0;
        std::uint8_t byte = 0;
        while (arrived < count && next(byte))
            out[arrived++] = static_cast<char>(byte);
        return arrived;
    }

private:
    PrinterLink& m_link;
    std::chrono::steady_clock::time_point m_deadline;
};

} // namespace

QByteArray InterfaceAnnouncement(InterfaceKind kind)
{
    switch (kind) {
    case InterfaceKind::Usb:
        return QByteArrayLiteral("\r\nDIAGNOSTIC INTERFACE USB\r\n");
    case InterfaceKind::Com:
        return QByteArrayLiteral("\r\nDIAGNOSTIC INTERFACE COM\r\n");
    case InterfaceKind::Lpt:
        return QByteArrayLiteral("\r\nDIAGNOSTIC INTERFACE LPT\r\n");
    case InterfaceKind::Ethernet:
        return QByteArrayLiteral("\r\nDIAGNOSTIC INTERFACE NET\r\n");
    }
    return {};
}

bool ReadFramedReply(PrinterLink& link, QByteArray& reply, qsizetype capacity)
{
    reply.clear();
    ReplyBytes bytes(link);
    std::uint8_t byte = 0;
    for (qsizetype skipped = 0;; ++skipped) {
        if (!bytes.next(byte))
            return false;
        if (byte == '{')
            break;
        if (skipped == kMaxBytesBeforeFrame)
            return false;
    }

    // Up to 31 digits; the 32nd is one too many. The value saturates: any such length is refused anyway.
    std::uint64_t length = 0;
    int digits = 0;
    bool gotByte = false;
    while ((gotByte = bytes.next(byte)) && isDigit(byte)) {
        if (++digits > kMaxLengthDigits)
            return false;
        length = std::min<std::uint64_t>(length * 10 + (byte - '0'), std::numeric_limits<std::uint32_t>::max());
    }
    if (!gotByte || byte != '|')
        return false;
    if (capacity < 2 || length > static_cast<std::uint64_t>(capacity - 2))
        return false;

    reply.resize(static_cast<qsizetype>(length));
    if (bytes.next(reply.data(), static_cast<std::size_t>(length)) != length) {
        reply.clear();
        return false;
    }
    if (!bytes.next(byte) || byte != '}') {
        reply.clear();
        return false;
    }
    return true;
}

bool ReadLineReply(PrinterLink& link, QByteArray& line)
{
    line.clear();
    ReplyBytes bytes(link);
    std::uint8_t byte = 0;
    while (bytes.next(byte)) {
        if (byte == '\n')
            break;
        if (byte == '\r')
            continue;
        if (line.size() == kLineReplyLimit) {
            line.clear();
            return false;
        }
        line.append(static_cast<char>(byte));
    }
    return true;
}

ResultCode SendCommand(PrinterLink& link, QByteArrayView text, std::span<const SecretSpan> secrets)
{
    return link.WriteLink(text, secrets) ? ResultCode::Success : ResultCode::DataTransmissionError;
}

ResultCode Exchange(PrinterLink& link, QByteArrayView command, QByteArray& reply, qsizetype capacity,
                    std::span<const SecretSpan> secrets)
{
    if (!link.WriteLink(command, secrets))
        return ResultCode::DataTransmissionError;
    return ReadFramedReply(link, reply, capacity) ? ResultCode::Success : ResultCode::DataReceivingError;
}

ResultCode ExchangeList(PrinterLink& link, QByteArrayView command, QByteArray& items, qsizetype capacity)
{
    items.clear();
    if (!link.WriteLink(command))
        return ResultCode::DataTransmissionError;
    QByteArray item;
    for (;;) {
        // The frame reader waits for each item's first byte itself, bounded by the read time-out.
        if (!ReadFramedReply(link, item, capacity - items.size() - 2))
            return ResultCode::DataReceivingError;
        if (item.isEmpty())
            return ResultCode::Success;
        items.append(item);
        items.append("\r\n");
    }
}

ResultCode Announce(PrinterLink& link)
{
    QByteArray reply;
    return Exchange(link, InterfaceAnnouncement(link.kind()), reply);
}

std::int32_t ReplyNumber(QByteArrayView text)
{
    qsizetype i = 0;
    const auto at = [&](qsizetype index) {
        return static_cast<std::uint8_t>(text[index]);
    };
    while (i < text.size() && isSpace(at(i)))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < text.size() && isDigit(at(i)); ++i)
        value = std::min(value * 10 + (at(i) - '0'), kLimit);
    value = negative ? -value : std::min(value, kLimit - 1);
    return static_cast<std::int32_t>(value);
}

} // namespace norvane
