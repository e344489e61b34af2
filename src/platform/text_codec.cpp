#include "platform/text_codec.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <optional>

namespace rw {
namespace {

const QByteArray kUtf8ByteOrderMark("\xEF\xBB\xBF");

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F. The five codes it leaves undefined
// keep their C1 control character, as Windows itself decodes them, so no byte is ever lost.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

// The CP932 decoder comes from the toolkit's ICU support; where that is missing the text falls
// through to Windows-1252.
std::optional<QString> decodeCleanCp932(QByteArrayView bytes) {
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

}  // namespace

QByteArray encodeSystemText(const QString& text) {
    QStringEncoder encoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

LegacyEncoding desktopLegacyEncoding() {
    return QLocale::system().language() == QLocale::Japanese ? LegacyEncoding::Cp932
                                                             : LegacyEncoding::Windows1252;
}

QString decodeTextFile(const QByteArray& bytes, LegacyEncoding legacy) {
    QByteArrayView body(bytes);
    if (body.startsWith(kUtf8ByteOrderMark))
        body = body.sliced(kUtf8ByteOrderMark.size());
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    if (legacy == LegacyEncoding::Cp932) {
        if (std::optional<QString> japanese = decodeCleanCp932(body))
            return *japanese;
    }
    return decodeWindows1252(body);
}

}  // namespace rw
