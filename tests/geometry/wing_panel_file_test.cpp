// The wing panel file: every value written and read back; what a damaged, hand-edited or
// hostile file gives.
#include "geometry/wing/wing_panel_file.h"
#include "platform/errors.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace rw;

namespace {

class WingPanelFile : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void write(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray bytes() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("wingpanel.txt"));
};

// Each value in the command line's text, the paths as given (a Japanese folder name included);
// what is at its default is left out, so an unset panel writes the first line only.
TEST_F(WingPanelFile, EveryValueIsWrittenAndReadBack) {
    WingPanel panel;
    panel.halfSpan = 612.5;
    panel.planform = PlanformKind::Table;
    panel.tablePath = QStringLiteral("/home/ユーザー/主翼.csv");
    panel.sweep = -12.25;
    panel.minTipChord = 30;
    panel.stations.kind = StationKind::List;
    panel.stations.positions = {0, 120, 260.5};
    panel.tipAirfoilPath = QStringLiteral("/foils/tip.dat");
    writeWingPanelFile(path, panel, {QStringLiteral("dihedral=3")});
    EXPECT_EQ(bytes(), QStringLiteral("ribwright-wing-panel=1\r\nspan=612.5\r\n"
                                      "planform=/home/ユーザー/主翼.csv\r\nsweep=-12.25\r\n"
                                      "min-tip-chord=30\r\nstations=0,120,260.5\r\n"
                                      "tip-airfoil=/foils/tip.dat\r\ndihedral=3\r\n")
                           .toUtf8());
    const WingPanelFileRead read = readWingPanelFile(path);
    EXPECT_EQ(read.panel, panel);
    EXPECT_TRUE(read.problems.isEmpty()) << read.problems.join('|').toStdString();
    EXPECT_EQ(read.unknownLines, QStringList{"dihedral=3"});

    writeWingPanelFile(path, WingPanel{}, {});
    EXPECT_EQ(bytes(), "ribwright-wing-panel=1\r\n");
    EXPECT_EQ(readWingPanelFile(path).panel, WingPanel{});
}

// A line that does not read costs that line only and is named with its number; a value given
// twice keeps the first; keys of a later version are kept for the next save.
TEST_F(WingPanelFile, ABadLineCostsOnlyThatLine) {
    write(
        "\xEF\xBB\xBFribwright-wing-panel=1\r\nspan=abc\rsweep=20\nstations=every:75\r\n"
        "sweep=40\r\nfillet=2\r\nno equals sign\r\nmin-tip-chord=-3\r\n");
    const WingPanelFileRead read = readWingPanelFile(path);
    WingPanel expected;
    expected.sweep = 20;
    expected.stations.kind = StationKind::Every;
    expected.stations.every = 75;
    EXPECT_EQ(read.panel, expected);
    ASSERT_EQ(read.problems.size(), 4) << read.problems.join('|').toStdString();
    EXPECT_TRUE(read.problems[0].startsWith("2 ")) << read.problems[0].toStdString();
    EXPECT_TRUE(read.problems[0].endsWith("span=abc"));
    EXPECT_TRUE(read.problems[1].startsWith("5 ")) << read.problems[1].toStdString();
    EXPECT_TRUE(read.problems[3].endsWith("min-tip-chord=-3"));
    EXPECT_EQ(read.unknownLines, QStringList{"fillet=2"});
}

// What stands in the file's place cannot stop the window: it gives the defaults and one short
// reason; nothing at all is the first run and gives no reason. Settings are never written into
// a FIFO.
TEST_F(WingPanelFile, WhatIsNoWingPanelFileGivesTheDefaults) {
    EXPECT_EQ(readWingPanelFile(path).panel, WingPanel{});
    EXPECT_TRUE(readWingPanelFile(path).problems.isEmpty());

    write("ribwright-wing-panel=1\r\nspan=" + QByteArray(kWingPanelFileLimit, '7') + "\r\n");
    WingPanelFileRead read = readWingPanelFile(path);
    EXPECT_EQ(read.panel, WingPanel{});
    ASSERT_EQ(read.problems.size(), 1);
    EXPECT_LT(read.problems.front().size(), 200);

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    read = readWingPanelFile(path);
    EXPECT_EQ(read.panel, WingPanel{});
    EXPECT_EQ(read.problems.size(), 1);
    EXPECT_THROW(writeWingPanelFile(path, WingPanel{}, {}), FileError);
}

}  // namespace
