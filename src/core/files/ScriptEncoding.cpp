#include "files/ScriptEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace norvane {

namespace {

constexpr ScriptEncoding kScriptEncodings[] = {
    ScriptEncoding::Latin1, ScriptEncoding::Utf8,     ScriptEncoding::Big5,
    ScriptEncoding::Gbk,    ScriptEncoding::ShiftJis, ScriptEncoding::EucKr,
};

/// The name the converter is found by; nothing for the two Qt converts on its own.
const char* icuName(ScriptEncoding encoding)
{
    switch (encoding) {
    case ScriptEncoding::Latin1:
    case ScriptEncoding::Utf8:
        return nullptr;
    case ScriptEncoding::Big5:
        return "Big5";
    case ScriptEncoding::Gbk:
        return "GBK";
    case ScriptEncoding::ShiftJis:
        return "Shift_JIS";
    case ScriptEncoding::EucKr:
        return "EUC-KR";
    }
    return nullptr;
}

QStringConverter::Encoding builtIn(ScriptEncoding encoding)
{
    return encoding == ScriptEncoding::Utf8 ? QStringConverter::Utf8 : QStringConverter::Latin1;
}

/// Each conversion stands alone: nothing carries over from one script to the next.
QStringEncoder encoderFor(ScriptEncoding encoding)
{
    constexpr auto flags = QStringConverter::Flag::Stateless;
    const char* name = icuName(encoding);
    return name ? QStringEncoder(name, flags) : QStringEncoder(builtIn(encoding), flags);
}

QStringDecoder decoderFor(ScriptEncoding encoding)
{
    constexpr auto flags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
    const char* name = icuName(encoding);
    return name ? QStringDecoder(name, flags) : QStringDecoder(builtIn(encoding), flags);
}

/// The whole character at `index`, stepping back to the start of a surrogate pair.
char32_t codePointAt(const QString& text, qsizetype index)
{
    if (index > 0 && text[index].isLowSurrogate() && text[index - 1].isHighSurrogate())
        --index;
    const QChar first = text[index];
    if (first.isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(first, text[index + 1]);
    return first.unicode();
}

} // namespace

QString ScriptEncodingName(ScriptEncoding encoding)
{
    switch (encoding) {
    case ScriptEncoding::Latin1:
        return QStringLiteral("Latin-1");
    case ScriptEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case ScriptEncoding::Big5:
        return QStringLiteral("Big5");
    case ScriptEncoding::Gbk:
        return QStringLiteral("GBK");
    case ScriptEncoding::ShiftJis:
        return QStringLiteral("Shift-JIS");
    case ScriptEncoding::EucKr:
        return QStringLiteral("EUC-KR");
    }
    return {};
}

std::vector<ScriptEncoding> AvailableScriptEncodings()
{
    std::vector<ScriptEncoding> available;
    for (const ScriptEncoding encoding : kScriptEncodings) {
        if (encoderFor(encoding).isValid() && decoderFor(encoding).isValid())
            available.push_back(encoding);
    }
    return available;
}

std::variant<QByteArray, UnwritableCharacter> EncodeScript(const QString& text, ScriptEncoding encoding)
{
    // A converter puts a substitute in place of what it cannot write, and some map a character to the bytes of
    // a look-alike; reading the bytes back shows both.
    QByteArray bytes = encoderFor(encoding).encode(text);
    const QString readBack = decoderFor(encoding).decode(bytes);
    if (readBack == text)
        return bytes;
    const auto differs = std::mismatch(text.cbegin(), text.cend(), readBack.cbegin(), readBack.cend()).first;
    // An empty text reads back as itself, so there is a character to point at.
    const qsizetype index = std::min<qsizetype>(differs - text.cbegin(), text.size() - 1);
    return UnwritableCharacter{codePointAt(text, index)};
}

std::optional<QString> DecodeScript(QByteArrayView bytes, ScriptEncoding encoding)
{
    QString text = decoderFor(encoding).decode(bytes);
    // Invalid sequences become replacement characters, which would go out as other bytes than came in.
    const QByteArray written = encoderFor(encoding).encode(text);
    if (QByteArrayView(written) != bytes)
        return std::nullopt;
    return text;
}

QString UnwritableCharacterMessage(UnwritableCharacter character, ScriptEncoding encoding)
{
    const QString codePoint =
        QStringLiteral("U+%1").arg(static_cast<uint>(character.codePoint), 4, 16, QLatin1Char('0')).toUpper();
    const QString shown =
        QChar::isPrint(character.codePoint)
            ? QStringLiteral("\u201c%1\u201d (%2)").arg(QString::fromUcs4(&character.codePoint, 1), codePoint)
            : codePoint;
    return QStringLiteral("The character %1 cannot be written in %2.").arg(shown, ScriptEncodingName(encoding));
}

QString UndecodableFileMessage(ScriptEncoding encoding)
{
    return QStringLiteral("The file is not %1 text. Choose the encoding it was written in.")
        .arg(ScriptEncodingName(encoding));
}

} // namespace norvane
