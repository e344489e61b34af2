// The workshop dialog: opened from under the workshop outputs, kept in the data folder, and laid
// over the options of the laser files, whose question tells the stock they take.
#include "window_fixture.h"

#include "export/export_texts.h"
#include "ui/rib_panel.h"
#include "ui/workshop_dialog.h"
#include "ui/workshop_settings_file.h"
#include "ui/workshop_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>

namespace rw::test {
namespace {

class WorkshopWindow : public WindowTest {
  protected:
    WorkshopDialog* openDialog() {
        return WindowTest::openDialog<WorkshopDialog>(QStringLiteral("WorkshopButton"));
    }

    static void ok(const WorkshopDialog* dialog) { press(dialog, "OkButton"); }

    RibPanel* panel() const { return window->findChild<RibPanel*>(); }
};

// Typed with the locale's comma, kept with points, laid over the SVG's options (both sides, two
// sets: every rib four times, labelled by side) and back in the dialog at the next start.
TEST_F(WorkshopWindow, FieldsReachTheFileAndTheLaserFiles) {
    desktop.separator = QLatin1Char(',');
    open();
    openSheetView();
    WorkshopDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), workshop_texts::dialogTitle());
    type(dialog, "KerfEdit", "0,2");
    type(dialog, "GapEdit", "0,1");
    desktop.messages.clear();
    ok(dialog);
    ASSERT_EQ(desktop.messages.size(), 1) << "a gap narrower than the kerf";
    EXPECT_TRUE(dialog->isVisible());

    type(dialog, "GapEdit", "6");
    in<QComboBox>(dialog, "SidesList")->setCurrentIndex(3);
    in<QSpinBox>(dialog, "CopiesBox")->setValue(2);
    in<QCheckBox>(dialog, "NestBox")->click();
    ok(dialog);
    ASSERT_TRUE(waitUntil([&] { return !window->findChild<WorkshopDialog*>(); }));
    EXPECT_EQ(readBytes(workshopSettingsFilePath(folders)),
              "ribwright-workshop=1\r\nkerf=0.2\r\nsides=both\r\ncopies=2\r\ngap=6\r\n"
              "nest=yes\r\n");
    const OutputOptions options = panel()->outputOptions();
    EXPECT_DOUBLE_EQ(options.kerf, 0.2);
    EXPECT_EQ(options.sides, RibSides::Both);
    EXPECT_EQ(options.copies, 2);
    EXPECT_DOUBLE_EQ(options.gap, 6);
    EXPECT_TRUE(options.nest);

    const QString svg = folders.svgDir + "/shop.svg";
    desktop.saveAnswers.push_back(svg);
    desktop.yesNoAnswers.push_back(false);
    desktop.questions.clear();
    click("SvgButton");
    int sheets = 0, labels = 0, left = 0;
    for (QString sheet = svg; QFileInfo::exists(sheet);
         sheet = folders.svgDir + QStringLiteral("/shop-%1.svg").arg(++sheets + 1)) {
        const QByteArray text = readBytes(sheet);
        labels += int(text.count("</text>"));
        left += int(text.count(">L"));
    }
    EXPECT_EQ(labels, 40);
    EXPECT_EQ(left, 20);
    ASSERT_EQ(desktop.questions.size(), 1);
    EXPECT_TRUE(isStockTally(desktop.questions[0].section(u'\n', 0, 0), sheets))
        << desktop.questions[0].toStdString();

    window.reset();
    open();
    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(in<QLineEdit>(dialog, "KerfEdit")->text(), "0,2");
    EXPECT_EQ(in<QComboBox>(dialog, "SidesList")->currentIndex(), 3);
    EXPECT_EQ(in<QSpinBox>(dialog, "CopiesBox")->value(), 2);
    EXPECT_TRUE(in<QCheckBox>(dialog, "NestBox")->isChecked());
}

// A hand-edited file: the line that does not read is named once at start and left out, a key of
// a later version survives the next save, and the rest is used.
TEST_F(WorkshopWindow, ABadLineIsNamedAndUnknownKeysKept) {
    writeBytes(workshopSettingsFilePath(folders),
               "ribwright-workshop=1\ncopies=many\ngap=8\nlabel-font=serif\n");
    open();
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].contains("copies=many"));
    EXPECT_EQ(panel()->outputOptions().copies, 1);
    EXPECT_DOUBLE_EQ(panel()->outputOptions().gap, 8);

    openSheetView();
    WorkshopDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    in<QSpinBox>(dialog, "CopiesBox")->setValue(3);
    ok(dialog);
    EXPECT_EQ(readBytes(workshopSettingsFilePath(folders)),
              "ribwright-workshop=1\r\ncopies=3\r\ngap=8\r\nlabel-font=serif\r\n");
}

// A kerf wider than the gap kept in the file would burn neighbouring parts together: the kerf's
// line is named and left out, the gap stays.
TEST_F(WorkshopWindow, AKeptKerfBeyondTheGapIsLeftOut) {
    writeBytes(workshopSettingsFilePath(folders), "ribwright-workshop=1\nkerf=1.5\ngap=1\n");
    open();
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].contains("kerf=1.5"));
    EXPECT_DOUBLE_EQ(panel()->outputOptions().kerf, 0);
    EXPECT_DOUBLE_EQ(panel()->outputOptions().gap, 1);
}

}  // namespace
}  // namespace rw::test
