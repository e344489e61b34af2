#pragma once

#include <QIODevice>
#include <QString>
#include <QStringEncoder>

namespace rw {

// The text channel of the CSV and DXF writers: each line goes to the device at once, in the
// system's text encoding and ended by CR LF, so a file of any length needs no more memory than a
// line. The first write the device refuses ends the export with RibwrightError; a save into a
// file reports it as that file's error instead.
class TextLineWriter {
  public:
    explicit TextLineWriter(QIODevice& device);

    void writeLine(const QString& line);

  private:
    QIODevice& device_;
    QStringEncoder encoder_;
    QByteArray bytes_;
};

}  // namespace rw
