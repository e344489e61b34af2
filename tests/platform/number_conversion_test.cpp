#include "platform/number_conversion.h"
#include "platform/errors.h"
#include "platform/text_trim.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

using namespace rw;

namespace {

QString floatError(const QString& text, QChar sep) {
    try {
        strToFloat(text, sep);
    } catch (const ConversionError& e) {
        return e.text();
    }
    return QStringLiteral("(converted)");
}

QString intError(const QString& text) {
    try {
        strToInt(text);
    } catch (const ConversionError& e) {
        return e.text();
    }
    return QStringLiteral("(converted)");
}

}  // namespace

TEST(StrToFloat, AcceptsEveryFormOfTheGrammar) {
    const QChar dot = QLatin1Char('.');
    EXPECT_EQ(strToFloat("150", dot), 150.0);
    EXPECT_EQ(strToFloat("-3", dot), -3.0);
    EXPECT_EQ(strToFloat("+2.5", dot), 2.5);
    EXPECT_EQ(strToFloat("35.", dot), 35.0);
    EXPECT_EQ(strToFloat(".5", dot), 0.5);
    EXPECT_EQ(strToFloat("1e3", dot), 1000.0);
    EXPECT_EQ(strToFloat("1.5E-2", dot), 0.015);
    EXPECT_EQ(strToFloat("2e+1", dot), 20.0);
    EXPECT_EQ(strToFloat("  7.25  ", dot), 7.25);
    EXPECT_EQ(strToFloat("0.0000", dot), 0.0);
    EXPECT_EQ(strToFloat("-0.0200", dot), -0.02);
    EXPECT_EQ(strToFloat("150,5", QLatin1Char(',')), 150.5);
}

TEST(StrToFloat, RefusesWithTheExactText) {
    const QChar dot = QLatin1Char('.');
    for (const char* bad :
         {"1e", ".", "+", "1.2.3", "0x10", "", "abc", "1 2", "e5", "1e+", "--1", "\t1"}) {
        EXPECT_EQ(floatError(QString::fromLatin1(bad), dot),
                  QStringLiteral("'%1' は浮動小数点数ではありません").arg(QString::fromLatin1(bad)))
            << bad;
    }
    EXPECT_EQ(floatError("1,5", dot), QStringLiteral("'1,5' は浮動小数点数ではありません"));
    EXPECT_EQ(floatError("1.5", QLatin1Char(',')),
              QStringLiteral("'1.5' は浮動小数点数ではありません"));
    EXPECT_EQ(floatError("1e999", dot), QStringLiteral("'1e999' は浮動小数点数ではありません"));
}

TEST(StrToInt, AcceptsSignedDecimalsInThirtyTwoBits) {
    EXPECT_EQ(strToInt("10"), 10);
    EXPECT_EQ(strToInt("08"), 8);
    EXPECT_EQ(strToInt("-3"), -3);
    EXPECT_EQ(strToInt("+0"), 0);
    EXPECT_EQ(strToInt(" 12 "), 12);
    EXPECT_EQ(strToInt("2147483647"), 2147483647);
    EXPECT_EQ(strToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToInt, RefusesWithDoubledApostrophes) {
    for (const char* bad : {"x", "", "1.0", "2147483648", "-2147483649", "1e2", "--1", "0x10"}) {
        EXPECT_EQ(intError(QString::fromLatin1(bad)),
                  QStringLiteral("''%1'' は整数ではありません").arg(QString::fromLatin1(bad)))
            << bad;
    }
}

TEST(TrimControl, RemovesEveryCodeUpToSpaceAtBothEnds) {
    EXPECT_EQ(trimControl(QStringLiteral("\t \r\n A B \x01\x1f ")), QStringLiteral("A B"));
    EXPECT_EQ(trimControl(QStringLiteral("   ")), QString());
    EXPECT_EQ(trimControl(QStringLiteral("x")), QStringLiteral("x"));
}

TEST(FileErrors, TextsByCode) {
    EXPECT_EQ(fileErrorText(2), QStringLiteral("指定されたファイルが見つかりません"));
    EXPECT_EQ(fileErrorText(3), QStringLiteral("不正なファイル名 - %s"));
    EXPECT_EQ(fileErrorText(5), QStringLiteral("ファイルへのアクセスが拒否されました"));
    EXPECT_EQ(fileErrorText(101), QStringLiteral("ディスクがいっぱいです"));
    EXPECT_EQ(fileErrorText(32), QStringLiteral("I/O エラー 32"));
    EXPECT_EQ(fileErrorCodeFromErrno(ENOENT), 2);
    EXPECT_EQ(fileErrorCodeFromErrno(EACCES), 5);
    EXPECT_EQ(fileErrorCodeFromErrno(EROFS), 5);
    EXPECT_EQ(fileErrorCodeFromErrno(ENOSPC), 101);
    EXPECT_EQ(fileErrorCodeFromErrno(EMFILE), 4);
    EXPECT_EQ(fileErrorCodeFromErrno(ENAMETOOLONG), 3);
}

// The application takes the C library's locale from the environment; a German one writes and
// reads "1,5". Typed numbers follow only the separator passed in.
TEST(StrToFloat, IgnoresTheCLibraryLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 missing: run scripts/install-deps.sh";
    const QChar dot = QLatin1Char('.');
    EXPECT_EQ(strToFloat("150.25", dot), 150.25);
    EXPECT_EQ(strToFloat("1.5e-2", dot), 0.015);
    EXPECT_EQ(strToFloat("1,5", QLatin1Char(',')), 1.5);
    EXPECT_EQ(floatError("1,5", dot), QStringLiteral("'1,5' は浮動小数点数ではありません"));
    std::setlocale(LC_NUMERIC, previous.c_str());
}

// Airfoil text reads '.' whatever the locale, and the locale's separator too; typed fields keep
// the locale's separator only (above).
TEST(AirfoilStrToFloat, ReadsThePointAndTheLocaleSeparator) {
    const QChar comma = QLatin1Char(',');
    EXPECT_EQ(airfoilStrToFloat("1.0000000", comma), 1.0);
    EXPECT_EQ(airfoilStrToFloat("-0,0125", comma), -0.0125);
    EXPECT_EQ(airfoilStrToFloat(".5e-1", comma), 0.05);
    EXPECT_EQ(airfoilStrToFloat("35.", QLatin1Char('.')), 35.0);
    auto error = [](const QString& text, QChar sep) {
        try {
            airfoilStrToFloat(text, sep);
        } catch (const ConversionError& e) {
            return e.text();
        }
        return QStringLiteral("(converted)");
    };
    EXPECT_EQ(error("1,5", QLatin1Char('.')), QStringLiteral("'1,5' は浮動小数点数ではありません"));
    EXPECT_EQ(error("1.5,3", comma), QStringLiteral("'1.5,3' は浮動小数点数ではありません"));
    EXPECT_EQ(error("End", comma), QStringLiteral("'End' は浮動小数点数ではありません"));
}

TEST(StrToFloat, TinyReadsAsZeroAndHugeIsRefused) {
    const QChar dot = QLatin1Char('.');
    EXPECT_EQ(strToFloat("1e-400", dot), 0.0);
    EXPECT_TRUE(std::signbit(strToFloat("-0.0001e-330", dot)));
    EXPECT_EQ(strToFloat("4.9e-324", dot), 4.9e-324);
    EXPECT_EQ(floatError("1000e306", dot),
              QStringLiteral("'1000e306' は浮動小数点数ではありません"));
    EXPECT_EQ(floatError("0.01e311", dot),
              QStringLiteral("'0.01e311' は浮動小数点数ではありません"));
    EXPECT_EQ(strToFloat("1000e305", dot), 1e308);
    EXPECT_EQ(strToFloat("0.001e300", dot), 1e297);
}
