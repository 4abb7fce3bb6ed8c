#pragma once

#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"

#include <QByteArray>
#include <QList>
#include <cstddef>
#include <cstdint>

namespace norvane::fuzz {

/// Separates the printer's answers in a fuzzer input: a byte no printer reply needs.
inline constexpr char kAnswerSeparator = '\x1e';

/// A printer whose answers are the fuzzer's bytes: every command written gets the next piece of the input
/// (pieces split at `kAnswerSeparator`), so one input drives a whole operation's exchange. Waits run on the
/// scripted clock, so a silent printer costs no time.
class FuzzedPrinter
{
public:
    FuzzedPrinter(const std::uint8_t* data, std::size_t size);

    CommandDispatcher dispatcher{m_links.links};

    /// A link opened the way operations open theirs, for the reply readers below the operations.
    std::unique_ptr<PrinterLink> openLink() { return m_links.links.OpenLink(InterfaceKind::Usb); }
    /// Queues every answer at once, for readers that send nothing before they read.
    void queueAllAnswers();

private:
    test::ScriptedLinks m_links;
    QList<QByteArray> m_answers;
};

/// Keeps Qt's text codecs and event-dependent classes working in a fuzzer process.
void EnsureQtApplication();

} // namespace norvane::fuzz
