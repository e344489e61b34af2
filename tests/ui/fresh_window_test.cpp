// The built window: every control by name, with its kind, place, caption, tooltip, initial
// value and enabled state as the control table gives them.
#include "window_fixture.h"

#include "panel/control_table.h"
#include "ui/panel_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace rw::test {
namespace {

QString captionOf(const QWidget* control) {
    if (auto* b = qobject_cast<const QAbstractButton*>(control))
        return b->text();
    if (auto* l = qobject_cast<const QLabel*>(control))
        return l->text();
    if (auto* g = qobject_cast<const QGroupBox*>(control))
        return g->title();
    if (auto* e = qobject_cast<const QLineEdit*>(control))
        return e->text();
    if (auto* c = qobject_cast<const QComboBox*>(control))
        return c->currentText();
    if (auto* m = qobject_cast<const QPlainTextEdit*>(control))
        return m->toPlainText();
    return QString();
}

const char* qtClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return "QPushButton";
        case ControlKind::Label:
            return "QLabel";
        case ControlKind::Edit:
            return "QLineEdit";
        case ControlKind::DropDown:
            return "QComboBox";
        case ControlKind::CheckBox:
            return "QCheckBox";
        case ControlKind::GroupBox:
            return "QGroupBox";
        case ControlKind::TextBox:
            return "QPlainTextEdit";
        case ControlKind::Swatch:
        case ControlKind::HelpPanel:
        case ControlKind::TitleStrip:
            break;
    }
    return "rw::PanelWidget";
}

// Every row of the control table is a control of the built window, as the row describes it.
void checkRows(const MainWindow& window, const std::vector<ControlSpec>& rows) {
    for (const ControlSpec& row : rows) {
        SCOPED_TRACE(row.name);
        auto* control = window.findChild<QWidget*>(QLatin1String(row.name));
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->inherits(qtClassOf(row.kind))) << control->metaObject()->className();
        ASSERT_NE(control->parentWidget(), nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QLatin1String(row.parent));
        EXPECT_EQ(control->geometry(), row.place);
        EXPECT_EQ(captionOf(control), tableText(row.caption));
        EXPECT_EQ(control->toolTip(), tableText(row.hint));
        EXPECT_EQ(control->isEnabled(), row.enabled);
        if (auto* box = qobject_cast<QCheckBox*>(control))
            EXPECT_EQ(box->isChecked(), row.checked);
        if (row.kind == ControlKind::Swatch)
            EXPECT_EQ(static_cast<PanelWidget*>(control)->colour(), row.colour);
    }
}

// Built but not shown: start-up has not loaded anything yet.
class FreshWindow : public WindowTest {
  protected:
    MainWindow& create() {
        window = std::make_unique<MainWindow>(desktop, folders);
        window->setCloseAction({});
        return *window;
    }
};

// The table itself is checked against the values a user sees on a fresh window, so a slip in
// the table does not pass unnoticed: the views read it, and so does the command line.
TEST_F(FreshWindow, ControlsFollowTheControlTable) {
    MainWindow& w = create();
    checkRows(w, airfoilViewControls());
    checkRows(w, settingsColumnControls());
    EXPECT_EQ(airfoilViewControls().size(), 15u);
    EXPECT_EQ(settingsColumnControls().size(), 45u);
    const RibSettings defaults = defaultRibSettings(QLatin1Char('.'));
    EXPECT_EQ(defaults.rootChordText, "150");
    EXPECT_EQ(defaults.tipChordText, "100");
    EXPECT_EQ(defaults.sparPercentText, "30");
    EXPECT_EQ(defaults.skinThicknessText, "1.00");
    EXPECT_EQ(defaults.ribCountText, "10");
    EXPECT_EQ(defaults.rootThicknessText, "100");
    EXPECT_TRUE(defaults.taperOn && defaults.showSparLine && defaults.showGrid);
    EXPECT_FALSE(defaults.showSheetPoints || defaults.rootThicknessOn || defaults.tipThicknessOn);
    EXPECT_EQ(defaults.skinColour, QColor(192, 192, 192));
    EXPECT_EQ(defaults.ribColour, QColor(0, 0, 0));
    EXPECT_EQ(defaults.gridColour, QColor(255, 0, 0));
}

TEST_F(FreshWindow, WindowCaptionBackgroundAndFont) {
    MainWindow& w = create();
    EXPECT_EQ(w.windowTitle(), "Ribwright");
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(w.font().pixelSize(), 12);
    ASSERT_FALSE(w.font().families().isEmpty());
    EXPECT_EQ(w.font().families().last(), "Noto Sans CJK JP");
    // Every control without a caption style of its own writes 12 pixels high.
    EXPECT_EQ(find<QPushButton>("Button11")->font().pixelSize(), 12);
    EXPECT_EQ(find<QLabel>("Label4")->font().pixelSize(), 12);
    EXPECT_EQ(find<QComboBox>("ComboBox2")->lineEdit()->font().pixelSize(), 12);

    auto* title = find<PanelWidget>("Panel3");
    EXPECT_EQ(title->font().pixelSize(), 16);
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(Qt::white));
    for (const char* help : {"Panel7", "Panel9"}) {
        auto* panel = find<PanelWidget>(help);
        EXPECT_TRUE(panel->font().bold()) << help;
        EXPECT_EQ(panel->palette().color(QPalette::WindowText), QColor(Qt::white)) << help;
    }
    EXPECT_EQ(find<PanelWidget>("Panel7")->font().pixelSize(), 19);
    EXPECT_EQ(find<PanelWidget>("Panel9")->font().pixelSize(), 16);
}

TEST_F(FreshWindow, SheetPanelStartsHiddenAndWhite) {
    create();
    auto* sheetPanel = find<PanelWidget>("Panel1");
    EXPECT_TRUE(sheetPanel->isHidden());
    EXPECT_EQ(sheetPanel->colour(), QColor(Qt::white));
    EXPECT_EQ(find<PanelWidget>("Panel2")->colour(), QColor(192, 192, 192));
    EXPECT_NE(find<QLabel>("Image2"), nullptr);
    EXPECT_NE(find<QWidget>("PaintBox1"), nullptr);
}

QStringList entriesOf(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
}

QStringList integerRange(int from, int to) {
    QStringList entries;
    for (int i = from; i <= to; ++i) entries << QString::number(i);
    return entries;
}

TEST_F(FreshWindow, DropDownListsAreFilled) {
    create();
    EXPECT_EQ(entriesOf(find<QComboBox>("ComboBox1")),
              QStringList({"0.00", "0.50", "1.00", "1.50", "2.00", "2.50", "3.00", "3.50", "4.00",
                           "4.50", "5.00"}));
    EXPECT_EQ(entriesOf(find<QComboBox>("ComboBox2")), integerRange(2, 16));
    EXPECT_EQ(entriesOf(find<QComboBox>("ComboBox3")), integerRange(80, 120));
    EXPECT_EQ(entriesOf(find<QComboBox>("ComboBox4")), integerRange(80, 120));
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"}) {
        EXPECT_TRUE(find<QComboBox>(name)->isEditable()) << name;
    }
}

// In a comma locale the skin list and its first text both use the comma, so the first redraw
// with untouched settings reads the skin thickness.
TEST_F(FreshWindow, SkinListFollowsTheLocaleSeparator) {
    desktop.separator = QLatin1Char(',');
    create();
    auto* skin = find<QComboBox>("ComboBox1");
    EXPECT_EQ(skin->itemText(0), "0,00");
    EXPECT_EQ(skin->itemText(3), "1,50");
    EXPECT_EQ(skin->itemText(10), "5,00");
    EXPECT_EQ(skin->currentText(), "1,00");
}

}  // namespace
}  // namespace rw::test
