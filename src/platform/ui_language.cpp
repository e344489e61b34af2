#include "platform/ui_language.h"

#include "platform/atomic_file.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

namespace rw {

namespace {

UiLanguage activeLanguage = UiLanguage::Japanese;

// Small enough that a stray big file in its place is not read whole.
constexpr qint64 kSavedChoiceLimit = 64;

}  // namespace

std::optional<UiLanguage> uiLanguageFromName(const QString& name) {
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("ja"))
        return UiLanguage::Japanese;
    if (key == QLatin1String("en"))
        return UiLanguage::English;
    return std::nullopt;
}

QString uiLanguageName(UiLanguage language) {
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<UiLanguage> uiLanguageFromEnvironment() {
    return uiLanguageFromName(qEnvironmentVariable(kUiLanguageVariable));
}

QString uiLanguageFile(const QString& dataDir) {
    return dataDir + QDir::separator() + QStringLiteral("language.txt");
}

std::optional<UiLanguage> readSavedUiLanguage(const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    try {
        return uiLanguageFromName(QString::fromUtf8(readSmallRegularFile(path, kSavedChoiceLimit)));
    } catch (const RibwrightError&) {
        // An unreadable choice is no choice: the window starts in Japanese as before.
        return std::nullopt;
    }
}

void saveUiLanguage(const QString& path, UiLanguage language) {
    writeFileAtomically(path, (uiLanguageName(language) + QLatin1Char('\n')).toUtf8());
}

bool installUiLanguage(QCoreApplication& app, UiLanguage language, const QString& exeDir) {
    if (language == UiLanguage::Japanese) {
        activeLanguage = UiLanguage::Japanese;
        return true;
    }
    auto* translator = new QTranslator(&app);
    const QString folder = QDir(exeDir).filePath(QStringLiteral("translations"));
    if (!translator->load(QStringLiteral("ribwright_en"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    activeLanguage = UiLanguage::English;
    return true;
}

UiLanguage activeUiLanguage() {
    return activeLanguage;
}

}  // namespace rw
