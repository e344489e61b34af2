#pragma once

#include "platform/native_path.h"

#include <QString>

#include <cerrno>
#include <cstdio>

namespace rw::cli {

// One of the exporter's output streams. Text goes out as UTF-8, except that a path which was not
// UTF-8 on the command line goes out as exactly the bytes it was given. A line prefix, when set,
// starts every line written after it (a batch names the file each message is about).
class CliStream {
  public:
    explicit CliStream(std::FILE* file) : file_(file) {}
    CliStream& operator<<(const QString& text) {
        for (const QChar c : text) {
            if (c == QLatin1Char('\n')) {
                flushLine();
                noteFailure(std::fputc('\n', file_) == EOF);
            } else {
                line_ += c;
            }
        }
        return *this;
    }
    CliStream& operator<<(char c) { return *this << QString(QLatin1Char(c)); }
    ~CliStream() { flushLine(); }
    CliStream(const CliStream&) = delete;
    CliStream& operator=(const CliStream&) = delete;

    void setLinePrefix(const QString& prefix) { prefix_ = prefix; }
    const QString& linePrefix() const { return prefix_; }

    // Writes out what is held and flushes the stream. Returns 0 when every byte reached it, or
    // the errno of the first write that failed (EIO when the system did not say).
    int finish() {
        flushLine();
        noteFailure(std::fflush(file_) == EOF);
        if (failedErrno_ == 0 && std::ferror(file_))
            failedErrno_ = EIO;
        return failedErrno_;
    }

  private:
    // Lines are held until they end so the prefix is only written before text.
    void flushLine() {
        if (line_.isEmpty())
            return;
        const QByteArray bytes = encodeNativePath(prefix_ + line_);
        const std::size_t size = std::size_t(bytes.size());
        noteFailure(std::fwrite(bytes.constData(), 1, size, file_) != size);
        line_.clear();
    }

    void noteFailure(bool failed) {
        if (failed && failedErrno_ == 0)
            failedErrno_ = errno != 0 ? errno : EIO;
    }

    std::FILE* file_;
    QString prefix_;
    QString line_;
    int failedErrno_ = 0;
};

}  // namespace rw::cli
