#include "platform/native_path.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace rw {

#ifdef Q_OS_UNIX
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the well-formed UTF-8 sequence at `at`, or 0 when the byte there does not start one
// (overlong forms, surrogates and code points past U+10FFFF are not well formed).
int sequenceLength(const QByteArray& bytes, qsizetype at, char32_t& codePoint) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

bool isEscapedByte(char16_t unit) {
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

}  // namespace

QString decodeNativePath(const QByteArray& bytes) {
    QString path;
    path.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t codePoint = 0;
        const int length = sequenceLength(bytes, at, codePoint);
        if (length == 0) {
            path += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        path += QString::fromUcs4(&codePoint, 1);
        at += length;
    }
    return path;
}

QByteArray encodeNativePath(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        // A lone low surrogate cannot follow a high one in well-formed text: it is an escape.
        const bool paired = i > 0 && path.at(i - 1).isHighSurrogate();
        if (isEscapedByte(unit) && !paired) {
            bytes += QStringView(path).mid(runStart, i - runStart).toUtf8();
            bytes += char(unit - kEscapeBase);
            runStart = i + 1;
        }
    }
    bytes += QStringView(path).mid(runStart).toUtf8();
    return bytes;
}

bool isRegularFile(const QString& path) {
    struct stat st {};
    return ::stat(encodeNativePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

#else

QString decodeNativePath(const QByteArray& bytes) {
    return QFile::decodeName(bytes);
}

QByteArray encodeNativePath(const QString& path) {
    return QFile::encodeName(path);
}

bool isRegularFile(const QString& path) {
    return QFileInfo(path).isFile();
}

#endif

}  // namespace rw
