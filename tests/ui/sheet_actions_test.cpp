// The settings column: redraws, the export buttons as a hint of an out-of-date sheet, the taper
// box, the colour swatches and what a refused or failing redraw leaves on show.
#include "sheet/sheet_texts.h"
#include "window_fixture.h"

#include "platform/errors.h"
#include "ui/panel_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace rw::test {
namespace {

class SheetActions : public WindowTest {
  protected:
    bool exportButtonsEnabled(bool expected) {
        bool all = true;
        for (const char* name : {"Button9", "Button10", "Button11"}) {
            all = all && find<QPushButton>(name)->isEnabled() == expected;
        }
        return all;
    }
    QImage shownSheet() { return find<QLabel>("Image2")->pixmap().toImage(); }
};

struct FieldEdit {
    const char* name;
    bool switchesExportsOff;
};

// Typing into the chord, skin and rib count fields marks the sheet out of date; the spar
// position and the two thickness lists do not.
TEST_F(SheetActions, TypingSwitchesExportButtonsOffOnlyForTheSheetFields) {
    open();
    openSheetView();
    const std::vector<FieldEdit> fields = {
        {"Edit2", true},  {"Edit3", true},      {"ComboBox1", true},  {"ComboBox2", true},
        {"Edit4", false}, {"ComboBox3", false}, {"ComboBox4", false},
    };
    for (const FieldEdit& field : fields) {
        SCOPED_TRACE(field.name);
        click("Button8");
        ASSERT_TRUE(exportButtonsEnabled(true));
        const int beeps = desktop.beeps;
        QWidget* control = find(field.name);
        if (auto* list = qobject_cast<QComboBox*>(control))
            control = list->lineEdit();
        QTest::keyClick(control, Qt::Key_End);
        QTest::keyClick(control, Qt::Key_0);
        EXPECT_TRUE(exportButtonsEnabled(!field.switchesExportsOff));
        EXPECT_EQ(desktop.beeps, beeps) << "a change must not redraw";
        QTest::keyClick(control, Qt::Key_Backspace);
    }
}

TEST_F(SheetActions, ChoosingAListEntrySwitchesExportButtonsOff) {
    open();
    openSheetView();
    for (const char* name : {"ComboBox1", "ComboBox2"}) {
        click("Button8");
        ASSERT_TRUE(exportButtonsEnabled(true));
        find<QComboBox>(name)->setCurrentIndex(4);
        EXPECT_TRUE(exportButtonsEnabled(false)) << name;
    }
    click("Button8");
    find<QComboBox>("ComboBox3")->setCurrentIndex(4);
    EXPECT_TRUE(exportButtonsEnabled(true));
}

// The spar box switches the exports off and redraws, which switches them on again.
TEST_F(SheetActions, RedrawingControlsRedrawAndSwitchExportsOn) {
    open();
    openSheetView();
    int chord = 150;
    for (const char* box : {"CheckBox2", "CheckBox4", "CheckBox5"}) {
        SCOPED_TRACE(box);
        find<QLineEdit>("Edit2")->setText(QString::number(++chord));
        ASSERT_TRUE(exportButtonsEnabled(false));
        const int beeps = desktop.beeps;
        QTest::mouseClick(find(box), Qt::LeftButton);
        EXPECT_EQ(desktop.beeps, beeps + 1);
        EXPECT_TRUE(exportButtonsEnabled(true));
        EXPECT_EQ(window->state().carried.lastRead.params.rootChord, chord);
    }
    find<QCheckBox>("CheckBox4")->setChecked(true);
    click("Button8");
    EXPECT_TRUE(window->state().carried.lastRead.look.showSheetPoints);
}

TEST_F(SheetActions, TaperBoxGreysOutExactlyTheTipChordAndRibCount) {
    open();
    openSheetView();
    const QStringList taperControls = {"Label3", "Edit3", "Label4", "ComboBox2"};
    const QStringList untouched = {"CheckBox7", "ComboBox4", "Edit2",     "ComboBox1",
                                   "Edit4",     "CheckBox6", "ComboBox3", "CheckBox1"};
    const int beeps = desktop.beeps;
    QTest::mouseClick(find("CheckBox1"), Qt::LeftButton);
    EXPECT_FALSE(find<QCheckBox>("CheckBox1")->isChecked());
    for (const QString& name : taperControls)
        EXPECT_FALSE(find(name)->isEnabled()) << name.toStdString();
    for (const QString& name : untouched)
        EXPECT_TRUE(find(name)->isEnabled()) << name.toStdString();
    EXPECT_EQ(desktop.beeps, beeps + 1);
    EXPECT_EQ(window->state().carried.lastRead.params.ribCount, 1);
    EXPECT_FALSE(window->state().carried.lastRead.params.taperOn);
    // Greyed, yet readable on the silver background: the text is drawn well below 192.
    for (const QString& name : {QStringLiteral("Label3"), QStringLiteral("Label4")}) {
        const QImage drawn = find(name)->grab().toImage();
        int darkest = 255;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                darkest = std::min(darkest, qGray(drawn.pixel(x, y)));
        EXPECT_LE(darkest, 128) << name.toStdString();
    }

    QTest::mouseClick(find("CheckBox1"), Qt::LeftButton);
    for (const QString& name : taperControls)
        EXPECT_TRUE(find(name)->isEnabled()) << name.toStdString();
    EXPECT_EQ(window->state().carried.lastRead.params.ribCount, 10);
}

TEST_F(SheetActions, CancelledColourChoiceChangesNothing) {
    open();
    openSheetView();
    const int beeps = desktop.beeps;
    const QImage before = shownSheet();
    desktop.colourAnswers.push_back(std::nullopt);
    QTest::mouseClick(find("Panel5"), Qt::LeftButton);
    EXPECT_EQ(desktop.colourPickerStartedWith.size(), 1u);
    EXPECT_EQ(find<PanelWidget>("Panel5")->colour(), QColor(0, 0, 0));
    EXPECT_EQ(window->state().carried.lastRead.look.ribColour, QColor(0, 0, 0));
    EXPECT_EQ(desktop.beeps, beeps);
    EXPECT_EQ(shownSheet(), before);
}

struct Swatch {
    const char* name;
    QColor SheetSettings::*colour;
};

TEST_F(SheetActions, ChosenColourGoesToTheSwatchAndTheSheet) {
    open();
    openSheetView();
    const std::vector<Swatch> swatches = {{"Panel4", &SheetSettings::skinColour},
                                          {"Panel5", &SheetSettings::ribColour},
                                          {"Panel6", &SheetSettings::gridColour}};
    int hue = 0;
    for (const Swatch& swatch : swatches) {
        SCOPED_TRACE(swatch.name);
        const QColor chosen = QColor::fromHsv(hue += 100, 200, 200);
        desktop.colourAnswers.push_back(chosen);
        const int beeps = desktop.beeps;
        QTest::mouseClick(find(swatch.name), Qt::LeftButton);
        EXPECT_EQ(find<PanelWidget>(swatch.name)->colour(), chosen);
        EXPECT_EQ(window->state().carried.lastRead.look.*swatch.colour, chosen);
        EXPECT_EQ(desktop.beeps, beeps + 1);
    }
    // A right click is not a choice.
    QTest::mouseClick(find("Panel4"), Qt::RightButton);
    EXPECT_EQ(desktop.colourPickerStartedWith.size(), 3u);
}

TEST_F(SheetActions, RefusedSettingShowsItsMessageAndKeepsTheOldSheet) {
    open();
    openSheetView();
    const QImage before = shownSheet();
    find<QLineEdit>("Edit2")->setText("");
    desktop.messages.clear();
    click("Button8");
    EXPECT_EQ(desktop.messages, QStringList{sheet_texts::badRootChord()});
    EXPECT_EQ(shownSheet(), before);
    // The redraw was started: the exports are switched on again.
    EXPECT_TRUE(exportButtonsEnabled(true));
}

TEST_F(SheetActions, UnreadableSkinThicknessShowsTheConversionError) {
    open();
    openSheetView();
    find<QComboBox>("ComboBox1")->setEditText("abc");
    desktop.messages.clear();
    click("Button8");
    EXPECT_EQ(desktop.messages, QStringList{floatConversionErrorText("abc")});
}

// A root chord of 0 fails while drawing: the sheet as far as it got is shown, then the message.
TEST_F(SheetActions, FaultWhileDrawingShowsThePartSheetAndItsMessage) {
    open();
    openSheetView();
    find<QLineEdit>("Edit2")->setText("0");
    desktop.messages.clear();
    click("Button8");
    EXPECT_EQ(desktop.messages, QStringList{divisionByZeroText()});
    const QImage shown = shownSheet();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              window->state().sheetBitmap.convertToFormat(QImage::Format_RGB32));
}

TEST_F(SheetActions, SheetReadsTheCommaLocale) {
    desktop.separator = QLatin1Char(',');
    open();
    paste(readTestFile("naca2412_two_surface.dat").replace('.', ','));
    click("Button3");
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    find<QLineEdit>("Edit2")->setText("150,5");
    desktop.messages.clear();
    click("Button8");
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_EQ(window->state().carried.lastRead.params.rootChord, 150.5);
    EXPECT_FLOAT_EQ(window->state().carried.lastRead.params.skinThickness, 1.0f);
}

}  // namespace
}  // namespace rw::test
