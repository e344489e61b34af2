// What a user reaches: by Tab only the controls of the view on show, each of them on screen at
// the window's normal size, the clickable panels answering the keyboard; and a refused first
// sheet that leaves the window laid out, its message shown once and nothing to export.
#include "window_fixture.h"

#include "geometry/rib_features_file.h"
#include "panel/control_table.h"
#include "ui/panel_widget.h"
#include "ui/rib_panel.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>

#include <set>

namespace rw::test {
namespace {

class WindowReach : public WindowTest {
  protected:
    void activate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Presses Tab `count` times from the focused control and names every control reached, each
    // checked as it gets the focus.
    std::set<QString> tabThrough(int count, const std::function<void(QWidget*)>& check) {
        std::set<QString> reached;
        for (int i = 0; i < count; ++i) {
            QWidget* focused = QApplication::focusWidget();
            if (!focused)
                break;
            QTest::keyClick(focused, Qt::Key_Tab);
            settle();
            QWidget* now = QApplication::focusWidget();
            if (!now)
                break;
            check(now);
            reached.insert(now->objectName());
        }
        return reached;
    }

    // The features file as a restart finds it: a notch far deeper than any start-up rib.
    void keepTooDeepNotch() {
        RibFeatures features;
        features.sparNotches = {{30, false, 3, 40, NotchSide::Top}};
        saveRibFeatures(ribFeaturesFilePath(folders), features);
    }

    bool exportsEnabled() const {
        for (const char* name :
             {"Button9", "Button10", "Button11", "PdfButton", "SvgButton", "CutDxfButton"}) {
            if (window->findChild<QWidget*>(QLatin1String(name))->isEnabled())
                return true;
        }
        return false;
    }
};

// Tab in the rib sheet view goes round its own controls: never into the covered airfoil view,
// whose paste button or text a Space or a key would otherwise reach unseen.
TEST_F(WindowReach, TabStaysInTheViewOnShow) {
    open();
    openSheetView();
    activate();
    QWidget* airfoilView = find("AirfoilView");
    QWidget* sheetView = find("Panel1");
    find("Edit2")->setFocus();
    const auto reached = tabThrough(80, [&](QWidget* now) {
        EXPECT_FALSE(airfoilView->isAncestorOf(now)) << now->objectName().toStdString();
        EXPECT_TRUE(sheetView->isAncestorOf(now)) << now->objectName().toStdString();
    });
    EXPECT_TRUE(reached.count("Button4"));

    click("Button4");
    ASSERT_TRUE(waitUntil([&] { return sheetView->isHidden(); }));
    find("Memo1")->setFocus();
    tabThrough(30, [&](QWidget* now) {
        EXPECT_TRUE(airfoilView->isAncestorOf(now)) << now->objectName().toStdString();
    });
}

// The airfoil text box lets Tab go on (no tab typed into the data), and the "?" panels and the
// colour swatches are reached by Tab and answer Space and Enter as a click.
TEST_F(WindowReach, WholeWorkflowFromTheKeyboard) {
    open();
    writeBytes(folders.helpFile, "<html></html>");
    paste(loopExampleText());
    activate();
    auto* memo = find<QPlainTextEdit>("Memo1");
    const QString text = memo->toPlainText();
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_FALSE(memo->hasFocus());
    EXPECT_EQ(memo->toPlainText(), text);
    EXPECT_TRUE(tabThrough(30, [](QWidget*) {}).count("Panel7"));
    find("Panel7")->setFocus();
    QTest::keyClick(find("Panel7"), Qt::Key_Space);
    EXPECT_EQ(desktop.opened, QStringList{folders.helpFile});

    openSheetView();
    activate();
    find("Edit2")->setFocus();
    const auto reached = tabThrough(80, [](QWidget*) {});
    for (const char* panel : {"Panel4", "Panel5", "Panel6", "Panel9"})
        EXPECT_TRUE(reached.count(panel)) << panel;
    find("Panel9")->setFocus();
    QTest::keyClick(find("Panel9"), Qt::Key_Return);
    EXPECT_EQ(desktop.opened.size(), 2);
    desktop.colourAnswers.push_back(QColor(0, 0, 255));
    find("Panel5")->setFocus();
    QTest::keyClick(find("Panel5"), Qt::Key_Space);
    EXPECT_EQ(desktop.colourPickerStartedWith.size(), 1u);
    EXPECT_EQ(find<PanelWidget>("Panel5")->colour(), QColor(0, 0, 255));
}

// Restored to its normal size the sheet view is shorter than the settings column: the column
// scrolls, and Tab brings every control into the window, the workshop outputs included.
TEST_F(WindowReach, EveryControlIsOnScreenAtTheNormalSize) {
    open();
    openSheetView();
    window->showNormal();
    window->resize(890, 527);
    ASSERT_TRUE(waitUntil([&] { return window->size() == QSize(890, 527); }));
    settle();
    activate();
    find("Edit2")->setFocus();
    const QRect client = window->rect();
    const auto reached = tabThrough(80, [&](QWidget* now) {
        const QRect place(now->mapTo(window.get(), QPoint(0, 0)), now->size());
        EXPECT_TRUE(client.contains(place)) << now->objectName().toStdString();
    });
    for (const char* name :
         {"PaperList", "StockEdit", "PdfButton", "SvgButton", "CutDxfButton", "Button4",
          "RibDetailsButton", "WingPanelButton", "RibTableButton", "PlanBox", "WorkshopButton"}) {
        EXPECT_TRUE(reached.count(name)) << name;
    }
    // The scroll bar takes its room from the sheet, not from the column.
    auto* column = find<QScrollArea>("SettingsScroll");
    EXPECT_EQ(column->viewport()->width(), kSettingsColumnWidth);
    EXPECT_EQ(column->geometry().right(), client.right());
    EXPECT_EQ(find("Image2")->width(), column->geometry().left());
}

// Rib details kept from an earlier run that do not fit the start-up chords: the first entry to
// the sheet says so once, even though the window changes its size while the message is up, and
// leaves the view laid out at its full size with no sheet to export.
TEST_F(WindowReach, RefusedFirstSheetLeavesTheWindowLaidOut) {
    keepTooDeepNotch();
    open();
    desktop.whileMessageShows = [this] {
        waitUntil([this] { return window->isMaximized(); });
        settle();
    };
    openSheetView();
    settle();
    ASSERT_EQ(desktop.messages.size(), 1) << desktop.messages.join('|').toStdString();
    EXPECT_TRUE(desktop.messages[0].contains(QStringLiteral("40"))) << "the refused depth";
    const QRect client = window->rect();
    EXPECT_EQ(find("Panel1")->geometry(), client);
    const QRect column = find("SettingsScroll")->geometry();
    EXPECT_EQ(column.right(), client.right());
    EXPECT_EQ(find("Image2")->geometry(), QRect(0, 0, column.left(), client.height()));
    EXPECT_TRUE(find<QLabel>("Image2")->pixmap().isNull());
    EXPECT_TRUE(window->state().sheetBitmap.isNull());
    EXPECT_FALSE(exportsEnabled());

    // Restoring the window to its normal size does not bring the message back.
    window->showNormal();
    window->resize(890, 527);
    ASSERT_TRUE(waitUntil([&] { return window->size() == QSize(890, 527); }));
    settle();
    EXPECT_EQ(desktop.messages.size(), 1);
}

// A redraw refused by a feature after a good sheet takes the sheet away: none of its ribs stays
// on show to be saved as if it were the whole wing.
TEST_F(WindowReach, RefusedRedrawLeavesNothingToExport) {
    open();
    openSheetView();
    ASSERT_FALSE(window->state().sheetBitmap.isNull());
    ASSERT_TRUE(exportsEnabled());
    RibFeatures features;
    features.sparNotches = {{30, false, 3, 40, NotchSide::Top}};
    window->findChild<RibPanel*>()->setFeatures(features);
    desktop.messages.clear();
    click("Button8");
    EXPECT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(find<QLabel>("Image2")->pixmap().isNull());
    EXPECT_TRUE(window->state().sheetBitmap.isNull());
    EXPECT_FALSE(exportsEnabled());
}

}  // namespace
}  // namespace rw::test
