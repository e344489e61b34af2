#pragma once

#include <QString>

#include <optional>

class QCoreApplication;

namespace rw {

// The language of every text the user reads (messages, captions, usage, the print's labels).
// Japanese unless English is chosen; files written never depend on it.
enum class UiLanguage { Japanese, English };

// "ja" or "en" (any letter case, blanks around ignored); nothing for anything else.
std::optional<UiLanguage> uiLanguageFromName(const QString& name);
QString uiLanguageName(UiLanguage language);

// The environment variable that chooses the language of both programs.
inline constexpr const char* kUiLanguageVariable = "RIBWRIGHT_LANG";
// The language RIBWRIGHT_LANG names, or nothing when it is unset or names no language.
std::optional<UiLanguage> uiLanguageFromEnvironment();

// The window's saved choice: a one-line file in the data folder, read at start.
QString uiLanguageFile(const QString& dataDir);
std::optional<UiLanguage> readSavedUiLanguage(const QString& path);
// Throws FileError when the file cannot be written.
void saveUiLanguage(const QString& path, UiLanguage language);

// Installs the program's translation for `language` from the "translations" folder beside the
// executable and makes it the active language. Japanese is the source language and needs no
// file. Returns false when the English translation is missing: the texts then stay Japanese and
// the active language stays Japanese.
bool installUiLanguage(QCoreApplication& app, UiLanguage language, const QString& exeDir);

// The language installed by installUiLanguage (Japanese before any call): the help page and
// the toolkit's dialogs follow it.
UiLanguage activeUiLanguage();

}  // namespace rw
