#include "export/export_file.h"

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/text_codec.h"

namespace rw {

void ExportFile::writeLine(const QString& line) {
    text_ += line;
    text_ += QLatin1String("\r\n");
}

void ExportFile::close() {
    try {
        writeFileAtomically(path_, encodeSystemText(text_));
    } catch (const FileError& e) {
        // The bare message does not say which file failed; the user chose the path in a dialog
        // moments ago, so name it.
        throw namingPath(e);
    }
}

}  // namespace rw
