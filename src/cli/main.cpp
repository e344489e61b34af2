// ribwright-cli: the batch exporter over the same engine as the window.
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_run.h"
#include "cli/cli_texts.h"
#include "cli/offscreen_toolkit.h"
#include "cli/toolkit_messages.h"
#include "platform/errors.h"
#include "platform/language_texts.h"
#include "platform/native_path.h"
#include "platform/ui_language.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

// Takes "--lang CODE" or "--lang=CODE" out of the arguments (the last one counts) before the
// parser sees them: the language must be installed before the parser builds its help texts.
// Nothing is taken after "--", where every argument is a file.
struct LanguageArgument {
    bool given = false;
    QString value;
};

LanguageArgument takeLanguageArgument(QStringList& arguments) {
    LanguageArgument found;
    const QString option = QStringLiteral("--lang");
    for (int i = 1; i < arguments.size();) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument == option) {
            found.given = true;
            found.value = i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
            arguments.remove(i, std::min<qsizetype>(2, arguments.size() - i));
        } else if (argument.startsWith(option + QLatin1Char('='))) {
            found.given = true;
            found.value = argument.mid(option.size() + 1);
            arguments.remove(i);
        } else {
            ++i;
        }
    }
    return found;
}

}  // namespace

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
    const LanguageArgument languageArgument = takeLanguageArgument(arguments);
    const auto optionLanguage = rw::uiLanguageFromName(languageArgument.value);
    rw::installUiLanguage(
        *QCoreApplication::instance(),
        optionLanguage.value_or(rw::uiLanguageFromEnvironment().value_or(rw::UiLanguage::Japanese)),
        QCoreApplication::applicationDirPath());
    if (languageArgument.given && !optionLanguage) {
        err << rw::language_texts::unknownLanguageOption(languageArgument.value) << '\n';
        return rw::cli::kUsage;
    }
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
