#include "export/number_format.h"
#include "support/qt_print.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using rw::formatGeneralNumber;

namespace {

// A decimal number as significant digits d1d2… (no leading or trailing zeros) and the exponent
// e of value = 0.d1d2… × 10^e, with its sign. Zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int e = 0;
    bool operator==(const Decimal&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Decimal& d) {
    return os << (d.negative ? "-" : "") << "0." << d.digits << "e" << d.e;
}

// Unsigned big integer in base 10^9, least significant limb first: enough to spell out a double's
// exact decimal expansion without going through printf.
class BigDecimalInteger {
  public:
    explicit BigDecimalInteger(std::uint64_t v) {
        do {
            limbs_.push_back(std::uint32_t(v % kBase));
            v /= kBase;
        } while (v != 0);
    }
    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t x = std::uint64_t(limb) * factor + carry;
            limb = std::uint32_t(x % kBase);
            carry = x / kBase;
        }
        while (carry != 0) {
            limbs_.push_back(std::uint32_t(carry % kBase));
            carry /= kBase;
        }
    }
    std::string toString() const {
        std::string s = std::to_string(limbs_.back());
        for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
            const std::string part = std::to_string(*it);
            s += std::string(9 - part.size(), '0') + part;
        }
        return s;
    }

  private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> limbs_;
};

Decimal stripped(Decimal d) {
    const auto first = d.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    d.e -= int(first);
    d.digits.erase(0, first);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

// value = m × 2^q exactly; for q < 0 that is m × 5^-q × 10^q.
Decimal exactDecimal(double value) {
    int binaryExponent = 0;
    const double fraction = std::frexp(std::fabs(value), &binaryExponent);
    const auto mantissa = std::uint64_t(std::ldexp(fraction, 53));
    const int q = binaryExponent - 53;
    BigDecimalInteger n(mantissa);
    for (int i = 0; i < std::abs(q); ++i) n.multiply(q > 0 ? 2 : 5);
    Decimal d;
    d.negative = std::signbit(value);
    d.digits = n.toString();
    d.e = int(d.digits.size()) + std::min(q, 0);
    return stripped(d);
}

// Round to `places` significant digits, an exact tie going to the even digit.
Decimal roundHalfEven(Decimal d, std::size_t places) {
    if (d.digits.size() <= places)
        return d;
    const char next = d.digits[places];
    const bool restNonZero = d.digits.find_first_not_of('0', places + 1) != std::string::npos;
    const bool lastOdd = (d.digits[places - 1] - '0') % 2 == 1;
    d.digits.resize(places);
    if (next > '5' || (next == '5' && (restNonZero || lastOdd))) {
        int i = int(places) - 1;
        while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.e += 1;
        } else {
            ++d.digits[i];
        }
    }
    return stripped(d);
}

// Reads back a text written by formatGeneralNumber, checking the layout rules on the way.
Decimal parseWritten(const std::string& text) {
    Decimal d;
    std::string s = text;
    if (!s.empty() && s[0] == '-') {
        d.negative = true;
        s.erase(0, 1);
    }
    const auto ePos = s.find('E');
    if (ePos != std::string::npos) {
        const std::string mantissa = s.substr(0, ePos);
        const std::string exponent = s.substr(ePos + 1);
        EXPECT_TRUE(mantissa.size() == 1 || (mantissa.size() > 2 && mantissa[1] == '.')) << text;
        EXPECT_NE(mantissa.back(), '0') << "trailing zero: " << text;
        EXPECT_TRUE(exponent.find('+') == std::string::npos) << text;
        const std::string magnitude = exponent[0] == '-' ? exponent.substr(1) : exponent;
        EXPECT_TRUE(magnitude.size() == 1 || magnitude[0] != '0') << "exponent zeros: " << text;
        d.digits = mantissa.substr(0, 1) + (mantissa.size() > 2 ? mantissa.substr(2) : "");
        d.e = std::stoi(exponent) + 1;
        return stripped(d);
    }
    const auto point = s.find('.');
    if (point != std::string::npos) {
        EXPECT_NE(s.back(), '0') << "trailing zero: " << text;
        EXPECT_LT(point + 1, s.size()) << "point without fraction: " << text;
    }
    const std::string whole = s.substr(0, point);
    const std::string fractional = point == std::string::npos ? "" : s.substr(point + 1);
    EXPECT_TRUE(whole == "0" || whole[0] != '0') << "leading zero: " << text;
    d.digits = whole + fractional;
    d.e = int(whole.size());
    return stripped(d);
}

void expectMatchesIndependentRounding(double value) {
    const std::string written = formatGeneralNumber(value).toStdString();
    Decimal expected = roundHalfEven(exactDecimal(value), 15);
    const Decimal actual = parseWritten(written);
    ASSERT_EQ(actual, expected) << "value " << written;
    const bool scientific = written.find('E') != std::string::npos;
    EXPECT_EQ(scientific, expected.e < -3 || expected.e > 15) << written;
}

}  // namespace

TEST(FormatGeneralNumber, KnownValues) {
    EXPECT_EQ(formatGeneralNumber(150), "150");
    EXPECT_EQ(formatGeneralNumber(142.5), "142.5");
    EXPECT_EQ(formatGeneralNumber(0.0013), "0.0013");
    EXPECT_EQ(formatGeneralNumber(0.00002), "2E-5");
    EXPECT_EQ(formatGeneralNumber(0.0000123), "1.23E-5");
    EXPECT_EQ(formatGeneralNumber(0.8f), "0.800000011920929");
    EXPECT_EQ(formatGeneralNumber(0.0013f * 150.0f), "0.195000007748604");
    EXPECT_EQ(formatGeneralNumber(-142.5), "-142.5");
    EXPECT_EQ(formatGeneralNumber(-0.00002), "-2E-5");
    EXPECT_EQ(formatGeneralNumber(1.5f), "1.5");
    EXPECT_EQ(formatGeneralNumber(260.5), "260.5");
}

TEST(FormatGeneralNumber, ZeroOfEitherSignIsZero) {
    EXPECT_EQ(formatGeneralNumber(0.0), "0");
    EXPECT_EQ(formatGeneralNumber(-0.0), "0");
    EXPECT_EQ(formatGeneralNumber(double(-0.0f)), "0");
}

TEST(FormatGeneralNumber, PlainFromEMinus3ToE15) {
    EXPECT_EQ(formatGeneralNumber(0.001), "0.001");            // e = -2
    EXPECT_EQ(formatGeneralNumber(0.0001), "0.0001");          // e = -3
    EXPECT_EQ(formatGeneralNumber(0.00012345), "0.00012345");  // e = -3
    EXPECT_EQ(formatGeneralNumber(0.00001), "1E-5");           // e = -4
    EXPECT_EQ(formatGeneralNumber(0.5), "0.5");                // e = 0
    EXPECT_EQ(formatGeneralNumber(100000), "100000");
    EXPECT_EQ(formatGeneralNumber(999999999999999.0), "999999999999999");  // e = 15
    EXPECT_EQ(formatGeneralNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatGeneralNumber(1e15), "1E15");  // e = 16
    EXPECT_EQ(formatGeneralNumber(1e16), "1E16");
    EXPECT_EQ(formatGeneralNumber(123456789012345678.0), "1.23456789012346E17");
    EXPECT_EQ(formatGeneralNumber(-2.5e-300), "-2.5E-300");
    EXPECT_EQ(formatGeneralNumber(1.7976931348623157e308), "1.79769313486232E308");
    // Rounding up to a new leading digit moves the value into the next decade.
    EXPECT_EQ(formatGeneralNumber(9999999999999998.0), "1E16");
    EXPECT_EQ(formatGeneralNumber(0.9999999999999999), "1");
    EXPECT_EQ(formatGeneralNumber(999999999999999.9), "1E15");
}

TEST(FormatGeneralNumber, ExactTiesAtTheFifteenthDigitGoToEven) {
    // The single-precision value just above 32.94 holds 32.94000244140625 exactly.
    const float justAbove = std::nextafter(32.94f, 100.0f);
    ASSERT_EQ(double(justAbove), 32.94000244140625);
    EXPECT_EQ(formatGeneralNumber(justAbove), "32.9400024414062");
    EXPECT_EQ(formatGeneralNumber(1234567890123455.0), "1.23456789012346E15");
    EXPECT_EQ(formatGeneralNumber(1234567890123445.0), "1.23456789012344E15");
    EXPECT_EQ(formatGeneralNumber(123456789012345.5), "123456789012346");
    EXPECT_EQ(formatGeneralNumber(123456789012344.5), "123456789012344");
    // Not a tie: one more unit in the last place leans upward.
    EXPECT_EQ(formatGeneralNumber(std::nextafter(123456789012344.5, 1e300)), "123456789012345");
}

TEST(FormatGeneralNumber, AlwaysADecimalPointWhateverTheLocale) {
    // The application runs under the user's C locale; a comma locale must not leak into files.
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 missing: run scripts/install-deps.sh";
    EXPECT_EQ(formatGeneralNumber(260.5), "260.5");
    EXPECT_EQ(formatGeneralNumber(1.23e-5), "1.23E-5");
    std::setlocale(LC_NUMERIC, "C");
}

TEST(FormatGeneralNumber, AgreesWithAnIndependentExactRoundingOnASweep) {
    std::mt19937_64 random(20240611);
    // Doubles of every magnitude a rib file can hold and well beyond.
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> decade(-40, 40);
    for (int i = 0; i < 20000; ++i) {
        const double v = mantissa(random) * std::pow(10.0, decade(random));
        expectMatchesIndependentRounding(i % 2 ? v : -v);
    }
    // Single-precision values widened exactly: every bit pattern class, subnormals included.
    std::uniform_int_distribution<std::uint32_t> bits(0, 0x7f7fffff);
    for (int i = 0; i < 20000; ++i) {
        float f;
        const std::uint32_t pattern = bits(random);
        std::memcpy(&f, &pattern, sizeof f);
        if (f == 0)
            continue;
        expectMatchesIndependentRounding(double(f));
    }
    // Rib-sized single values: millimetres with a few decimals.
    std::uniform_real_distribution<float> millimetres(-400.0f, 400.0f);
    for (int i = 0; i < 20000; ++i) expectMatchesIndependentRounding(millimetres(random));
    // Exact ties: 16-digit integers ending in 5 and 15-digit numbers plus one half.
    std::uniform_int_distribution<std::int64_t> wide(100000000000000, 900719925474098);
    for (int i = 0; i < 5000; ++i) {
        const std::int64_t n = wide(random);
        expectMatchesIndependentRounding(double(n * 10 + 5));
        expectMatchesIndependentRounding(double(n) + 0.5);
    }
}
