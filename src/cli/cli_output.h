#pragma once

#include "platform/native_path.h"

#include <QString>

#include <cstdio>

namespace rw::cli {

// One of the exporter's output streams. Text goes out as UTF-8, except that a path which was not
// UTF-8 on the command line goes out as exactly the bytes it was given.
class CliStream {
  public:
    explicit CliStream(std::FILE* file) : file_(file) {}
    CliStream& operator<<(const QString& text) {
        const QByteArray bytes = encodeNativePath(text);
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file_);
        return *this;
    }
    CliStream& operator<<(char c) {
        std::fputc(c, file_);
        return *this;
    }

  private:
    std::FILE* file_;
};

}  // namespace rw::cli
