#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace norvane::sim {

/// In module mode, picks the module's AT commands out of what a connection sends: a line that starts with
/// "AT" (any case) goes to the module up to its CR; every other byte is the printer's (which drops CRs
/// outside its lines), so escape sequences and command lines still reach it.
class ModuleTap
{
public:
    struct Part
    {
        bool toModule = false;
        QByteArray bytes; ///< an AT command without its CR, or printer bytes
    };

    QList<Part> split(QByteArrayView bytes);

private:
    void toPrinter(QList<Part>& parts, QByteArrayView bytes);

    bool m_atLineStart = true;
    bool m_collecting = false;
    QByteArray m_pending;
};

} // namespace norvane::sim
