// Ribwright: one window per user. A second start hands the user over to the running window.
#include "desktop/language_toggle.h"
#include "desktop/qt_desktop.h"
#include "desktop/single_instance.h"
#include "platform/data_folders.h"
#include "platform/ui_language.h"
#include "ui/main_window.h"
#include "ui/toolkit_translations.h"
#include "ui/ui_texts.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// RIBWRIGHT_LANG wins over the choice saved by the window's language button.
rw::UiLanguage chosenLanguage(const QString& choiceFile) {
    if (const auto fromEnvironment = rw::uiLanguageFromEnvironment())
        return *fromEnvironment;
    return rw::readSavedUiLanguage(choiceFile).value_or(rw::UiLanguage::Japanese);
}

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
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString choiceFile = rw::uiLanguageFile(rw::dataFoldersOfRunningExecutable().dataDir);
    const rw::UiLanguage running = chosenLanguage(choiceFile);
    rw::installUiLanguage(app, running, exeDir);
    rw::installToolkitTranslations(app, rw::activeUiLanguage());

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
    if (auto* airfoilView = window.findChild<QWidget*>(QStringLiteral("AirfoilView")))
        rw::addLanguageToggle(*airfoilView, rw::kLanguageTogglePlace, choiceFile,
                              rw::activeUiLanguage(), desktop);
    QObject::connect(&instance, &rw::SingleInstance::activationRequested, &window,
                     &rw::MainWindow::bringToFront);
    window.show();
    return app.exec();
}
