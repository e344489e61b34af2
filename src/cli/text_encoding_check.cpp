#include "cli/text_encoding_check.h"

namespace rw::cli {
namespace {

// Byte-order marks, the longer ones first (the UTF-32 LE mark begins like the UTF-16 LE one).
struct Mark {
    const char* bytes;
    int length;
    const char* name;
};
constexpr Mark kMarks[] = {
    {"\xFF\xFE\x00\x00", 4, "UTF-32 LE"},
    {"\x00\x00\xFE\xFF", 4, "UTF-32 BE"},
    {"\xFF\xFE", 2, "UTF-16 LE"},
    {"\xFE\xFF", 2, "UTF-16 BE"},
};

}  // namespace

QString wideEncodingOf(const QByteArray& head) {
    for (const Mark& mark : kMarks) {
        if (head.startsWith(QByteArray(mark.bytes, mark.length)))
            return QString::fromLatin1(mark.name);
    }
    // Without a mark: ASCII text in UTF-16 has a NUL in every other byte, on the odd bytes for
    // little endian and on the even ones for big endian. Stray NULs in 8-bit text do not look so.
    qsizetype evenNuls = 0, oddNuls = 0;
    const qsizetype pairs = head.size() / 2;
    for (qsizetype i = 0; i < pairs * 2; i += 2) {
        evenNuls += head[i] == '\0';
        oddNuls += head[i + 1] == '\0';
    }
    if (pairs >= 2 && oddNuls * 2 > pairs && evenNuls * 8 < pairs)
        return QStringLiteral("UTF-16 LE");
    if (pairs >= 2 && evenNuls * 2 > pairs && oddNuls * 8 < pairs)
        return QStringLiteral("UTF-16 BE");
    return QString();
}

}  // namespace rw::cli
