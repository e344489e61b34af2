// ribwright-cli: the batch exporter over the same engine as the window.
#include "cli/cli_options.h"
#include "cli/cli_run.h"

#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

#include "platform/errors.h"

#include <cstdio>
#include <new>

int main(int argc, char** argv) {
    // A batch tool draws off screen whatever display there is, so its images do not depend on one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("ribwright-cli"));
    QGuiApplication::setApplicationVersion(QStringLiteral(RIBWRIGHT_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Numbers typed on the command line follow the user's locale, as in the window's fields.
    const QString point = QLocale().decimalPoint();
    const QChar separator = point.isEmpty() ? QLatin1Char('.') : point.at(0);
    const rw::cli::CliParseResult parsed =
        rw::cli::parseCliArguments(QGuiApplication::arguments(), separator);
    if (!parsed.options) {
        (parsed.isError ? err : out) << parsed.output;
        return parsed.exitCode;
    }
    try {
        return rw::cli::runCli(*parsed.options, out, err);
    } catch (const std::bad_alloc&) {
        // Whatever was being written has been removed again; say why instead of aborting.
        err << rw::outOfMemoryText() << Qt::endl;
        return rw::cli::kFileError;
    }
}
