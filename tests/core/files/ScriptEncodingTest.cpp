#include "files/ScriptEncoding.h"

#include <gtest/gtest.h>

using namespace norvane;

namespace {

QByteArray encoded(const QString& text, ScriptEncoding encoding)
{
    const auto result = EncodeScript(text, encoding);
    if (const auto* bytes = std::get_if<QByteArray>(&result))
        return *bytes;
    ADD_FAILURE() << "cannot write U+" << std::hex
                  << static_cast<std::uint32_t>(std::get<UnwritableCharacter>(result).codePoint);
    return {};
}

/// The code point EncodeScript refuses, or 0 when it writes the text.
std::uint32_t refused(const QString& text, ScriptEncoding encoding)
{
    const auto result = EncodeScript(text, encoding);
    const auto* character = std::get_if<UnwritableCharacter>(&result);
    return character ? static_cast<std::uint32_t>(character->codePoint) : 0;
}

} // namespace

TEST(ScriptEncodingTest, eastAsianTextIsReadAndWrittenInItsOwnBytes)
{
    const QString chinese = QStringLiteral("\u4e2d\u6587");
    const struct
    {
        ScriptEncoding encoding;
        QString text;
        QByteArray bytes;
    } cases[] = {
        {ScriptEncoding::Big5, chinese, "\xa4\xa4\xa4\xe5"},
        {ScriptEncoding::Gbk, chinese, "\xd6\xd0\xce\xc4"},
        {ScriptEncoding::ShiftJis, QStringLiteral("\u65e5\u672c"), "\x93\xfa\x96\x7b"},
        {ScriptEncoding::EucKr, QStringLiteral("\ud55c\uad6d"), "\xc7\xd1\xb1\xb9"},
        {ScriptEncoding::Utf8, chinese, "\xe4\xb8\xad\xe6\x96\x87"},
    };
    for (const auto& sample : cases) {
        SCOPED_TRACE(ScriptEncodingName(sample.encoding).toStdString());
        const QByteArray script = "TEXT 10,10,\"" + sample.bytes + "\"\r\n";
        EXPECT_EQ(encoded(QStringLiteral("TEXT 10,10,\"%1\"\r\n").arg(sample.text), sample.encoding), script);
        EXPECT_EQ(DecodeScript(script, sample.encoding), QStringLiteral("TEXT 10,10,\"%1\"\r\n").arg(sample.text));
    }
}

TEST(ScriptEncodingTest, theFirstCharacterAnEncodingCannotHoldIsNamedWholeAndNothingIsWritten)
{
    EXPECT_EQ(refused(QStringLiteral("ab\u20acc\u4e2d"), ScriptEncoding::Latin1), 0x20acu);
    EXPECT_EQ(refused(QStringLiteral("\u4e2d"), ScriptEncoding::Latin1), 0x4e2du);
    // A character outside the first plane is two UTF-16 units; it is named as one.
    EXPECT_EQ(refused(QStringLiteral("ok \U0001F600"), ScriptEncoding::Big5), 0x1f600u);
    EXPECT_EQ(refused(QStringLiteral("\ud55c"), ScriptEncoding::Big5), 0xd55cu);
    EXPECT_EQ(refused(QStringLiteral("\u20ac"), ScriptEncoding::Gbk), 0u);
    // A lone surrogate is no character at all, in any encoding.
    EXPECT_EQ(refused(QString(QChar(0xd800)) + u'x', ScriptEncoding::Utf8), 0xd800u);
    EXPECT_EQ(refused(QString(), ScriptEncoding::EucKr), 0u);

    EXPECT_EQ(UnwritableCharacterMessage({U'\u20ac'}, ScriptEncoding::Latin1).toStdString(),
              "The character \u201c\u20ac\u201d (U+20AC) cannot be written in Latin-1.");
    EXPECT_EQ(UnwritableCharacterMessage({0xd800}, ScriptEncoding::Utf8).toStdString(),
              "The character U+D800 cannot be written in UTF-8.");
}

TEST(ScriptEncodingTest, bytesThatAreNoTextInTheEncodingAreRefusedAndAByteOrderMarkIsKept)
{
    EXPECT_FALSE(DecodeScript("ok \xff\xfe", ScriptEncoding::Utf8));
    EXPECT_FALSE(DecodeScript("\xc3", ScriptEncoding::Utf8));
    EXPECT_FALSE(DecodeScript("\xa4", ScriptEncoding::Big5));
    EXPECT_EQ(DecodeScript("", ScriptEncoding::Gbk), QString());

    const QByteArray marked = "\xef\xbb\xbfSIZE 4,2\r\n";
    const auto text = DecodeScript(marked, ScriptEncoding::Utf8);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->front(), QChar(0xfeff));
    EXPECT_EQ(encoded(*text, ScriptEncoding::Utf8), marked);
    EXPECT_EQ(UndecodableFileMessage(ScriptEncoding::Big5).toStdString(),
              "The file is not Big5 text. Choose the encoding it was written in.");
}
