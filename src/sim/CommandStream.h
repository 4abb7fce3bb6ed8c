#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QRegularExpression>
#include <functional>

namespace norvane::sim {

/// One unit of what the printer received.
struct Command
{
    enum class Kind
    {
        Line,   ///< text up to CR LF, without them; control bytes inside the line are kept
        Escape, ///< ESC "!" and one byte, or ESC and one byte
    };
    Kind kind = Kind::Line;
    QByteArray text;    ///< the line, or the escape sequence's bytes after ESC
    QByteArray payload; ///< binary data that followed a line announcing it (for example a certificate)
};

/// Cuts the byte stream into commands as a printer does. A line may announce binary data of a given
/// length (its last number, for example DLCERT 1,"CA.PEM",1200,) which is taken by count before the
/// command is complete, so the data may hold any byte, CR LF included.
class CommandStream
{
public:
    /// A line that matches `announcement` is followed by as many bytes as its first capture says.
    void addPayloadRule(const QRegularExpression& announcement);

    /// Consumes bytes; returns every command completed by them.
    QList<Command> feed(QByteArrayView bytes);

private:
    void finishLine(QList<Command>& done);
    qsizetype announcedPayload(const QByteArray& line) const;

    QList<QRegularExpression> m_payloadRules;
    QByteArray m_line;
    bool m_afterEscape = false;
    bool m_afterEscapeBang = false;
    Command m_awaitingPayload;
    qsizetype m_payloadLeft = 0;
};

} // namespace norvane::sim
