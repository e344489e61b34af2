// Ribwright: one window per user. A second start hands the user over to the running window.
#include "desktop/qt_desktop.h"
#include "desktop/single_instance.h"
#include "platform/data_folders.h"
#include "ui/main_window.h"
#include "ui/toolkit_translations.h"
#include "ui/ui_texts.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void tellAlreadyRunning() {
    QMessageBox box(QMessageBox::NoIcon, rw::ui_texts::messageTitle(),
                    rw::ui_texts::alreadyRunning(), QMessageBox::Ok);
    box.exec();
}

}  // namespace

int main(int argc, char** argv) {
    // The window is laid out in pixels and is not scaled with the screen's resolution.
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    rw::installToolkitTranslations(app);

    // The application name stays the executable's: the lock file records it, and a lock whose
    // process runs under another name is taken for a stale one.
    rw::SingleInstance instance;
    if (instance.claim() == rw::SingleInstance::Role::AlreadyRunning) {
        tellAlreadyRunning();
        instance.handOver();
        return 0;
    }

    rw::QtDesktop desktop;
    rw::MainWindow window(desktop, rw::dataFoldersOfRunningExecutable());
    desktop.setOwnerWindow(&window);
    QObject::connect(&instance, &rw::SingleInstance::activationRequested, &window,
                     &rw::MainWindow::bringToFront);
    window.show();
    return app.exec();
}
