// The window's three exports and ribwright-cli, given the same airfoil text and the same field
// texts, must write the same bytes: both are front ends over one engine, and a builder may switch
// between them for one wing.
#include "support/cli_process.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>

namespace rw::test {
namespace {

class WindowMatchesCli : public WindowTest {
  protected:
    // Exports through one button into `path`, answering No to the question.
    void exportTo(const char* button, const QString& path) {
        desktop.saveAnswers.push_back(path);
        desktop.yesNoAnswers.push_back(false);
        click(button);
    }
};

TEST_F(WindowMatchesCli, SameTextsGiveTheSameBytes) {
    open();
    openSheetView();
    // Settings away from the defaults, typed the way a user types them.
    find<QLineEdit>("Edit2")->setText(" 180.0");
    find<QLineEdit>("Edit3")->setText("120");
    find<QComboBox>("ComboBox2")->setEditText("7");
    find<QComboBox>("ComboBox1")->setEditText("1.5");
    find<QLineEdit>("Edit4")->setText("25");
    find<QCheckBox>("CheckBox6")->setChecked(true);
    find<QComboBox>("ComboBox3")->setEditText("90");
    find<QCheckBox>("CheckBox4")->setChecked(true);
    find<QCheckBox>("CheckBox5")->setChecked(false);
    click("Button8");  // typing switched the exports off; drawing switches them on again

    const QDir out(dir.filePath("window"));
    ASSERT_TRUE(QDir().mkpath(out.path()));
    exportTo("Button10", out.filePath("ribs.csv"));
    exportTo("Button11", out.filePath("ribs.dxf"));
    exportTo("Button9", out.filePath("ribs.png"));
    const QImage sheet(out.filePath("ribs.png"));
    ASSERT_FALSE(sheet.isNull());

    const QDir batch(dir.filePath("cli"));
    ASSERT_TRUE(QDir().mkpath(batch.path()));
    // The same texts as typed above, as options.
    const QStringList settings = {"--root-chord", " 180.0",   "--tip-chord",      "120",
                                  "--ribs",       "7",        "--skin",           "1.5",
                                  "--spar",       "25",       "--root-thickness", "90",
                                  "--points",     "--no-grid"};
    const QStringList outputs = {
        "--sheet", QStringLiteral("%1x%2").arg(sheet.width()).arg(sheet.height()),
        "--csv",   batch.filePath("ribs.csv"),
        "--dxf",   batch.filePath("ribs.dxf"),
        "--image", batch.filePath("ribs.png")};
    const CliResult cli =
        runCli(settings + outputs + QStringList{RIBWRIGHT_TEST_DATA "/naca2412_two_surface.dat"});
    ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();

    for (const char* name : {"ribs.csv", "ribs.dxf", "ribs.png"}) {
        const QByteArray fromWindow = readBytes(out.filePath(name));
        EXPECT_FALSE(fromWindow.isEmpty()) << name;
        EXPECT_TRUE(fromWindow == readBytes(batch.filePath(name))) << name << " differs";
    }
    // The titles repeat the texts as typed, in both.
    EXPECT_TRUE(readBytes(out.filePath("ribs.dxf")).contains("ROOT CHORD:  180.0 mm (T=90% )"));
}

}  // namespace
}  // namespace rw::test
