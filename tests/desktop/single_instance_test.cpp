// One running copy per user, checked across real processes: a helper built on the same start-up
// check plays the other copy.
#include "desktop/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace rw {
namespace {

class SingleInstanceProcesses : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    void TearDown() override {
        if (helper.state() != QProcess::NotRunning) {
            helper.kill();
            helper.waitForFinished(3000);
        }
    }

    void startHelper(const QString& mode) {
        helper.start(QStringLiteral(RIBWRIGHT_BIN_DIR "/single_instance_helper"),
                     {mode, folder.path()});
        ASSERT_TRUE(helper.waitForStarted(5000));
    }

    // The next line the helper prints, while this process keeps serving its own socket.
    QString helperLine(int milliseconds = 5000) {
        QElapsedTimer timer;
        timer.start();
        while (!helper.canReadLine() && timer.elapsed() < milliseconds) {
            QTest::qWait(10);
            if (helper.state() == QProcess::NotRunning && !helper.canReadLine()) {
                helper.waitForReadyRead(10);
                break;
            }
        }
        return QString::fromUtf8(helper.readLine()).trimmed();
    }

    bool helperEnds(int milliseconds = 5000) {
        QElapsedTimer timer;
        timer.start();
        while (helper.state() != QProcess::NotRunning && timer.elapsed() < milliseconds) {
            QTest::qWait(10);
        }
        return helper.state() == QProcess::NotRunning;
    }

    QTemporaryDir folder;
    QProcess helper;
};

TEST_F(SingleInstanceProcesses, SecondCopyHandsOverToTheRunningOne) {
    startHelper("first");
    ASSERT_EQ(helperLine(), "first");

    SingleInstance second(folder.path());
    ASSERT_EQ(second.claim(), SingleInstance::Role::AlreadyRunning);
    EXPECT_TRUE(second.handOver());
    EXPECT_EQ(helperLine(), "activated");
    ASSERT_TRUE(helperEnds());
    EXPECT_EQ(helper.exitCode(), 0);
}

TEST_F(SingleInstanceProcesses, RunningCopyReceivesTheHandOver) {
    SingleInstance first(folder.path());
    ASSERT_EQ(first.claim(), SingleInstance::Role::First);
    QSignalSpy activations(&first, &SingleInstance::activationRequested);

    startHelper("second");
    EXPECT_EQ(helperLine(), "handed-over");
    ASSERT_TRUE(helperEnds());
    EXPECT_EQ(helper.exitCode(), 0);
    EXPECT_TRUE(activations.count() == 1 || activations.wait(2000));
    EXPECT_EQ(activations.count(), 1);
}

// A copy killed outright leaves its lock file and socket behind; the next start is not blocked
// and serves hand-overs itself.
TEST_F(SingleInstanceProcesses, LockOfAKilledCopyDoesNotBlockTheNextStart) {
    startHelper("first");
    ASSERT_EQ(helperLine(), "first");
    ::kill(static_cast<pid_t>(helper.processId()), SIGKILL);
    ASSERT_TRUE(helper.waitForFinished(5000));
    SingleInstance probe(folder.path());
    ASSERT_TRUE(QFileInfo::exists(probe.lockFilePath()));

    SingleInstance next(folder.path());
    ASSERT_EQ(next.claim(), SingleInstance::Role::First);
    QSignalSpy activations(&next, &SingleInstance::activationRequested);
    startHelper("second");
    EXPECT_EQ(helperLine(), "handed-over");
    EXPECT_TRUE(activations.count() == 1 || activations.wait(2000));
}

TEST_F(SingleInstanceProcesses, OnlyOneOfTwoClaimsInOneFolderWins) {
    SingleInstance first(folder.path());
    ASSERT_EQ(first.claim(), SingleInstance::Role::First);
    startHelper("first");
    EXPECT_EQ(helperLine(), "not-first");
}

// Without a usable folder for the lock the program starts anyway.
TEST(SingleInstance, MissingFolderStartsUnguarded) {
    QTemporaryDir parent;
    SingleInstance instance(parent.path() + "/no-such-folder");
    EXPECT_EQ(instance.claim(), SingleInstance::Role::Unguarded);
    EXPECT_FALSE(instance.handOver(200));
}

TEST(SingleInstance, LockAndSocketAreNamedAfterTheProgramInItsFolder) {
    QTemporaryDir folder;
    SingleInstance instance(folder.path());
    EXPECT_EQ(QFileInfo(instance.lockFilePath()).dir().absolutePath(),
              QDir(folder.path()).absolutePath());
    EXPECT_TRUE(QFileInfo(instance.lockFilePath()).fileName().startsWith("ribwrightv1"));
    EXPECT_TRUE(QFileInfo(instance.serverName()).fileName().startsWith("ribwrightv1"));
    EXPECT_FALSE(defaultInstanceFolder().isEmpty());
}

}  // namespace
}  // namespace rw
