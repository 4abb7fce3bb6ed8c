#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QRegularExpression>
#include <optional>

namespace norvane::sim {

/// One unit of what the printer received.
struct Command
{
    enum class Kind
    {
        Line,    ///< text up to CR LF, without them; control bytes inside the line are kept
        Escape,  ///< ESC "!" and one byte, or ESC and one byte
        Refused, ///< a line announcing binary data the printer does not take; it and the rest of its line are dropped
    };
    Kind kind = Kind::Line;
    QByteArray text;    ///< the line, or the escape sequence's bytes after ESC
    QByteArray payload; ///< binary data that followed a line announcing it (for example a certificate)
};

/// Cuts the byte stream into commands as a printer does. A line may announce binary data of a given
/// length (its last number, for example DLCERT 1,"CA.PEM",1200,) which is taken by count before the
/// command is complete, so the data may hold any byte, CR LF included. An announced length that is no
/// decimal number or above kMaxPayload is refused, and the stream picks up again at the next line.
class CommandStream
{
public:
    /// The largest binary data one command may announce. Certificates and keys, the largest data the
    /// printer takes, are a few KiB; a wrong length above this would swallow every command after it.
    static constexpr qsizetype kMaxPayload = 1024 * 1024;

    /// A line that matches `announcement` is followed by as many bytes as its first capture says.
    void addPayloadRule(const QRegularExpression& announcement);

    /// Consumes bytes; returns every command completed by them.
    QList<Command> feed(QByteArrayView bytes);

private:
    void finishLine(QList<Command>& done);
    /// After a comma: turns the line into one awaiting its data, or refuses it, when it is an announcement.
    void takeAnnouncement(QList<Command>& done);
    /// The length text a rule finds in the line, if one matches.
    std::optional<QByteArray> announcedLength(const QByteArray& line) const;

    QList<QRegularExpression> m_payloadRules;
    QByteArray m_line;
    bool m_afterEscape = false;
    bool m_afterEscapeBang = false;
    bool m_skippingLine = false;
    Command m_awaitingPayload;
    qsizetype m_payloadLeft = 0;
};

} // namespace norvane::sim
