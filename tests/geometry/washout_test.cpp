// Washout: each rib turned by its share of the span on top of a table's twist, and kept in the
// wing panel file with its pivot.
#include "geometry/wing/wing_panel.h"
#include "geometry/wing/wing_panel_file.h"
#include "geometry/wing/wing_panel_options.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rw;

TEST(Washout, AddsToTheTableTwistBySpanAndGoesThroughThePanelFile) {
    AirfoilProfile wedge;
    wedge.x = {1, 0.5f, 0, 0.5f, 1};
    wedge.y = {0, 0.06f, 0, -0.04f, 0};
    WingPanel panel;
    panel.planform = PlanformKind::Table;
    panel.tablePath = QStringLiteral("sections.csv");
    panel.sections = {{0, 200, 0, 1, {}, {}}, {400, 100, 20, -1, {}, {}}};
    panel.stations = parseStationsOption(QStringLiteral("0,100,400"));
    panel.washout = 3;
    const ResolvedPanel resolved = resolveWingPanel(panel, wedge, 200, 100, 3);
    ASSERT_EQ(resolved.ribs.size(), 3u);
    // The table's 1° to -1° and a quarter, then all, of the 3° washout.
    EXPECT_DOUBLE_EQ(resolved.ribs[0].twist, 1);
    EXPECT_DOUBLE_EQ(resolved.ribs[1].twist, 0.5 + 0.75);
    EXPECT_DOUBLE_EQ(resolved.ribs[2].twist, -1 + 3);

    WingPanel pivotOnly;
    pivotOnly.pivot = 40;
    EXPECT_FALSE(isWingPanelSet(pivotOnly));
    pivotOnly.washout = -1.5;
    EXPECT_TRUE(isWingPanelSet(pivotOnly));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wingpanel.txt"));
    writeWingPanelFile(path, pivotOnly, {});
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("\r\nwashout=-1.5\r\npivot=40\r\n"));
    const WingPanelFileRead read = readWingPanelFile(path);
    EXPECT_TRUE(read.problems.isEmpty());
    EXPECT_EQ(read.panel, pivotOnly);
}
