#include "cli/toolkit_messages.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace rw::cli {
namespace {

QtMessageHandler toolkitHandler = nullptr;

void dropWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)
        return;
    if (toolkitHandler != nullptr) {
        toolkitHandler(type, context, message);
        return;
    }
    const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
}

}  // namespace

void keepToolkitWarningsOffStderr() {
    toolkitHandler = qInstallMessageHandler(dropWarnings);
}

}  // namespace rw::cli
