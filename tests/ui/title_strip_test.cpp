// The airfoil's title above the preview: a short one centred, a long one cut at the right so its
// start stays readable, the whole of it in the tooltip.
#include "window_fixture.h"

#include "ui/panel_widget.h"

namespace rw::test {
namespace {

class TitleStrip : public WindowTest {};

TEST_F(TitleStrip, LongTitleKeepsItsStart) {
    open();
    auto* strip = find<PanelWidget>("Panel3");
    paste(loopExampleText());
    EXPECT_EQ(strip->text(), "EXAMPLE FOIL A");
    EXPECT_EQ(strip->alignment(), Qt::AlignCenter);

    const QString title = QStringLiteral("XYZ ") + QString(120, QLatin1Char('W'));
    paste(QString(loopExampleText()).replace("EXAMPLE FOIL A", title));
    find("AirfoilView")->repaint();
    const QString shown = strip->text();
    EXPECT_TRUE(shown.startsWith("XYZ W")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(strip->alignment() & Qt::AlignLeft);
    EXPECT_LE(strip->fontMetrics().horizontalAdvance(shown), strip->contentsRect().width());
    EXPECT_EQ(strip->toolTip(), title);
}

}  // namespace
}  // namespace rw::test
