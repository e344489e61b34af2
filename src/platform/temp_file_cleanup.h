#pragma once

#include <QByteArray>

namespace rw {

// Marks a temporary file for removal should SIGINT or SIGTERM end the process while it exists, so
// an interrupted save leaves no hidden partial file behind. SIGKILL cannot be caught: a file being
// written at that moment stays. Handlers are installed once, and only for signals whose handling
// is still the default, so a program's own handlers keep working.
class PendingTempFile {
  public:
    explicit PendingTempFile(QByteArray nativePath);
    ~PendingTempFile();
    PendingTempFile(const PendingTempFile&) = delete;
    PendingTempFile& operator=(const PendingTempFile&) = delete;

    // The file no longer needs removing (renamed into place, or removed already).
    void release();

  private:
    QByteArray path_;
    int slot_ = -1;
};

}  // namespace rw
