#include "support/cli_process.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace rw::test {

namespace {

const QString kProgram = QStringLiteral(RIBWRIGHT_BIN_DIR "/ribwright-cli");

void startCommand(QProcess& process, const QString& program, const QStringList& args) {
    // Qt warns on stderr when the runtime folder is missing; give it one so stderr holds only the
    // exporter's own messages.
    static const QTemporaryDir runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    process.setProcessEnvironment(env);
    process.start(program, args);
}

}  // namespace

void startCli(QProcess& process, const QStringList& args) {
    startCommand(process, kProgram, args);
}

CliResult runCliUnder(const QStringList& wrapper, const QStringList& args) {
    QProcess process;
    startCommand(process, wrapper.first(), wrapper.mid(1) + QStringList{kProgram} + args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

CliResult runCli(const QStringList& args) {
    QProcess process;
    startCli(process, args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace rw::test
