#pragma once

#include "platform/ui_language.h"

#include <QRect>
#include <QString>

class QAbstractButton;
class QWidget;

namespace rw {

class Desktop;

// The small button that chooses the language of the window's next start. Its caption names the
// language a click would choose, in that language; a click saves the choice to `choiceFile` and
// tells the user it applies from the next start. A second click takes the choice back.
QAbstractButton* addLanguageToggle(QWidget& host, const QRect& place, const QString& choiceFile,
                                   UiLanguage running, Desktop& desktop);

// Where the toggle sits on the airfoil view: the free space right of the help panel, above the
// import note, clear of every control the window is built with.
inline constexpr QRect kLanguageTogglePlace{526, 287, 64, 25};

}  // namespace rw
