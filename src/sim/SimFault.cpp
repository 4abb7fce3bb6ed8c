#include "SimFault.h"

#include <array>
#include <utility>

namespace norvane::sim {

namespace {

constexpr std::array<std::pair<SimFault, const char*>, 7> kNames{{
    {SimFault::None, "none"},
    {SimFault::NeverAnswer, "never-answer"},
    {SimFault::AnswerLate, "answer-late"},
    {SimFault::CloseMidReply, "close-mid-reply"},
    {SimFault::OversizedFrame, "oversized-frame"},
    {SimFault::MalformedFrame, "malformed-frame"},
    {SimFault::GarbageBeforeFrame, "garbage-before-frame"},
}};

constexpr qsizetype kOversizedLength = 70000;

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
        return {{reply.bytes, wait + delay, false}};
    case SimFault::CloseMidReply:
        return {{reply.bytes.first(reply.bytes.size() / 2), wait, true}};
    case SimFault::OversizedFrame:
        if (reply.framed)
            return {{Frame(QByteArray(kOversizedLength, 'x')), wait, false}};
        break;
    case SimFault::MalformedFrame:
        if (reply.framed)
            return {{"{1x" + reply.bytes.mid(1), wait, false}};
        break;
    case SimFault::GarbageBeforeFrame:
        if (reply.framed)
            return {{QByteArray("\x00\xff}|3|garbage\r\n", 15) + reply.bytes, wait, false}};
        break;
    }
    return {{reply.bytes, wait, false}};
}

} // namespace norvane::sim
