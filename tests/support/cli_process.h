#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace rw::test {

// What one run of the built ribwright-cli left behind.
struct CliResult {
    int exitCode = -1;  // -1 when the process crashed or did not finish
    QString out;
    QString err;
};

// Runs the built ribwright-cli with `args` and waits for it.
CliResult runCli(const QStringList& args);
// Runs it under a wrapping command (prlimit, setpriv …) that ends by running its arguments.
CliResult runCliUnder(const QStringList& wrapper, const QStringList& args);

// Starts the built ribwright-cli with `args` without waiting for it.
void startCli(QProcess& process, const QStringList& args);

}  // namespace rw::test
