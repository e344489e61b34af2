// The sheet panel narrowed to a few pixels, where the ruler's zero lies beyond its end.
#include "window_fixture.h"

#include "panel/control_table.h"

namespace rw::test {
namespace {

class SheetLimits : public WindowTest {};

TEST_F(SheetLimits, ANarrowSheetPanelIsDrawn) {
    open();
    openSheetView();
    QWidget* panel = find("Panel1");
    for (const int width : {1, 2, 50, 51, 52, 60}) {
        desktop.messages.clear();
        // Tall enough for the whole column, which would otherwise scroll and take more room.
        panel->setGeometry(0, 0, kSettingsColumnWidth + width, settingsColumnContentHeight());
        settle();
        EXPECT_TRUE(desktop.messages.isEmpty()) << width;
        EXPECT_EQ(window->state().sheetBitmap.width(), width);
    }
}

}  // namespace
}  // namespace rw::test
