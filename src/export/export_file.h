#pragma once

#include <QString>

namespace rw {

// The one text channel of the CSV and DXF writers. Lines are collected in memory, each ended by
// CR LF, and the whole file is written in the system's text encoding when it is closed: to a
// temporary file beside the target that replaces it only when complete, so a failure (or an
// export ended early by an error) never leaves a half-written file behind.
class ExportFile {
  public:
    explicit ExportFile(QString path) : path_(std::move(path)) {}

    void writeLine(const QString& line);

    // Writes the file. Throws FileError whose text is the message for the failure and, on a
    // second line, the path.
    void close();

    const QString& path() const { return path_; }

  private:
    QString path_;
    QString text_;
};

}  // namespace rw
