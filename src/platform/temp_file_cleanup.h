#pragma once

#include <QByteArray>

#include <vector>

namespace rw {

// Marks a temporary file for removal should a signal end the process while it exists, so an
// interrupted save leaves no hidden partial file behind. Every signal whose default action ends
// the process is handled (see signalsThatRemoveTemporaries); the process then ends by that signal
// as it would have without the handler. SIGKILL cannot be caught: a file being written at that
// moment stays. SIGXFSZ (a file-size limit reached) no longer ends the process: the write fails
// with its error instead, and the save removes its temporary file as after any failed write.
//
// Handlers are installed as each save begins, and only for signals whose handling is still the
// default, so a program's own handlers keep working.
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

// The signals after which a pending temporary file is removed: HUP, INT, QUIT, ILL, TRAP, ABRT,
// BUS, FPE, USR1, SEGV, USR2, PIPE, ALRM, TERM, STKFLT, XCPU, VTALRM, PROF, IO, PWR, SYS and the
// real-time signals, as far as the system has them.
std::vector<int> signalsThatRemoveTemporaries();

}  // namespace rw
