// Prints where the window puts each of its controls, so that the end-to-end run clicks a control
// by its name instead of by numbers of its own: one line per control of the control table,
// "NAME X Y WIDTH HEIGHT", X and Y in the window's client pixels.
// Usage: print_control_places CLIENT_WIDTH
// The width is the window's client width: the settings column stands at the right edge of the
// sheet view, so its controls move with it. The airfoil view's controls do not depend on it.
//
// Usage: print_control_places --texts ja|en BIN_DIR
// Prints the captions the run looks for in a language, "KEY TEXT" one a line, with the
// translations beside the programs in BIN_DIR installed as the program installs them: the
// message boxes' caption and the toolkit's save dialog's caption.
#include "panel/control_table.h"
#include "platform/ui_language.h"
#include "ui/toolkit_translations.h"
#include "ui/ui_texts.h"

#include <QCoreApplication>
#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Origins = std::map<std::string, QPoint>;

// A row's place is in its parent's client pixels, and a parent is a view or a control of an
// earlier row; the window builds its controls in table order for the same reason.
void printRows(const std::vector<rw::ControlSpec>& rows, Origins& origins) {
    for (const rw::ControlSpec& row : rows) {
        const auto parent = origins.find(row.parent);
        if (parent == origins.end()) {
            std::fprintf(stderr, "%s: unknown parent %s\n", row.name, row.parent);
            std::exit(1);
        }
        const QRect place = row.place.translated(parent->second);
        origins[row.name] = place.topLeft();
        std::printf("%s %d %d %d %d\n", row.name, place.x(), place.y(), place.width(),
                    place.height());
    }
}

int printTexts(int argc, char** argv) {
    const std::optional<rw::UiLanguage> language =
        rw::uiLanguageFromName(QString::fromLocal8Bit(argv[2]));
    if (!language) {
        std::fprintf(stderr, "no language named %s\n", argv[2]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    if (!rw::installUiLanguage(app, *language, QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "no translations in %s/translations\n", argv[3]);
        return 1;
    }
    rw::installToolkitTranslations(app, *language);
    // The toolkit captions its save dialog itself, in its own translation context.
    const std::pair<const char*, QString> texts[] = {
        {"message-title", rw::ui_texts::messageTitle()},
        {"save-dialog-title", QCoreApplication::translate("QFileDialog", "Save As")},
    };
    for (const auto& [key, text] : texts) std::printf("%s %s\n", key, qPrintable(text));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--texts")
        return printTexts(argc, argv);
    char* end = nullptr;
    const long clientWidth = argc == 2 ? std::strtol(argv[1], &end, 10) : -1;
    if (argc != 2 || *end != '\0' || clientWidth < 0) {
        std::fprintf(stderr,
                     "usage: print_control_places CLIENT_WIDTH\n"
                     "       print_control_places --texts ja|en BIN_DIR\n");
        return 2;
    }
    // The airfoil view fills the window; the sheet view does too, with the settings column
    // (object name Panel2) at its right edge.
    const int columnLeft = std::max(0, int(clientWidth) - rw::kSettingsColumnWidth);
    Origins origins = {{"AirfoilView", QPoint(0, 0)}, {"Panel2", QPoint(columnLeft, 0)}};
    printRows(rw::airfoilViewControls(), origins);
    printRows(rw::settingsColumnControls(), origins);
    return 0;
}
