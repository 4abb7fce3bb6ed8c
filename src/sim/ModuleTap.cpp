#include "ModuleTap.h"

namespace norvane::sim {

namespace {

/// A module's command line is short; a longer one is taken as printer bytes after all.
constexpr qsizetype kMaxAtCommand = 1024;

bool isLineEnd(char byte)
{
    return byte == '\r' || byte == '\n';
}

} // namespace

void ModuleTap::toPrinter(QList<Part>& parts, QByteArrayView bytes)
{
    if (parts.isEmpty() || parts.last().toModule)
        parts.append(Part{false, {}});
    parts.last().bytes += bytes;
}

QList<ModuleTap::Part> ModuleTap::split(QByteArrayView bytes)
{
    QList<Part> parts;
    for (const char byte : bytes) {
        if (m_collecting) {
            const bool secondLetter = m_pending.size() == 1;
            if (secondLetter && byte != 'T' && byte != 't') {
                m_collecting = false;
                toPrinter(parts, m_pending + byte);
                m_atLineStart = isLineEnd(byte);
            } else if (byte == '\r') {
                m_collecting = false;
                m_atLineStart = true;
                parts.append(Part{true, m_pending});
            } else if (m_pending.size() >= kMaxAtCommand) {
                m_collecting = false;
                toPrinter(parts, m_pending + byte);
                m_atLineStart = isLineEnd(byte);
            } else {
                m_pending += byte;
            }
            continue;
        }
        if (m_atLineStart && (byte == 'A' || byte == 'a')) {
            m_collecting = true;
            m_pending = QByteArray(1, byte);
        } else {
            toPrinter(parts, QByteArrayView(&byte, 1));
            m_atLineStart = isLineEnd(byte);
        }
    }
    return parts;
}

} // namespace norvane::sim
