// ribwright-cli: the batch exporter over the same engine as the window.
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_run.h"
#include "cli/cli_texts.h"
#include "cli/offscreen_toolkit.h"
#include "cli/toolkit_messages.h"
#include "platform/errors.h"
#include "platform/native_path.h"

#include <QGuiApplication>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <new>

int main(int argc, char** argv) {
    // File names are bytes: each argument keeps the bytes it was given, UTF-8 or not.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << rw::decodeNativePath(QByteArray(argv[i]));

    rw::cli::keepToolkitWarningsOffStderr();
    // A batch tool draws off screen whatever display there is, so its images do not depend on one.
    const auto application = rw::cli::startOffscreenToolkit(argv[0]);
    QGuiApplication::setApplicationName(QStringLiteral("ribwright-cli"));
    QGuiApplication::setApplicationVersion(QStringLiteral(RIBWRIGHT_VERSION));

    rw::cli::CliStream out(stdout);
    rw::cli::CliStream err(stderr);
    // Numbers typed on the command line follow the user's locale, as in the window's fields.
    const QString point = QLocale().decimalPoint();
    const QChar separator = point.isEmpty() ? QLatin1Char('.') : point.at(0);
    const rw::cli::CliParseResult parsed = rw::cli::parseCliArguments(arguments, separator);
    int status = rw::cli::kWritten;
    if (!parsed.options) {
        (parsed.isError ? err : out) << parsed.output;
        status = parsed.exitCode;
    } else {
        try {
            status = rw::cli::runCli(*parsed.options, out, err);
        } catch (const std::bad_alloc&) {
            // Whatever was being written has been removed again; say why instead of aborting.
            err << rw::outOfMemoryText() << '\n';
            status = rw::cli::kFileError;
        }
    }
    // What went to stdout (a name, the paths written) is output like any file: a script reading
    // it must not take a list that never arrived for an empty one.
    if (const int failed = out.finish(); failed != 0) {
        err << rw::fileErrorText(rw::fileErrorCodeFromErrno(failed)) << '\n'
            << rw::cli_texts::standardOutputName() << '\n';
        status = std::max(status, int(rw::cli::kFileError));
    }
    return status;
}
