#pragma once

#include <QIODevice>

#include <vector>

namespace rw {

// A write-only device over an open file descriptor. Writes are gathered into blocks, so a writer
// may hand over one short line at a time. The first failing write keeps its errno, and every
// later write fails at once without a system call: a writer that goes on after a full disk costs
// nothing more.
class DescriptorSink : public QIODevice {
  public:
    explicit DescriptorSink(int fd);
    ~DescriptorSink() override;

    // Writes out what is gathered; false after any failure.
    bool flushBlock();
    // The errno of the first failed write, 0 while none failed.
    int failedErrno() const { return errno_; }

    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

  private:
    bool writeThrough(const char* data, qint64 size);

    int fd_;
    int errno_ = 0;
    std::vector<char> block_;
};

}  // namespace rw
