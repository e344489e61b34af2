#include "sheet/sheet_fonts.h"

#include <QStringList>

namespace rw {

QFont sheetFont(int pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSize(pointSize);
    // Sub-pixel smoothing and the hinting style otherwise follow the desktop's settings, which
    // would make the saved image differ between machines.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

SheetFonts::SheetFonts(QPaintDevice* sheet)
    : name(sheetFont(16)),
      notes(sheetFont(10)),
      labels(sheetFont(12)),
      nameMetrics(name, sheet),
      notesMetrics(notes, sheet),
      labelMetrics(labels, sheet) {}

}  // namespace rw
