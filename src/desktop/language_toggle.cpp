#include "desktop/language_toggle.h"

#include "desktop/desktop.h"
#include "platform/errors.h"
#include "platform/language_texts.h"

#include <QPushButton>
#include <QWidget>

#include <memory>

namespace rw {

namespace {

UiLanguage otherLanguage(UiLanguage language) {
    return language == UiLanguage::English ? UiLanguage::Japanese : UiLanguage::English;
}

QString ownName(UiLanguage language) {
    return language == UiLanguage::English ? language_texts::englishName()
                                           : language_texts::japaneseName();
}

}  // namespace

QAbstractButton* addLanguageToggle(QWidget& host, const QRect& place, const QString& choiceFile,
                                   UiLanguage running, Desktop& desktop) {
    auto* button = new QPushButton(&host);
    button->setObjectName(QStringLiteral("LanguageToggle"));
    button->setGeometry(place);
    button->setToolTip(language_texts::switchToolTip());
    // What the next click would choose: the other language until it is chosen, then back.
    auto target = std::make_shared<UiLanguage>(otherLanguage(running));
    button->setText(ownName(*target));
    QObject::connect(button, &QPushButton::clicked, button, [=, &desktop] {
        try {
            saveUiLanguage(choiceFile, *target);
        } catch (const RibwrightError& error) {
            desktop.showMessage(error.text());
            return;
        }
        desktop.showMessage(*target == UiLanguage::English ? language_texts::nextStartInEnglish()
                                                           : language_texts::nextStartInJapanese());
        *target = otherLanguage(*target);
        button->setText(ownName(*target));
    });
    button->show();
    return button;
}

}  // namespace rw
