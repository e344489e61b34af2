#include "support/cli_process.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace rw::test {

CliResult runCli(const QStringList& args) {
    // Qt warns on stderr when the runtime folder is missing; give it one so stderr holds only the
    // exporter's own messages.
    static const QTemporaryDir runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(RIBWRIGHT_BIN_DIR "/ribwright-cli"), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace rw::test
