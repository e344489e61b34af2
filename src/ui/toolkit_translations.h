#pragma once

class QCoreApplication;
class QTranslator;

namespace rw {

// Puts the toolkit's own texts (file and colour dialogs, Yes/No/Cancel) into Japanese, the
// language of the rest of the window, whatever the desktop's language. Returns the installed
// translator (owned by `app`), or null when the translation files are missing and the dialogs
// stay in English.
QTranslator* installToolkitTranslations(QCoreApplication& app);

}  // namespace rw
