// The toolkit's own buttons and dialog captions read in Japanese, like the rest of the window.
#include "ui/toolkit_translations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(ToolkitTranslations, StandardButtonsReadInJapanese) {
    QTranslator* translator = installToolkitTranslations(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is not installed";
    QMessageBox box(QMessageBox::NoIcon, "Ribwright", "?", QMessageBox::Yes | QMessageBox::No);
    // The toolkit writes the keyboard mnemonic after the word: "はい(&Y)".
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith("はい"));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith("いいえ"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace
}  // namespace rw
