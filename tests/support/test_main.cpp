// Test entry point: a QApplication exists for every test program, so fonts, painters and widgets
// work; without a display the offscreen platform is used. RIBWRIGHT_LANG chooses the language as
// it does for the programs, so the same window tests run once per language; unset, the texts stay
// in the source language.
#include "platform/ui_language.h"
#include "ui/toolkit_translations.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (const std::optional<rw::UiLanguage> language = rw::uiLanguageFromEnvironment()) {
        // A run asked for in English that silently stayed Japanese would test nothing new.
        if (!rw::installUiLanguage(app, *language, QStringLiteral(RIBWRIGHT_BIN_DIR))) {
            std::fprintf(stderr, "no compiled translation in %s/translations\n", RIBWRIGHT_BIN_DIR);
            return 1;
        }
        rw::installToolkitTranslations(app, *language);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
