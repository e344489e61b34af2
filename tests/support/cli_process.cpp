#include "support/cli_process.h"

#include <QFile>
#include <QProcessEnvironment>

namespace rw::test {
namespace {

const QString kProgram = QStringLiteral(RIBWRIGHT_BIN_DIR "/ribwright-cli");

// Without XDG_RUNTIME_DIR, as in a cron job or a bare login, so that a warning about it would show
// in stderr.
void startCommand(QProcess& process, const QString& program, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    process.setProcessEnvironment(env);
    process.start(program, args);
}

CliResult finish(QProcess& process) {
    process.waitForFinished(60000);
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(out), QString::fromUtf8(process.readAllStandardError()), out};
}

// One shell word that the shell turns back into exactly `bytes`, written in ASCII only.
QString shellWord(const QByteArray& bytes) {
    QString octal;
    for (const char c : bytes) {
        octal +=
            QStringLiteral("\\%1").arg(uint(static_cast<unsigned char>(c)), 3, 8, QLatin1Char('0'));
    }
    return QStringLiteral("\"$(printf '%1')\"").arg(octal);
}

}  // namespace

void startCli(QProcess& process, const QStringList& args) {
    startCommand(process, kProgram, args);
}

CliResult runCliUnder(const QStringList& wrapper, const QStringList& args) {
    QProcess process;
    startCommand(process, wrapper.first(), wrapper.mid(1) + QStringList{kProgram} + args);
    return finish(process);
}

CliResult runCli(const QStringList& args) {
    QProcess process;
    startCli(process, args);
    return finish(process);
}

CliResult runCliBytes(const QList<QByteArray>& args, const QString& shellPrefix) {
    QString script = shellPrefix + QStringLiteral(" exec ") + shellWord(kProgram.toUtf8());
    for (const QByteArray& arg : args) script += QLatin1Char(' ') + shellWord(arg);
    QProcess process;
    startCommand(process, QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    return finish(process);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace rw::test
