#include "link/TraceText.h"

namespace norvane {

void AppendTraceText(QByteArray& out, QByteArrayView bytes)
{
    static constexpr char kHex[] = "0123456789abcdef";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (byte) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (byte >= 0x20 && byte < 0x7f && byte != '<') {
                out += c;
            } else {
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0x0f];
            }
        }
    }
}

QByteArray SecretMarker(qsizetype length)
{
    return "<secret " + QByteArray::number(length) + (length == 1 ? " byte>" : " bytes>");
}

} // namespace norvane
