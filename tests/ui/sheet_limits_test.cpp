// The sheet at the edges of what it can take: a panel narrowed to a few pixels, and settings
// beyond single precision.
#include "window_fixture.h"

#include "platform/errors.h"

#include <QLabel>
#include <QLineEdit>

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

TEST_F(SheetLimits, AChordBeyondSinglePrecisionIsAnInvalidOperation) {
    open();
    openSheetView();
    find<QLineEdit>("Edit2")->setText("1e39");
    desktop.messages.clear();
    click("Button8");
    EXPECT_EQ(desktop.messages, QStringList{invalidOperationText()});
}

}  // namespace
}  // namespace rw::test
