#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QRegularExpression>
#include <optional>
#include <utility>

namespace norvane::sim {

/// One unit of what the printer received.
struct Command
{
    enum class Kind
    {
        Line,    ///< text up to CR LF, without them; control bytes inside the line are kept
        Escape,  ///< ESC "!" and one byte, or ESC and one byte
        Refused, ///< a line announcing binary data the printer does not take; it and the rest of its line are dropped
        Binary,  ///< bytes that form no command, such as a firmware image; only their count is kept
    };
    Kind kind = Kind::Line;
    QByteArray text;          ///< the line, or the escape sequence's bytes after ESC
    QByteArray payload;       ///< binary data that followed a line announcing it (for example a certificate)
    qsizetype binarySize = 0; ///< Binary: how many bytes the run held
};

/// Cuts the byte stream into commands as a printer does.
///
/// A line may announce binary data of a given length (its last number, for example
/// DOWNLOAD F,"LOGO.BMP",1234,) which is taken by count right after the announcement's last comma, before
/// the command is complete, so the data may hold any byte, CR LF included. An announced length that is no
/// decimal number or above its rule's bound is refused, and the stream picks up again at the next line.
///
/// Bytes that no command text holds (NUL and the other control bytes besides TAB, CR, LF, ESC, SOH, STX,
/// DLE and RS) make the line they are in binary data, and so does a line longer than kMaxLine. Binary
/// data runs on, line after line, until a line that looks like a command again: one that starts with a
/// capital letter, ESC or an emulation's lead-in and ends in CR LF, or a complete announcement. Inside
/// binary data ESC is just a byte, so the escape sequences a firmware image happens to hold are not
/// carried out.
class CommandStream
{
public:
    /// The longest line the printer buffers; longer ones are binary data.
    static constexpr qsizetype kMaxLine = 1024 * 1024;
    /// Announcements are short headers; longer lines are never compared with the rules.
    static constexpr qsizetype kMaxAnnouncement = 256;

    /// A line that matches `announcement` is followed by as many bytes as its first capture says, at
    /// most `maxPayload`; a larger length would swallow every command after it.
    void addPayloadRule(const QRegularExpression& announcement, qsizetype maxPayload);
    /// A line that matches `command` is complete at the comma that ends it: the printer acts on it without a
    /// line end.
    void addCommaEndedCommand(const QRegularExpression& command);

    /// Consumes bytes; returns every command completed by them.
    QList<Command> feed(QByteArrayView bytes);
    /// The sender has gone: a binary run comes out, a part command is dropped, and the stream starts afresh.
    QList<Command> finish();

private:
    struct PayloadRule
    {
        QRegularExpression announcement;
        qsizetype maxPayload = 0;
    };

    void consume(QByteArrayView bytes, QList<Command>& done);
    void takeText(char byte, QList<Command>& done);
    /// A byte inside binary data, which may be the start of a line of text again.
    void takeBinary(char byte, QList<Command>& done);
    void finishLine(QList<Command>& done);
    QByteArray takeLine();
    /// After a comma: turns the line into one awaiting its data, or refuses it, when it is an announcement.
    void takeAnnouncement(QList<Command>& done);
    /// The length text a rule finds in the line and that rule's bound, if one matches.
    std::optional<std::pair<QByteArray, qsizetype>> announcedLength(const QByteArray& line) const;
    /// The line so far, and whatever follows it, is binary data.
    void startBinary();
    void endBinary(QList<Command>& done);

    QList<PayloadRule> m_payloadRules;
    QList<QRegularExpression> m_commaEndedCommands;
    QByteArray m_line;
    /// The bytes of the line so far, CRs included, which m_line leaves out.
    qsizetype m_lineBytes = 0;
    bool m_afterEscape = false;
    bool m_afterEscapeBang = false;
    bool m_skippingLine = false;
    Command m_awaitingPayload;
    qsizetype m_payloadLeft = 0;
    bool m_inBinary = false;
    /// Inside binary data: the current line holds a byte no command holds, so it cannot be text.
    bool m_binaryLine = false;
    qsizetype m_binarySize = 0;
};

} // namespace norvane::sim
