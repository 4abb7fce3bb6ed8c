#include "config/JsonEncoding.h"

#include <array>

namespace norvane {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

struct ByteOrderMark
{
    QByteArrayView bytes;
    const char* encoding;
};

// UTF-32 before UTF-16: the little-endian UTF-32 mark begins with the UTF-16 one.
const std::array<ByteOrderMark, 4> kForeignMarks = {{
    {QByteArrayView("\xFF\xFE\0\0", 4), "UTF-32 (little-endian)"},
    {QByteArrayView("\0\0\xFE\xFF", 4), "UTF-32 (big-endian)"},
    {QByteArrayView("\xFF\xFE", 2), "UTF-16 (little-endian)"},
    {QByteArrayView("\xFE\xFF", 2), "UTF-16 (big-endian)"},
}};

/// JSON text opens with ASCII characters, so the zero bytes among the first four tell the encoding:
/// "00 00 00 xx" is UTF-32 big-endian, "xx 00 xx 00" UTF-16 little-endian, and so on.
const char* encodingByZeros(QByteArrayView text)
{
    if (text.size() < 4)
        return nullptr;
    int zeros = 0; // one bit per byte, the first byte highest
    for (qsizetype i = 0; i < 4; ++i)
        zeros = zeros << 1 | (text[i] == '\0' ? 1 : 0);
    switch (zeros) {
    case 0b1110:
        return "UTF-32 (big-endian)";
    case 0b0111:
        return "UTF-32 (little-endian)";
    case 0b1010:
        return "UTF-16 (big-endian)";
    case 0b0101:
        return "UTF-16 (little-endian)";
    default:
        return nullptr;
    }
}

} // namespace

std::optional<QString> JsonEncodingProblem(QByteArrayView text)
{
    for (const ByteOrderMark& mark : kForeignMarks) {
        if (text.startsWith(mark.bytes))
            return QStringLiteral("the file starts with a %1 byte order mark; save it as UTF-8")
                .arg(QLatin1String(mark.encoding));
    }
    if (const char* encoding = encodingByZeros(text))
        return QStringLiteral("the file is %1 text; save it as UTF-8").arg(QLatin1String(encoding));
    return std::nullopt;
}

QByteArrayView WithoutUtf8Bom(QByteArrayView text)
{
    return text.startsWith(kUtf8Bom) ? text.sliced(kUtf8Bom.size()) : text;
}

bool LooksLikeJsonText(QByteArrayView bytes)
{
    if (JsonEncodingProblem(bytes))
        return true;
    const QByteArrayView text = WithoutUtf8Bom(bytes).trimmed();
    return text.startsWith('{') || text.startsWith('[');
}

} // namespace norvane
