#include "sheet/sheet_titles.h"

#include "geometry/rib_features.h"
#include "platform/text_trim.h"

#include <QPen>

namespace rw {

namespace {

QString chordLine(const QString& label, const QString& chordText, double factor,
                  const QString& thicknessText) {
    QString line = label + chordText + QStringLiteral(" mm");
    if (factor != 1.0)
        line += QStringLiteral(" (T=") + thicknessText + QStringLiteral("% )");
    return line;
}

// Texts are placed by their top left corner.
void drawTextAt(QPainter& painter, int x, int top, const QString& text, const QFont& font,
                const QFontMetrics& metrics) {
    painter.setFont(font);
    painter.drawText(x, top + metrics.ascent(), text);
}

}  // namespace

SheetTitles sheetTitles(const QString& airfoilName, const RibSettings& panel,
                        const RibParameters& params) {
    SheetTitles titles;
    titles.name = trimControl(airfoilName);
    titles.rootLine = chordLine(QStringLiteral("ROOT CHORD: "), panel.rootChordText,
                                params.rootThicknessFactor, panel.rootThicknessText);
    if (params.taperOn) {
        titles.tipLine = chordLine(QStringLiteral("TIP CHORD : "), panel.tipChordText,
                                   params.tipThicknessFactor, panel.tipThicknessText);
    }
    titles.skinLine =
        QStringLiteral("SKIN THICKNESS : ") + panel.skinThicknessText + QStringLiteral(" mm");
    // Sheeting of its own on either surface: the one panel value would no longer describe the
    // ribs, so the line gives both surfaces.
    const RibFeatures& f = panel.features;
    const float skin = params.skinThickness;
    if (f.upperSkin.value_or(skin) != skin || f.lowerSkin.value_or(skin) != skin) {
        titles.skinLine = QStringLiteral("SKIN THICKNESS : UPPER %1 mm / LOWER %2 mm")
                              .arg(formatSkinOption(upperSkinThickness(f, skin)),
                                   formatSkinOption(lowerSkinThickness(f, skin)));
    }
    return titles;
}

void drawSheetTitles(QPainter& painter, const SheetTitles& titles, int sheetWidth,
                     const SheetFonts& fonts) {
    painter.setPen(QPen(Qt::black, 1));
    if (!titles.name.isEmpty()) {
        const int width = fonts.nameMetrics.horizontalAdvance(titles.name);
        drawTextAt(painter, (sheetWidth - width) / 2, 20, titles.name, fonts.name,
                   fonts.nameMetrics);
    }
    const int left = sheetWidth / 40;
    drawTextAt(painter, left, 20, titles.rootLine, fonts.notes, fonts.notesMetrics);
    if (!titles.tipLine.isEmpty())
        drawTextAt(painter, left, 35, titles.tipLine, fonts.notes, fonts.notesMetrics);
    drawTextAt(painter, left, 50, titles.skinLine, fonts.notes, fonts.notesMetrics);
}

}  // namespace rw
