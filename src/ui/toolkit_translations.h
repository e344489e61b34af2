#pragma once

#include "platform/ui_language.h"

class QCoreApplication;
class QTranslator;

namespace rw {

// Puts the toolkit's own texts (file and colour dialogs, Yes/No/Cancel) into the language of the
// rest of the window, whatever the desktop's language: Japanese by default. Returns the installed
// translator (owned by `app`), or null when the translation files are missing and the dialogs
// stay in the toolkit's English.
QTranslator* installToolkitTranslations(QCoreApplication& app,
                                        UiLanguage language = UiLanguage::Japanese);

}  // namespace rw
