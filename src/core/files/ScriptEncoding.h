#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace norvane {

/// The character sets a command script can be loaded, sent and saved in. Latin-1 maps every byte to one
/// character and back, so a script in it reaches the printer byte for byte whatever it holds.
enum class ScriptEncoding
{
    Latin1,
    Utf8,
    Big5,
    Gbk,
    ShiftJis,
    EucKr,
};

/// The name the user chooses the encoding by.
QString ScriptEncodingName(ScriptEncoding encoding);

/// Every encoding this build can convert both ways, Latin-1 first: the East Asian ones need the converters
/// Qt takes from ICU, which a build may lack.
std::vector<ScriptEncoding> AvailableScriptEncodings();

/// A character of a script that the encoding has no bytes for, or bytes that would read back as another
/// character.
struct UnwritableCharacter
{
    char32_t codePoint;
};

/// The script's bytes, or the first of its characters that the encoding cannot hold: nothing of a script is
/// written or sent with such a character in place of what the user sees.
std::variant<QByteArray, UnwritableCharacter> EncodeScript(const QString& text, ScriptEncoding encoding);

/// The text of `bytes`, or nothing when they are no text in the encoding (they would not be sent back as they
/// came). A byte order mark stays in the text, so it goes out again.
std::optional<QString> DecodeScript(QByteArrayView bytes, ScriptEncoding encoding);

/// Tells that `character` cannot be written in `encoding`, naming it by its code point.
QString UnwritableCharacterMessage(UnwritableCharacter character, ScriptEncoding encoding);

/// Tells that a file is no text in `encoding`.
QString UndecodableFileMessage(ScriptEncoding encoding);

} // namespace norvane
