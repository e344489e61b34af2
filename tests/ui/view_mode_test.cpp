// The airfoil view and the rib sheet view, and the switches between them.
#include "window_fixture.h"

#include "panel/control_table.h"
#include "ui/panel_widget.h"

#include <QLabel>

#include <algorithm>

namespace rw::test {
namespace {

class ViewMode : public WindowTest {};

TEST_F(ViewMode, OpensInTheAirfoilViewAtItsOuterSize) {
    MainWindow& w = open();
    EXPECT_EQ(w.state().viewMode, rw::ViewMode::Airfoil);
    EXPECT_TRUE(find("Panel1")->isHidden());
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.frameGeometry().size(), QSize(890, 527));
}

TEST_F(ViewMode, RibButtonMaximisesShowsTheSheetAndPausesFirst) {
    MainWindow& w = open();
    openSheetView();
    EXPECT_EQ(w.state().viewMode, rw::ViewMode::RibSheet);
    EXPECT_EQ(desktop.waits, std::vector<int>{200});

    auto* sheetPanel = find<PanelWidget>("Panel1");
    EXPECT_TRUE(sheetPanel->isVisible());
    EXPECT_EQ(sheetPanel->geometry(), w.rect());
    // The settings column stands at the right edge, scrolled only where the window is shorter.
    const QSize client = w.size();
    const QRect column = find("SettingsScroll")->geometry();
    EXPECT_EQ(column.right(), client.width() - 1);
    EXPECT_EQ(column.height(), client.height());
    EXPECT_EQ(find("Panel2")->size(),
              QSize(248, std::max(client.height(), settingsColumnContentHeight())));
    const QRect sheetArea(0, 0, column.left(), client.height());
    EXPECT_EQ(find("Image2")->geometry(), sheetArea);
    EXPECT_EQ(find("PaintBox1")->geometry(), sheetArea);

    // The sheet was drawn at the size of the image control and is on show there.
    EXPECT_EQ(w.state().sheetBitmap.size(), sheetArea.size());
    const QPixmap shown = find<QLabel>("Image2")->pixmap();
    EXPECT_EQ(shown.size(), sheetArea.size());
}

TEST_F(ViewMode, BackButtonReturnsToTheCompactView) {
    MainWindow& w = open();
    openSheetView();
    click("Button4");
    ASSERT_TRUE(waitUntil([&] { return !w.isMaximized(); }));
    settle();
    EXPECT_EQ(w.state().viewMode, rw::ViewMode::Airfoil);
    EXPECT_TRUE(find("Panel1")->isHidden());
    EXPECT_TRUE(waitUntil([&] { return w.frameGeometry().size() == QSize(890, 527); }));
}

// Any change of the sheet panel's size in the sheet view redraws the sheet at the new size; in
// the airfoil view nothing is drawn.
TEST_F(ViewMode, ResizingTheSheetViewRedrawsAtTheNewSize) {
    MainWindow& w = open();
    openSheetView();
    const int beepsBefore = desktop.beeps;
    w.showNormal();
    w.resize(1000, 700);
    ASSERT_TRUE(waitUntil([&] { return w.size() == QSize(1000, 700); }));
    settle();
    EXPECT_GT(desktop.beeps, beepsBefore);
    EXPECT_EQ(find("Panel1")->size(), QSize(1000, 700));
    EXPECT_EQ(w.state().sheetBitmap.size(), QSize(1000 - 248, 700));

    click("Button4");
    ASSERT_TRUE(waitUntil([&] { return find("Panel1")->isHidden(); }));
    const int beepsInAirfoilView = desktop.beeps;
    w.resize(950, 600);
    settle();
    EXPECT_EQ(desktop.beeps, beepsInAirfoilView);
}

TEST_F(ViewMode, HandOverBringsAMinimisedWindowBack) {
    MainWindow& w = open();
    w.showMinimized();
    ASSERT_TRUE(waitUntil([&] { return w.isMinimized(); }));
    w.bringToFront();
    EXPECT_TRUE(waitUntil([&] { return !w.isMinimized(); }));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(ViewMode, ClosingTheWindowRunsTheCloseAction) {
    MainWindow& w = open();
    int closed = 0;
    w.setCloseAction([&] { ++closed; });
    w.close();
    EXPECT_EQ(closed, 1);
}

}  // namespace
}  // namespace rw::test
