#include "airfoil/airfoil_read.h"

#include "airfoil/airfoil_texts.h"
#include "platform/errors.h"
#include "platform/native_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace rw {
namespace {

[[noreturn]] void failReading(const QString& path, int errnoValue) {
    const int code = fileErrorCodeFromErrno(errnoValue);
    throw FileError(fileErrorText(code) + QLatin1Char('\n') + QDir::toNativeSeparators(path), code,
                    path, QString::fromLocal8Bit(std::strerror(errnoValue)));
}

[[noreturn]] void refuseSize() {
    throw RibwrightError(airfoil_texts::fileTooLarge(int(kMaxAirfoilFileBytes / (1024 * 1024))));
}

bool isAsciiLetter(char b) {
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

// Whether bytes that decode as CP932 look like a Latin-1 text misread. Japanese writes its words
// as runs of characters, and its common double-byte characters start with bytes 0x81-0x9F; the
// accents of a Latin-1 text are single bytes 0xA1-0xFF glued to Latin letters, which CP932 reads
// as lone half-width katakana ("©" as "ｩ") or, before a letter, as a rare kanji ("ép" as one
// character). So: no such lead byte, no two characters beyond ASCII in a row, and at least one
// touching a Latin letter.
bool looksLikeMisreadLatin1(const QByteArray& bytes) {
    bool touchesLetter = false;
    bool previousWide = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            previousWide = false;
            continue;
        }
        if (b <= 0x9F || previousWide)
            return false;
        const bool doubleByte = b >= 0xE0 && i + 1 < bytes.size();
        const qsizetype last = doubleByte ? i + 1 : i;
        touchesLetter = touchesLetter || (i > 0 && isAsciiLetter(bytes[i - 1])) ||
                        (doubleByte && isAsciiLetter(bytes[last])) ||
                        (last + 1 < bytes.size() && isAsciiLetter(bytes[last + 1]));
        previousWide = !doubleByte || static_cast<unsigned char>(bytes[last]) >= 0x80;
        i = last;
    }
    return touchesLetter;
}

}  // namespace

QByteArray readAirfoilBytes(const QString& path) {
    // A folder holds no airfoil: told as a missing file, as the library's reader always told it.
    if (QFileInfo(path).isDir())
        failReading(path, ENOENT);
    QByteArray bytes;
#ifdef Q_OS_UNIX
    const int fd = ::open(encodeNativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        failReading(path, errno);
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int e = errno;
            ::close(fd);
            failReading(path, e);
        }
        if (got == 0)
            break;
        if (bytes.size() + got > kMaxAirfoilFileBytes) {
            ::close(fd);
            refuseSize();
        }
        bytes.append(chunk, got);
    }
    ::close(fd);
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        failReading(path, ENOENT);
    bytes = file.read(kMaxAirfoilFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        failReading(path, EIO);
    if (bytes.size() > kMaxAirfoilFileBytes)
        refuseSize();
#endif
    return bytes;
}

QString decodeAirfoilBytes(const QByteArray& bytes, LegacyEncoding legacy) {
    if (legacy == LegacyEncoding::Cp932 && looksLikeMisreadLatin1(bytes))
        return decodeTextFile(bytes, LegacyEncoding::Windows1252);
    return decodeTextFile(bytes, legacy);
}

}  // namespace rw
