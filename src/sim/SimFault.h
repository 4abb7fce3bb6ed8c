#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

namespace norvane::sim {

/// Ways the virtual printer misbehaves on purpose, by name.
enum class SimFault
{
    None,
    NeverAnswer,        ///< reads everything, answers nothing
    AnswerLate,         ///< every answer waits for the reply delay first
    CloseMidReply,      ///< sends half of an answer, then closes the connection
    OversizedFrame,     ///< framed answers carry far more data than any reply buffer takes
    MalformedFrame,     ///< framed answers have a letter among their length digits
    GarbageBeforeFrame, ///< stray bytes come before every framed answer
    EndlessGarbage,     ///< every answer is an endless stream of bytes without a frame's "{"
    TrickleGarbage,     ///< every answer is one byte without a "{" per reply delay (a second by default), for ever
};

std::optional<SimFault> SimFaultFromName(const QString& name);
QStringList SimFaultNames();

/// One answer of the printer, as the command handlers produce it.
struct Reply
{
    QByteArray bytes;
    bool framed = false;
    /// The time the printer takes before it answers, such as a device search.
    std::chrono::milliseconds delay{0};
};

/// What goes out on the connection for one answer.
struct Output
{
    QByteArray bytes;
    std::chrono::milliseconds delay{0};
    bool closeAfter = false;
    /// Set: the bytes go out again this long after they went out, for as long as the connection lasts.
    std::optional<std::chrono::milliseconds> repeatEvery = std::nullopt;
};

/// Turns an answer into what a printer with the fault sends; nothing for NeverAnswer. `delay` is the
/// reply delay of AnswerLate and the interval of TrickleGarbage.
QList<Output> ApplyFault(SimFault fault, std::chrono::milliseconds delay, const Reply& reply);

/// "{" length "|" data "}"
QByteArray Frame(const QByteArray& data);

} // namespace norvane::sim
