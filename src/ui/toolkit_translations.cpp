#include "ui/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace rw {

QTranslator* installToolkitTranslations(QCoreApplication& app, UiLanguage language) {
    // The desktop's own locale must not pick the files: the window is in one language only.
    const QLocale locale = language == UiLanguage::English
                               ? QLocale(QLocale::English, QLocale::UnitedStates)
                               : QLocale(QLocale::Japanese, QLocale::Japan);
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

}  // namespace rw
