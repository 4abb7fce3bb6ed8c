#include "SimFault.h"

#include <array>
#include <utility>

namespace norvane::sim {

namespace {

constexpr std::array<std::pair<SimFault, const char*>, 9> kNames{{
    {SimFault::None, "none"},
    {SimFault::NeverAnswer, "never-answer"},
    {SimFault::AnswerLate, "answer-late"},
    {SimFault::CloseMidReply, "close-mid-reply"},
    {SimFault::OversizedFrame, "oversized-frame"},
    {SimFault::MalformedFrame, "malformed-frame"},
    {SimFault::GarbageBeforeFrame, "garbage-before-frame"},
    {SimFault::EndlessGarbage, "endless-garbage"},
    {SimFault::TrickleGarbage, "trickle-garbage"},
}};

constexpr qsizetype kOversizedLength = 70000;
constexpr auto kTrickleInterval = std::chrono::milliseconds(1000);

/// What an endless answer repeats: lines of "x". Small, so the stream costs no more memory than this.
QByteArray garbageLines()
{
    static const QByteArray kLines = QByteArray(62, 'x').append("\r\n").repeated(64);
    return kLines;
}

} // namespace

std::optional<SimFault> SimFaultFromName(const QString& name)
{
    for (const auto& [fault, text] : kNames) {
        if (name == QLatin1StringView(text))
            return fault;
    }
    return std::nullopt;
}

QStringList SimFaultNames()
{
    QStringList names;
    for (const auto& entry : kNames)
        names << QString::fromLatin1(entry.second);
    return names;
}

QByteArray Frame(const QByteArray& data)
{
    return '{' + QByteArray::number(data.size()) + '|' + data + '}';
}

QList<Output> ApplyFault(SimFault fault, std::chrono::milliseconds delay, const Reply& reply)
{
    const auto wait = reply.delay;
    switch (fault) {
    case SimFault::None:
        break;
    case SimFault::NeverAnswer:
        return {};
    case SimFault::AnswerLate:
        return {{.bytes = reply.bytes, .delay = wait + delay}};
    case SimFault::CloseMidReply:
        return {{.bytes = reply.bytes.first(reply.bytes.size() / 2), .delay = wait, .closeAfter = true}};
    case SimFault::OversizedFrame:
        if (reply.framed)
            return {{.bytes = Frame(QByteArray(kOversizedLength, 'x')), .delay = wait}};
        break;
    case SimFault::MalformedFrame:
        if (reply.framed)
            return {{.bytes = "{1x" + reply.bytes.mid(1), .delay = wait}};
        break;
    case SimFault::GarbageBeforeFrame:
        if (reply.framed)
            return {{.bytes = QByteArray("\x00\xff}|3|garbage\r\n", 15) + reply.bytes, .delay = wait}};
        break;
    case SimFault::EndlessGarbage:
        return {{.bytes = garbageLines(), .delay = wait, .repeatEvery = std::chrono::milliseconds(0)}};
    case SimFault::TrickleGarbage:
        return {{.bytes = "x",
                 .delay = wait,
                 .repeatEvery = delay > std::chrono::milliseconds(0) ? delay : kTrickleInterval}};
    }
    return {{.bytes = reply.bytes, .delay = wait}};
}

} // namespace norvane::sim
