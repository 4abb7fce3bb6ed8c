#pragma once

#include "link/InterfaceKind.h"
#include "link/TraceText.h"
#include "protocol/ResultCode.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <span>

namespace norvane {

class PrinterLink;

/// Reply buffer sizes of the callers: a frame carries at most capacity − 2 data bytes.
inline constexpr qsizetype kSingleValueCapacity = 1024;
/// The longest line `ReadLineReply` accepts.
inline constexpr qsizetype kLineReplyLimit = 1024;
/// Stray bytes before a frame's "{" are skipped, but no printer sends this many: a peer streaming bytes
/// without ever starting a frame is given up on.
inline constexpr qsizetype kMaxBytesBeforeFrame = 64 * 1024;
/// One reply, from its first wait to its last byte, may take at most this many of the link's read time-outs
/// (30 s on USB and COM, 5 minutes on a network printer), however slowly its bytes come.
inline constexpr int kReplyDeadlineInReadTimeouts = 10;

/// "\r\nDIAGNOSTIC INTERFACE USB\r\n" and its COM, LPT and NET forms.
QByteArray InterfaceAnnouncement(InterfaceKind kind);

/// Reads one "{" length "|" data "}" frame; up to `kMaxBytesBeforeFrame` bytes before the "{" are skipped.
/// The data are taken by count, so they may hold any byte. A frame longer than capacity − 2 is refused before
/// its data are read. Fails when the reply's deadline passes.
bool ReadFramedReply(PrinterLink& link, QByteArray& reply, qsizetype capacity);

/// Reads one line up to LF, dropping CRs. A line cut short by a time-out or the reply's deadline is returned as
/// far as it came; more than 1024 bytes fail.
bool ReadLineReply(PrinterLink& link, QByteArray& line);

/// A trace shows the `secrets` of `text` only as markers.
ResultCode SendCommand(PrinterLink& link, QByteArrayView text, std::span<const SecretSpan> secrets = {});

/// Sends a command and reads its framed reply: 0, 2 (not written) or 3 (no usable reply).
ResultCode Exchange(PrinterLink& link, QByteArrayView command, QByteArray& reply,
                    qsizetype capacity = kSingleValueCapacity, std::span<const SecretSpan> secrets = {});

/// Sends a command and collects framed replies up to an empty one, each followed by CR LF.
ResultCode ExchangeList(PrinterLink& link, QByteArrayView command, QByteArray& items, qsizetype capacity);

/// The interface announcement that reading operations begin with; its reply is not used.
ResultCode Announce(PrinterLink& link);

/// The decimal value of a reply: leading white space, an optional sign, digits up to the first other
/// character; no digits give 0. Values beyond 32 bits are held at the nearest limit.
std::int32_t ReplyNumber(QByteArrayView text);

} // namespace norvane
