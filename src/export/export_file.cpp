#include "export/export_file.h"

#include "platform/atomic_file.h"
#include "platform/text_codec.h"

namespace rw {

void ExportFile::writeLine(const QString& line) {
    text_ += line;
    text_ += QLatin1String("\r\n");
}

void ExportFile::close() {
    writeFileAtomically(path_, encodeSystemText(text_));
}

}  // namespace rw
