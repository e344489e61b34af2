#include "platform/temp_file_cleanup.h"

#include <atomic>
#include <mutex>

#include <csignal>

#include <unistd.h>

namespace rw {
namespace {

// A signal handler may only touch lock-free state: the paths of the files being written, in a few
// slots. Saves run one after another in this program, so more slots are never needed; a save that
// finds none free simply goes unguarded.
constexpr int kSlots = 8;
std::atomic<const char*> pendingPaths[kSlots];

constexpr int kSignals[] = {SIGINT, SIGTERM};

void removePendingAndDie(int signal) {
    for (auto& slot : pendingPaths) {
        if (const char* path = slot.load())
            ::unlink(path);
    }
    // End as the signal would have without us, so the parent sees the same status.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void installHandlersOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const int signal : kSignals) {
            struct sigaction previous {};
            if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler != SIG_DFL ||
                (previous.sa_flags & SA_SIGINFO) != 0) {
                continue;
            }
            struct sigaction action {};
            action.sa_handler = removePendingAndDie;
            sigemptyset(&action.sa_mask);
            ::sigaction(signal, &action, nullptr);
        }
    });
}

}  // namespace

PendingTempFile::PendingTempFile(QByteArray nativePath) : path_(std::move(nativePath)) {
    installHandlersOnce();
    for (int i = 0; i < kSlots; ++i) {
        const char* empty = nullptr;
        if (pendingPaths[i].compare_exchange_strong(empty, path_.constData())) {
            slot_ = i;
            return;
        }
    }
}

PendingTempFile::~PendingTempFile() {
    release();
}

void PendingTempFile::release() {
    if (slot_ >= 0)
        pendingPaths[slot_].store(nullptr);
    slot_ = -1;
}

}  // namespace rw
