#include "FuzzedPrinter.h"

#include <QCoreApplication>

namespace norvane::fuzz {

FuzzedPrinter::FuzzedPrinter(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    m_answers = input.split(kAnswerSeparator);
    // Waits measured on the wall clock would make every input slow without finding more.
    LinkTimeouts& timeouts = m_links.links.timeouts();
    timeouts.bluetoothScan = {};
    timeouts.accessPointScan = {};
    timeouts.fileRequestSettle = {};
    timeouts.fileRequestLead = {};
    m_links.device->respond = [this](QByteArrayView) {
        return m_answers.isEmpty() ? QByteArray() : m_answers.takeFirst();
    };
}

void FuzzedPrinter::queueAllAnswers()
{
    m_links.device->input = m_answers.join(kAnswerSeparator);
    m_answers.clear();
}

void EnsureQtApplication()
{
    static int argc = 1;
    static char name[] = "norvane-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

} // namespace norvane::fuzz
