// The command line's files under hostile conditions: protected, linked and long-named targets,
// interrupted writes, huge rib counts under a memory limit.
#include "geometry/rib_parameters.h"
#include "support/cli_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

using rw::test::CliResult;
using rw::test::kAirfoil;
using rw::test::kStem;
using rw::test::runCli;
using rw::test::runCliUnder;

namespace {

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A copy of the airfoil in `dir` that any user may read: the checkout itself may lie in a folder
// only its owner can enter, where another user's run would be refused the input, not the target.
// Empty when the copy could not be made.
QString airfoilAnyoneCanRead(const QTemporaryDir& dir) {
    const QString copy = dir.filePath("airfoil.dat");
    const auto readable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                          QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto enterable =
        readable | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    if (!QFile::setPermissions(dir.path(), enterable) || !QFile::copy(kAirfoil, copy) ||
        !QFile::setPermissions(copy, readable))
        return QString();
    return copy;
}

}  // namespace

TEST(CliFileSafety, AWriteProtectedTargetIsRefusedAndKeptAWritableOneKeepsItsMode) {
    QTemporaryDir inputDir;
    const QString airfoil = airfoilAnyoneCanRead(inputDir);
    ASSERT_FALSE(airfoil.isEmpty());
    QTemporaryDir dir;
    ::chmod(QFile::encodeName(dir.path()).constData(), 0777);  // any user may write
    const QString readOnly = dir.filePath("ro.csv");
    writeFile(readOnly, "older");
    QFile::setPermissions(readOnly,
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const QString shared = dir.filePath("rw.csv");
    writeFile(shared, "older");
    ::chmod(QFile::encodeName(shared).constData(), 0666);
    // Root may write anything: the refusal is what an ordinary user meets.
    const QStringList asUser = ::geteuid() == 0 ? QStringList{"setpriv", "--reuid=65534",
                                                              "--regid=65534", "--clear-groups"}
                                                : QStringList{"env"};

    const CliResult refused = runCliUnder(asUser, {"--csv", readOnly, airfoil});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(
        refused.err.contains(QStringLiteral("ファイルへのアクセスが拒否されました\n") + readOnly))
        << refused.err.toStdString();
    EXPECT_EQ(contents(readOnly), "older");

    const CliResult written = runCliUnder(asUser, {"--csv", shared, airfoil});
    EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_TRUE(contents(shared).startsWith("NACA 2412"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(shared).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u);
    if (::geteuid() == 0) {
        // Saved over by root, the other user's file stays theirs.
        ASSERT_EQ(runCli({"--csv", shared, airfoil}).exitCode, 0);
        ASSERT_EQ(::stat(QFile::encodeName(shared).constData(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
    }
    EXPECT_EQ(filesIn(dir.path()), (QStringList{"ro.csv", "rw.csv"}));
}

TEST(CliFileSafety, ALinkedTargetIsWrittenThroughAndTheLinkKept) {
    QTemporaryDir dir;
    const QString file = dir.filePath("real.dxf");
    writeFile(file, "older");
    const QString link = dir.filePath("link.dxf");
    ASSERT_TRUE(QFile::link(file, link));
    // A link to a file that does not exist yet creates that file, as opening it would.
    const QString dangling = dir.filePath("dangling.csv");
    ASSERT_TRUE(QFile::link(dir.filePath("created.csv"), dangling));

    const CliResult r = runCli({"--dxf", link, "--csv", dangling, kAirfoil});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(contents(file).startsWith("0\r\nSECTION\r\n"));
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_TRUE(contents(dir.filePath("created.csv")).startsWith("NACA 2412"));
    EXPECT_EQ(filesIn(dir.path()).size(), 4);
}

TEST(CliFileSafety, ANameAtTheLengthLimitIsWritten) {
    QTemporaryDir dir;
    const QString name = QString(246, u'r') + QStringLiteral(".csv");  // 250 bytes
    const CliResult r = runCli({"--csv", dir.filePath(name), kAirfoil});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(filesIn(dir.path()), QStringList{name});
}

// The files are written a line at a time into the temporary file: files larger than all the
// memory the run may allocate still complete. (Collected whole, the same files needed about four
// times their size.)
constexpr qint64 kDataLimit = 40 * 1024 * 1024;

TEST(CliFileSafety, LargeFilesAreStreamedWithinAMemoryLimit) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves its shadow memory up front, beyond any data limit";
#endif
    QTemporaryDir dir;
    const QString csv = dir.filePath("r.csv");
    const QString dxf = dir.filePath("r.dxf");
    // The most ribs a series may have, of the densest test section, with every point marked.
    const CliResult r = runCliUnder(
        {"prlimit", "--data=" + QString::number(kDataLimit)},
        {"--ribs", QString::number(rw::kMaxRibCount), "--points", "--sheet", "200x100", "--csv",
         csv, "--dxf", dxf, QStringLiteral(RIBWRIGHT_TEST_DATA "/naca0012_loop.dat")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_GT(QFileInfo(csv).size() + QFileInfo(dxf).size(), kDataLimit);
    EXPECT_TRUE(contents(csv).endsWith("\r\n\r\n"));
    EXPECT_TRUE(contents(dxf).endsWith("0\r\nEOF\r\n"));
}

// SIGINT and SIGTERM during a long write remove the temporary file; the process still ends by
// the signal. (SIGKILL cannot be caught and would leave it.)
TEST(CliFileSafety, AnInterruptedWriteLeavesNoFileBehind) {
    for (const int signal : {SIGTERM, SIGINT}) {
        QTemporaryDir dir;
        QProcess process;
        // A large sheet image takes seconds to encode: long enough to be interrupted.
        rw::test::startCli(
            process, {"--sheet", "12000x12000", "--image", dir.filePath("huge.png"), kAirfoil});
        ASSERT_TRUE(process.waitForStarted());
        // Wait until the temporary file is being written: the sheet is drawn first, which
        // takes a while in a sanitizer build.
        for (int i = 0; i < 2400 && filesIn(dir.path()).isEmpty(); ++i) QThread::msleep(50);
        ASSERT_EQ(filesIn(dir.path()).size(), 1) << "no temporary file appeared";
        ::kill(pid_t(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(filesIn(dir.path()), QStringList{}) << "signal " << signal;
    }
}
