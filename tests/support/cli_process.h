#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace rw::test {

// The airfoil most command-line tests run on, and the stem of its files at the default settings.
inline const QString kAirfoil = QStringLiteral(RIBWRIGHT_TEST_DATA "/naca2412_two_surface.dat");
inline const QString kStem = QStringLiteral("NACA 2412_150x100x10");

// What one run of the built ribwright-cli left behind.
struct CliResult {
    int exitCode = -1;  // -1 when the process crashed or did not finish
    QString out;
    QString err;
    QByteArray rawOut;  // stdout as bytes, for paths that are not UTF-8
};

// Runs the built ribwright-cli with `args` and waits for it. XDG_RUNTIME_DIR is unset, as in a
// cron job or a bare login, so that a warning about it would show in `err`.
CliResult runCli(const QStringList& args);
// Runs it under a wrapping command (prlimit, setpriv …) that ends by running its arguments.
CliResult runCliUnder(const QStringList& wrapper, const QStringList& args);

// Starts the built ribwright-cli with `args` without waiting for it.
void startCli(QProcess& process, const QStringList& args);

// The same with arguments given as bytes (which need not be UTF-8), through the shell;
// `shellPrefix` runs first in that shell (such as "ulimit -v 400000;").
CliResult runCliBytes(const QList<QByteArray>& args, const QString& shellPrefix = QString());

// What a run wrote at `path`; empty when there is no such file.
QByteArray fileBytes(const QString& path);

}  // namespace rw::test
