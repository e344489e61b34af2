#include "platform/native_path.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace rw;

// Whatever the bytes, the name turns back into exactly them; UTF-8 names read as UTF-8.
TEST(NativePath, EveryByteStringComesBackUnchanged) {
    const QList<QByteArray> samples = {
        "plain.dat", "\xe7\xbf\xbc.dat",     "prof\xe9.dat", "out\xff.csv",      "\xed\xa0\x80",
        "\xc0\xaf",  "\xf0\x90\x80\x80\xdc", "\xe7\xbf",     "\xf4\x90\x80\x80",
    };
    for (const QByteArray& bytes : samples) {
        EXPECT_EQ(encodeNativePath(decodeNativePath(bytes)), bytes) << bytes.toHex().constData();
    }
    EXPECT_EQ(decodeNativePath("\xe7\xbf\xbc.dat"), QString::fromUtf8("\xe7\xbf\xbc.dat"));
    EXPECT_FALSE(decodeNativePath("prof\xe9.dat").contains(QChar(0xFFFD)));

    QRandomGenerator random(13);
    for (int n = 0; n < 2000; ++n) {
        QByteArray bytes(int(random.bounded(1, 12)), '\0');
        for (char& c : bytes) c = char(random.bounded(1, 256));
        ASSERT_EQ(encodeNativePath(decodeNativePath(bytes)), bytes) << bytes.toHex().constData();
    }
}
