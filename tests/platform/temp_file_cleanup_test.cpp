// A pending temporary file is removed by every signal that would end the process, and the process
// still ends by that signal; a file-size limit makes the write fail instead of ending it.
#include "platform/temp_file_cleanup.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rw;

namespace {

// Every signal whose default action ends the process, counted from the system's own list rather
// than the program's: all but those that are ignored, stop or continue by default, SIGKILL (which
// cannot be caught) and SIGXFSZ (which the program turns into a failed write).
std::vector<int> signalsThatEndByDefault() {
    std::vector<int> result;
    for (int signal = 1; signal <= SIGRTMAX; ++signal) {
        switch (signal) {
            case SIGCHLD:
            case SIGCONT:
            case SIGSTOP:
            case SIGTSTP:
            case SIGTTIN:
            case SIGTTOU:
            case SIGURG:
            case SIGWINCH:
            case SIGKILL:
            case SIGXFSZ:
                continue;
            default:
                break;
        }
        // The C library keeps the signals below SIGRTMIN for itself.
        if (signal > SIGSYS && signal < SIGRTMIN)
            continue;
        result.push_back(signal);
    }
    return result;
}

// Runs a child that holds a pending temporary file at `path` until `signal` is sent to it; its
// wait status.
int statusAfterSignal(const QByteArray& path, int signal) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        // As a program that has left every signal at its default (a sanitizer's own handlers
        // included), and without a core file.
        for (int s = 1; s <= SIGRTMAX; ++s) ::signal(s, SIG_DFL);
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::close(::open(path.constData(), O_WRONLY | O_CREAT, 0600));
        PendingTempFile pending(path);
        (void)!::write(ready[1], "r", 1);
        for (;;) ::pause();
    }
    char byte = 0;
    ::close(ready[1]);
    const bool childReady = ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    if (childReady)
        ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
    return childReady ? status : -1;
}

}  // namespace

TEST(TempFileCleanup, EverySignalThatEndsTheProcessRemovesTheTemporaryFile) {
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral(".w.pdf.XXXXXX")));
    for (const int signal : signalsThatEndByDefault()) {
        const int status = statusAfterSignal(path, signal);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal)
            << "signal " << signal << " status " << status;
        EXPECT_FALSE(QFile::exists(QFile::decodeName(path))) << "signal " << signal;
    }
}

// Under a file-size limit the save fails with a disk-full error, the process lives on and the
// temporary file is gone; the older file stays.
TEST(TempFileCleanup, AFileSizeLimitFailsTheWriteAndRemovesTheTemporary) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("big.bin"));
    writeFileAtomically(target, QByteArray("older"));
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{4096, 4096};
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        try {
            writeFileAtomically(target, QByteArray(100000, 'x'));
        } catch (const FileError& error) {
            ::_exit(error.code() == 101 ? 0 : 2);
        }
        ::_exit(3);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    QFile older(target);
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), "older");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"big.bin"});
}
