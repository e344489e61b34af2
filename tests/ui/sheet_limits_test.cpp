// The sheet panel narrowed to a few pixels, where the ruler's zero lies beyond its end.
#include "window_fixture.h"

namespace rw::test {
namespace {

constexpr int kSettingsColumnWidth = 248;

class SheetLimits : public WindowTest {};

TEST_F(SheetLimits, ANarrowSheetPanelIsDrawn) {
    open();
    openSheetView();
    QWidget* panel = find("Panel1");
    for (const int width : {1, 2, 50, 51, 52, 60}) {
        desktop.messages.clear();
        panel->setGeometry(0, 0, kSettingsColumnWidth + width, 40);
        settle();
        EXPECT_TRUE(desktop.messages.isEmpty()) << width;
        EXPECT_EQ(window->state().sheetBitmap.width(), width);
    }
}

}  // namespace
}  // namespace rw::test
