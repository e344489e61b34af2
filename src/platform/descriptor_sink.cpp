#include "platform/descriptor_sink.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace rw {
namespace {

constexpr size_t kBlockBytes = 256 * 1024;

}  // namespace

DescriptorSink::DescriptorSink(int fd) : fd_(fd) {
    block_.reserve(kBlockBytes);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

DescriptorSink::~DescriptorSink() = default;

bool DescriptorSink::writeThrough(const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            errno_ = errno;
            setErrorString(QString::fromLocal8Bit(std::strerror(errno_)));
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool DescriptorSink::flushBlock() {
    if (errno_ != 0)
        return false;
    const bool written = writeThrough(block_.data(), qint64(block_.size()));
    block_.clear();
    return written;
}

qint64 DescriptorSink::writeData(const char* data, qint64 size) {
    if (errno_ != 0)
        return -1;
    if (block_.size() + size_t(size) > kBlockBytes) {
        if (!flushBlock())
            return -1;
        if (size_t(size) >= kBlockBytes)
            return writeThrough(data, size) ? size : -1;
    }
    block_.insert(block_.end(), data, data + size);
    return size;
}

}  // namespace rw
