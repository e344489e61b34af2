#include "platform/text_codec.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace rw;

namespace {

const QChar kReplacement(0xFFFD);

}  // namespace

TEST(TextFileDecoding, Utf8IsKeptAndItsByteOrderMarkDropped) {
    const QByteArray utf8 = QStringLiteral("Profil d'été 翼型\r\n").toUtf8();
    for (const LegacyEncoding legacy : {LegacyEncoding::Windows1252, LegacyEncoding::Cp932}) {
        EXPECT_EQ(decodeTextFile(utf8, legacy), QStringLiteral("Profil d'été 翼型\r\n"));
        EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF" + utf8, legacy),
                  QStringLiteral("Profil d'été 翼型\r\n"));
    }
    EXPECT_EQ(decodeTextFile(QByteArray(), LegacyEncoding::Windows1252), QString());
}

// Bytes that are not UTF-8 fall back without losing a character: Windows-1252 on most desktops,
// CP932 on a Japanese one when the bytes read cleanly as CP932.
TEST(TextFileDecoding, LegacyBytesFallBackWithoutReplacementCharacters) {
    const QByteArray latin1("Eppler \xE9t\xE9 \x80 \x81\x8D\x9D\r\n");
    const QString western = QStringLiteral("Eppler été € \u0081\u008D\u009D\r\n");
    EXPECT_EQ(decodeTextFile(latin1, LegacyEncoding::Windows1252), western);
    // "\xE9 " is no CP932 character: the Japanese desktop also gets Windows-1252.
    EXPECT_EQ(decodeTextFile(latin1, LegacyEncoding::Cp932), western);

    const QByteArray cp932("\x97\x83\x8C\x5E 12%\r\n");  // 翼型 in CP932
    const QString japanese = decodeTextFile(cp932, LegacyEncoding::Cp932);
    if (!QStringDecoder("windows-31j").isValid())
        GTEST_SKIP() << "this Qt has no CP932 decoder";
    EXPECT_EQ(japanese, QStringLiteral("翼型 12%\r\n"));
    const QString western932 = decodeTextFile(cp932, LegacyEncoding::Windows1252);
    EXPECT_EQ(western932, QStringLiteral("—ƒŒ^ 12%\r\n"));
    // A lead byte cut off at the end of the file is not clean CP932.
    EXPECT_EQ(decodeTextFile("A\x82", LegacyEncoding::Cp932), QStringLiteral("A‚"));
    for (const QString& s : {western, japanese, western932}) EXPECT_FALSE(s.contains(kReplacement));
}

// The Windows-1252 table agrees with the toolkit's own decoder, byte for byte, where it has one.
TEST(TextFileDecoding, Windows1252TableMatchesTheToolkit) {
    QStringDecoder reference("windows-1252", QStringConverter::Flag::Stateless);
    if (!reference.isValid())
        GTEST_SKIP() << "this Qt has no Windows-1252 decoder";
    QByteArray all;
    for (int b = 0x80; b < 0x100; ++b) all += char(b);
    all = "\xFF" + all;  // not UTF-8, so the fallback decodes it
    EXPECT_EQ(decodeTextFile(all, LegacyEncoding::Windows1252), QString(reference.decode(all)));
}
