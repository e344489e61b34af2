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

bool isAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

// Whether CP932 text looks like a Latin-1 text misread: Japanese writes its words as runs of
// characters, while the accents of a Latin-1 text give single characters glued to Latin letters
// ("©" as "ｩ", "ép" as one kanji). So: no run of two or more non-ASCII characters, and at least
// one single one touching a Latin letter.
bool looksLikeMisreadLatin1(const QString& text) {
    bool touchesLetter = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() < 0x80)
            continue;
        if (i + 1 < text.size() && text.at(i + 1).unicode() >= 0x80)
            return false;
        touchesLetter = touchesLetter || (i > 0 && isAsciiLetter(text.at(i - 1))) ||
                        (i + 1 < text.size() && isAsciiLetter(text.at(i + 1)));
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
    const QString text = decodeTextFile(bytes, legacy);
    if (legacy == LegacyEncoding::Cp932 && looksLikeMisreadLatin1(text))
        return decodeTextFile(bytes, LegacyEncoding::Windows1252);
    return text;
}

}  // namespace rw
