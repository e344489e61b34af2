// The wing panel dialog: opened from the settings column, drawing the panel as it is typed,
// remembered in the data folder and handed to the engine; a planform table greys the chords.
#include "window_fixture.h"

#include "geometry/rib_features_file.h"
#include "geometry/wing/wing_panel_file.h"
#include "platform/errors.h"
#include "ui/jig_tab_fields.h"
#include "ui/rib_panel.h"
#include "ui/ui_texts.h"
#include "ui/wing_panel_dialog.h"
#include "ui/wing_panel_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace rw::test {
namespace {

class WingPanelWindow : public WindowTest {
  protected:
    WingPanelDialog* openDialog() {
        return WindowTest::openDialog<WingPanelDialog>(QStringLiteral("WingPanelButton"));
    }

    void closeDialog(const WingPanelDialog* dialog, const char* button) {
        press(dialog, button);
        ASSERT_TRUE(waitUntil([&] { return !window->findChild<WingPanelDialog*>(); }));
    }

    RibPanel* panel() const { return window->findChild<RibPanel*>(); }

    static QImage drawn(WingPanelDialog* dialog) {
        return dialog->findChild<QWidget*>("WingPanelDrawing")->grab().toImage();
    }

    static std::vector<double> stations(const WingPanelDialog* dialog) {
        std::vector<double> at;
        if (const auto& resolved = dialog->drawing().resolved()) {
            for (const PanelRib& rib : resolved->ribs) at.push_back(rib.station);
        }
        return at;
    }
};

// Typed with the locale's comma, kept in the file with points, used by the next draw and shown
// again by the next start.
TEST_F(WingPanelWindow, AcceptedPanelIsSavedUsedAndBackAtTheNextStart) {
    desktop.separator = QLatin1Char(',');
    open();
    openSheetView();
    WingPanelDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), wing_panel_texts::dialogTitle());
    type(dialog, "HalfSpanEdit", "450,5");
    in<QComboBox>(dialog, "PlanformList")->setCurrentIndex(1);
    type(dialog, "MinTipChordEdit", "40");
    type(dialog, "StationsEdit", "every:75");
    closeDialog(dialog, "OkButton");

    WingPanel expected;
    expected.halfSpan = 450.5;
    expected.planform = PlanformKind::Elliptical;
    expected.minTipChord = 40;
    expected.stations = {StationKind::Every, 0, 75, {}};
    EXPECT_EQ(panel()->snapshot().panel, expected);
    EXPECT_EQ(readBytes(wingPanelFilePath(folders)),
              "ribwright-wing-panel=1\r\nspan=450.5\r\nplanform=elliptical\r\n"
              "min-tip-chord=40\r\nstations=every:75\r\n");

    window.reset();
    open();
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_EQ(panel()->snapshot().panel, expected);
    openSheetView();
    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(in<QLineEdit>(dialog, "HalfSpanEdit")->text(), "450,5");
    EXPECT_EQ(in<QComboBox>(dialog, "PlanformList")->currentIndex(), 1);
    EXPECT_EQ(in<QLineEdit>(dialog, "StationsEdit")->text(), "every:75");
    EXPECT_FALSE(in(dialog, "TableEdit")->isEnabled());

    // A field that does not read is named, and nothing is taken.
    type(dialog, "SweepEdit", "abc");
    desktop.messages.clear();
    press(dialog, "OkButton");
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.front(),
              ui_texts::notANumber(wing_panel_texts::sweepField(), QStringLiteral("abc")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(panel()->snapshot().panel, expected);

    // Back to nothing set: the file says so and the window is as it always was.
    press(dialog, "ResetButton");
    closeDialog(dialog, "OkButton");
    EXPECT_EQ(panel()->snapshot().panel, WingPanel{});
    EXPECT_EQ(readBytes(wingPanelFilePath(folders)), "ribwright-wing-panel=1\r\n");
}

// Every change of the sweep or the stations is drawn at once; a panel that cannot be made shows
// its refusal in the drawing's place.
TEST_F(WingPanelWindow, TheDrawingFollowsTheFields) {
    open();
    openSheetView();
    WingPanelDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    type(dialog, "HalfSpanEdit", "400");
    type(dialog, "StationsEdit", "5");
    EXPECT_EQ(stations(dialog), (std::vector<double>{0, 100, 200, 300, 400}));
    const QImage straight = drawn(dialog);

    type(dialog, "SweepEdit", "60");
    ASSERT_TRUE(dialog->drawing().resolved());
    EXPECT_DOUBLE_EQ(dialog->drawing().resolved()->ribs.back().leadingEdge, 60);
    const QImage swept = drawn(dialog);
    EXPECT_NE(swept, straight);

    type(dialog, "StationsEdit", "0,50,400");
    EXPECT_EQ(stations(dialog), (std::vector<double>{0, 50, 400}));
    EXPECT_NE(drawn(dialog), swept);

    type(dialog, "StationsEdit", "0,500");
    EXPECT_FALSE(dialog->drawing().resolved());
    EXPECT_FALSE(dialog->drawing().message().isEmpty());
    closeDialog(dialog, "CancelButton");
    EXPECT_EQ(panel()->snapshot().panel, WingPanel{});
}

// While a table gives the chords, the chord fields are greyed and say why; stations that are not
// a count grey the rib count. Without the panel every field is as it always was.
TEST_F(WingPanelWindow, ATableGreysTheChords) {
    const QString table = dir.filePath(QStringLiteral("planform.csv"));
    writeBytes(table, "0,200,0\n300,150,20\n500,80,60\n");
    open();
    openSheetView();
    WingPanelDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    in<QComboBox>(dialog, "PlanformList")->setCurrentIndex(2);
    desktop.openAnswers = {table};
    press(dialog, "TableBrowseButton");
    EXPECT_EQ(in<QLineEdit>(dialog, "TableEdit")->text(), table);
    type(dialog, "StationsEdit", "every:100");
    ASSERT_TRUE(dialog->drawing().resolved()) << dialog->drawing().message().toStdString();
    EXPECT_DOUBLE_EQ(dialog->drawing().resolved()->ribs.front().chord, 200);
    closeDialog(dialog, "OkButton");

    EXPECT_FALSE(find("Edit2")->isEnabled());
    EXPECT_FALSE(find("Edit3")->isEnabled());
    EXPECT_FALSE(find("ComboBox2")->isEnabled());
    EXPECT_FALSE(find("Edit2")->toolTip().isEmpty());
    EXPECT_EQ(find<QLabel>("WingTableNote")->text(), wing_panel_texts::chordsByTableNote());
    EXPECT_EQ(panel()->snapshot().panel.sections.size(), 3u);

    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    press(dialog, "ResetButton");
    closeDialog(dialog, "OkButton");
    for (const char* field : {"Edit2", "Edit3", "ComboBox2"}) {
        EXPECT_TRUE(find(field)->isEnabled()) << field;
        EXPECT_TRUE(find(field)->toolTip().isEmpty()) << field;
    }
    EXPECT_TRUE(find<QLabel>("WingTableNote")->text().isEmpty());
}

// The washout, its pivot and the jig tabs go through OK with the rest of the panel: the twist
// reaches the ribs the rib table lists, the tabs are the rib details' own, and the rib details
// dialog keeps them when it is accepted without showing them.
TEST_F(WingPanelWindow, TwistAndJigTabsReachTheJob) {
    open();
    openSheetView();
    WingPanelDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    type(dialog, "HalfSpanEdit", "400");
    type(dialog, "WashoutEdit", "40");
    desktop.messages.clear();
    press(dialog, "OkButton");
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.front(), wing_panel_texts::badWashout(QStringLiteral("40")));
    EXPECT_TRUE(dialog->isVisible());

    type(dialog, "WashoutEdit", "3");
    type(dialog, "PivotEdit", "30");
    EXPECT_FALSE(in(dialog, "JigTabWidthEdit")->isEnabled());
    in<QCheckBox>(dialog, "JigTabsBox")->click();
    type(dialog, "JigTabPositionsEdit", "15,85");
    type(dialog, "JigTabWidthEdit", "8");
    closeDialog(dialog, "OkButton");

    EXPECT_DOUBLE_EQ(panel()->snapshot().panel.washout, 3);
    EXPECT_DOUBLE_EQ(panel()->snapshot().panel.pivot, 30);
    const JigTabs tabs{{15, 85}, 8, kDefaultJigTabHeight};
    EXPECT_EQ(panel()->snapshot().features.jigTabs, tabs);
    EXPECT_TRUE(readBytes(wingPanelFilePath(folders)).contains("washout=3\r\npivot=30\r\n"));
    EXPECT_EQ(loadRibFeatures(ribFeaturesFilePath(folders)).features.jigTabs, tabs);

    // The tip rib of the table carries the whole washout, the root none.
    const QString csv = folders.spreadsheetDir + "/ribs.csv";
    desktop.saveAnswers.push_back(csv);
    desktop.yesNoAnswers.push_back(false);
    click("RibTableButton");
    const QList<QByteArray> rows = readBytes(csv).trimmed().split('\n');
    ASSERT_GT(rows.size(), 2);
    EXPECT_DOUBLE_EQ(rows[1].trimmed().split(',')[5].toDouble(), 0);
    EXPECT_DOUBLE_EQ(rows.back().trimmed().split(',')[5].toDouble(), 3);

    click("RibDetailsButton");
    auto* details = window->findChild<QDialog*>("RibDetailsDialog");
    ASSERT_NE(details, nullptr);
    press(details, "OkButton");
    ASSERT_TRUE(waitUntil([&] { return !window->findChild<QDialog*>("RibDetailsDialog"); }));
    EXPECT_EQ(panel()->features().jigTabs, tabs);

    // Shown again as taken; switched off, the tabs leave the rib details.
    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(in<QLineEdit>(dialog, "WashoutEdit")->text(), "3");
    EXPECT_EQ(in<QLineEdit>(dialog, "PivotEdit")->text(), "30");
    EXPECT_EQ(in<QLineEdit>(dialog, "JigTabPositionsEdit")->text(), "15,85");
    in<QCheckBox>(dialog, "JigTabsBox")->click();
    closeDialog(dialog, "OkButton");
    EXPECT_FALSE(panel()->features().jigTabs.isSet());
    EXPECT_DOUBLE_EQ(panel()->wingPanel().washout, 3);
    EXPECT_FALSE(loadRibFeatures(ribFeaturesFilePath(folders)).features.jigTabs.isSet());
}

// Where the locale writes decimals with a comma, the lengths take it while the positions stay a
// comma-separated list; what the option cannot read is refused, naming the tabs.
TEST(JigTabFields, CommaLocaleAndRefusals) {
    const QChar comma(',');
    const JigTabs tabs = readJigTabFields({true, "15, 50,85", "2,5", "4,5"}, comma);
    EXPECT_EQ(tabs, (JigTabs{{15, 50, 85}, 2.5, 4.5}));
    EXPECT_EQ(readJigTabFields(jigTabFields(tabs, comma), comma), tabs);
    EXPECT_FALSE(readJigTabFields({false, "15,85", "8", ""}, comma).isSet());
    for (const JigTabFields& bad :
         {JigTabFields{true, "15,85", "8:3", ""}, JigTabFields{true, "15,185", "8", ""},
          JigTabFields{true, "15,85", "0", ""}, JigTabFields{true, "", "8", ""}}) {
        EXPECT_THROW(readJigTabFields(bad, comma), RibwrightError) << bad.positions.toStdString();
    }
}

TEST_F(WingPanelWindow, ThePlanBoxAsksThePrintForThePlan) {
    open();
    openSheetView();
    EXPECT_FALSE(panel()->outputOptions().plan);
    find<QCheckBox>("PlanBox")->click();
    EXPECT_TRUE(panel()->outputOptions().plan);
}

// An airfoil of the library can be the tip's: picked from the list, read when the panel is taken.
TEST_F(WingPanelWindow, TheTipAirfoilCanComeFromTheLibrary) {
    open();
    ASSERT_TRUE(QFile::copy(QStringLiteral(RIBWRIGHT_TEST_DATA "/naca0012_loop.dat"),
                            folders.winglistDir + QStringLiteral("/NACA 0012.dat")));
    openSheetView();
    WingPanelDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    auto* library = in<QComboBox>(dialog, "TipLibraryList");
    ASSERT_EQ(library->count(), 2);
    EXPECT_EQ(library->itemText(1), "NACA 0012");
    library->activated(1);
    EXPECT_EQ(in<QLineEdit>(dialog, "TipAirfoilEdit")->text(),
              folders.winglistDir + QStringLiteral("/NACA 0012.dat"));
    type(dialog, "HalfSpanEdit", "400");
    closeDialog(dialog, "OkButton");
    const WingPanel taken = panel()->snapshot().panel;
    ASSERT_TRUE(taken.tipAirfoil);
    EXPECT_GT(taken.tipAirfoil->pointCount(), 30);
}

}  // namespace
}  // namespace rw::test
