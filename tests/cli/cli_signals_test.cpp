// Signals during a long write: whatever ends the exporter removes its temporary file, and it still
// ends by that signal; a file-size limit is a failed write (exit 3), not a killed run.
#include "support/cli_process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using rw::test::kAirfoil;

namespace {

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// A run of the exporter on a sheet image that takes seconds to encode, started directly so that
// its wait status shows the signal it ended by. No core file is written. Killed if the test stops
// early.
class LongWrite {
  public:
    explicit LongWrite(const QString& target) {
        const QList<QByteArray> args = {RIBWRIGHT_BIN_DIR "/ribwright-cli",
                                        "--sheet",
                                        "12000x12000",
                                        "--image",
                                        QFile::encodeName(target),
                                        QFile::encodeName(kAirfoil)};
        std::vector<char*> argv;
        for (const QByteArray& arg : args) argv.push_back(const_cast<char*>(arg.constData()));
        argv.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
    }
    ~LongWrite() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    LongWrite(const LongWrite&) = delete;
    LongWrite& operator=(const LongWrite&) = delete;

    // Sends `signal` and returns the wait status.
    int endBy(int signal) {
        ::kill(pid_, signal);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

  private:
    pid_t pid_ = -1;
};

}  // namespace

// A closed terminal, a quit key, a user signal, an alarm: the handled interrupt and terminate
// signals are not the only ones that end a run.
TEST(CliSignals, EverySignalThatEndsARunRemovesItsTemporaryFile) {
    for (const int signal : {SIGHUP, SIGQUIT, SIGUSR1, SIGALRM}) {
        SCOPED_TRACE(signal);
        QTemporaryDir dir;
        LongWrite run(dir.filePath(QStringLiteral("huge.png")));
        // The sheet is drawn before the file is opened, which takes a while in a sanitizer build.
        for (int i = 0; i < 2400 && filesIn(dir.path()).isEmpty(); ++i) QThread::msleep(50);
        ASSERT_EQ(filesIn(dir.path()).size(), 1) << "no temporary file appeared";
        ASSERT_TRUE(filesIn(dir.path()).front().startsWith(QStringLiteral(".huge.png.")));
        const int status = run.endBy(signal);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
        EXPECT_EQ(filesIn(dir.path()), QStringList{});
    }
}

// Under a file-size limit the write fails with its error: exit 3, the message names the file,
// no temporary file stays and the older file is kept.
TEST(CliSignals, AFileSizeLimitIsAFailedWrite) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("w.png"));
    {
        QFile older(target);
        ASSERT_TRUE(older.open(QIODevice::WriteOnly));
        older.write("older");
    }
    const rw::test::CliResult r =
        rw::test::runCliUnder({"prlimit", "--fsize=20000", "--core=0"},
                              {"--sheet", "3000x3000", "--image", target, kAirfoil});
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QDir::toNativeSeparators(target))) << r.err.toStdString();
    EXPECT_EQ(filesIn(dir.path()), QStringList{"w.png"});
    EXPECT_EQ(rw::test::fileBytes(target), "older");
}
