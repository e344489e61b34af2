#include "export/text_lines.h"

#include "platform/errors.h"

namespace rw {

TextLineWriter::TextLineWriter(QIODevice& device)
    : device_(device), encoder_(QStringConverter::System, QStringConverter::Flag::Stateless) {}

void TextLineWriter::writeLine(const QString& line) {
    bytes_ = encoder_.encode(line);
    bytes_ += "\r\n";
    if (device_.write(bytes_) != bytes_.size())
        throw RibwrightError(device_.errorString());
}

}  // namespace rw
