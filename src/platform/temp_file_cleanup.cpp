#include "platform/temp_file_cleanup.h"

#include <atomic>

#include <csignal>

#include <unistd.h>

namespace rw {
namespace {

// A signal handler may only touch lock-free state: the paths of the files being written, in a few
// slots. Saves run one after another in this program, so more slots are never needed; a save that
// finds none free simply goes unguarded.
constexpr int kSlots = 8;
std::atomic<const char*> pendingPaths[kSlots];
static_assert(std::atomic<const char*>::is_always_lock_free);

void removePendingAndDie(int signal) {
    for (auto& slot : pendingPaths) {
        if (const char* path = slot.load())
            ::unlink(path);
    }
    // End as the signal would have without us, so the parent sees the same status (and a core
    // where one is due). The signal is blocked while this runs: it arrives on return.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    ::raise(signal);
}

// Catching SIGXFSZ turns the size limit into a failed write (EFBIG), which the save reports and
// cleans up after. A handler rather than SIG_IGN: an ignored signal would stay ignored in the
// programs this one starts.
void noteFileSizeLimit(int) {}

// Installs `handler` for `signal` when its handling is still the default.
void takeOverDefault(int signal, void (*handler)(int)) {
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) != 0 || (previous.sa_flags & SA_SIGINFO) != 0 ||
        previous.sa_handler != SIG_DFL) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = handler;
    // No other signal runs its handler halfway through this one's.
    sigfillset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}

// Checked each time a save begins: cheap, and a handler reset to the default since is put back.
void installHandlers() {
    for (const int signal : signalsThatRemoveTemporaries())
        takeOverDefault(signal, removePendingAndDie);
#ifdef SIGXFSZ
    takeOverDefault(SIGXFSZ, noteFileSizeLimit);
#endif
}

}  // namespace

std::vector<int> signalsThatRemoveTemporaries() {
    std::vector<int> caught = {SIGHUP,  SIGINT,  SIGQUIT, SIGILL,    SIGTRAP, SIGABRT,
                               SIGBUS,  SIGFPE,  SIGUSR1, SIGSEGV,   SIGUSR2, SIGPIPE,
                               SIGALRM, SIGTERM, SIGXCPU, SIGVTALRM, SIGPROF, SIGSYS};
#ifdef SIGSTKFLT
    caught.push_back(SIGSTKFLT);
#endif
#ifdef SIGIO
    caught.push_back(SIGIO);
#endif
#ifdef SIGPWR
    caught.push_back(SIGPWR);
#endif
#ifdef SIGRTMIN
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) caught.push_back(signal);
#endif
    return caught;
}

PendingTempFile::PendingTempFile(QByteArray nativePath) : path_(std::move(nativePath)) {
    installHandlers();
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
