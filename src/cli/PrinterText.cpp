#include "PrinterText.h"

namespace norvane::cli {

namespace {

bool isC1Control(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9f;
}

bool needsEscape(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7f || isC1Control(byte) || byte == '\\';
}

/// U+0080 to U+00BF are 0xc2 and the character's own number in UTF-8.
constexpr unsigned char kUtf8Latin1SupplementLead = 0xc2;

} // namespace

std::optional<QByteArray> PrinterBytes(const QString& text)
{
    QByteArray bytes = text.toLatin1();
    if (QString::fromLatin1(bytes) != text)
        return std::nullopt;
    return bytes;
}

QString TerminalText(QByteArrayView printerText)
{
    QString text;
    text.reserve(printerText.size());
    for (const char character : printerText) {
        const auto byte = static_cast<unsigned char>(character);
        if (needsEscape(byte))
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            text += QChar(byte);
    }
    return text;
}

QByteArray JsonWithEscapedControls(const QByteArray& json)
{
    QByteArray escaped;
    escaped.reserve(json.size());
    for (qsizetype i = 0; i < json.size(); ++i) {
        const auto byte = static_cast<unsigned char>(json[i]);
        if (byte == 0x7f) {
            escaped += "\\u007f";
        } else if (byte == kUtf8Latin1SupplementLead && i + 1 < json.size() &&
                   isC1Control(static_cast<unsigned char>(json[i + 1]))) {
            escaped += "\\u00" + QByteArray::number(static_cast<unsigned char>(json[++i]), 16);
        } else {
            escaped += json[i];
        }
    }
    return escaped;
}

} // namespace norvane::cli
