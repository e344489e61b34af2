#include "cli/offscreen_toolkit.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

#include <unistd.h>

namespace rw::cli {

std::unique_ptr<QGuiApplication> startOffscreenToolkit(char* programName) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char* argv[] = {programName, nullptr};

    QByteArray lentFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // mkdtemp makes it private to the user (0700), as the toolkit requires.
        QByteArray pattern = QFile::encodeName(QDir::tempPath()) + "/ribwright-cli-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            lentFolder = pattern;
            qputenv("XDG_RUNTIME_DIR", lentFolder);
        }
    }
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    if (!lentFolder.isEmpty()) {
        qunsetenv("XDG_RUNTIME_DIR");
        ::rmdir(lentFolder.constData());
    }
    return application;
}

}  // namespace rw::cli
