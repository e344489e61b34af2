// The window as designed: every control by name, with its kind, place, caption, tooltip,
// initial value and enabled state.
#include "window_fixture.h"

#include "ui/panel_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace rw::test {
namespace {

struct ControlRow {
    const char* name;
    const char* kind;    // Qt class the control must be
    const char* parent;  // object name of the parent control
    QRect place;
    QString caption;  // button, label, check box and group box captions; edit and panel texts
    QString hint;
    bool enabled = true;
};

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

const QString kNone;

const std::vector<ControlRow> kAirfoilView = {
    {"Button2",
     "QPushButton",
     "Form1",
     {10, 0, 105, 25},
     "UIUCのサイト表示",
     "イリノイ州立大学の翼型データベースを参照します"},
    {"Button1",
     "QPushButton",
     "Form1",
     {121, 0, 105, 25},
     "ペースト",
     "ドラッグしてコピーしたデータをペーストします"},
    {"Button15",
     "QPushButton",
     "Form1",
     {12, 31, 214, 25},
     "登録リストから開く",
     "登録してある翼型データを開きます"},
    {"Memo1", "QPlainTextEdit", "Form1", {9, 66, 217, 368}, "Memo1", kNone},
    {"Button16",
     "QPushButton",
     "Form1",
     {9, 440, 216, 25},
     "原データを登録",
     "UIICからコピーしたデータを登録します。次回から「登録リストから開く」ボタンでデータが読み取れ"
     "ます。"},
    {"Panel3", "rw::PanelWidget", "Form1", {240, 0, 592, 33}, "", kNone},
    {"CheckBox3", "QCheckBox", "Form1", {698, 222, 134, 17}, "データポイントを表示", kNone},
    {"Button3",
     "QPushButton",
     "Form1",
     {239, 281, 233, 37},
     "リブを作成",
     "翼弦長などを指定して実サイズの図面を作図します。",
     false},
    {"Panel7", "rw::PanelWidget", "Form1", {480, 283, 38, 33}, "?", kNone},
    {"GroupBox2", "QGroupBox", "Form1", {648, 272, 161, 137}, "保存ファイルを開く", kNone},
    {"Button12",
     "QPushButton",
     "GroupBox2",
     {18, 25, 121, 24},
     "画像ファイルを見る",
     "登録した画像データを表示します"},
    {"Button13",
     "QPushButton",
     "GroupBox2",
     {20, 64, 120, 25},
     "表計算ファイルを見る",
     "登録済みのCSVデータを表示します。エクセルなどの表計算ソフトが必要です"},
    {"Button14",
     "QPushButton",
     "GroupBox2",
     {20, 99, 121, 25},
     "DXFファイルを見る",
     "DXFデータを表示します。CADソフトなどのDXFデータを読めるソフトが必要です。"},
};

const std::vector<ControlRow> kSettingsColumn = {
    {"Label1", "QLabel", "Panel2", {23, 29, 66, 12}, "翼弦長 (mm)", kNone},
    {"Edit2", "QLineEdit", "Panel2", {132, 30, 49, 18}, "150", kNone},
    {"Label2", "QLabel", "Panel2", {25, 54, 84, 12}, "SKIN材厚さ(mm)", kNone},
    {"ComboBox1", "QComboBox", "Panel2", {131, 51, 65, 20}, "1.00", kNone},
    {"CheckBox6", "QCheckBox", "Panel2", {22, 75, 104, 17}, "翼厚を変更　(%)", kNone},
    {"ComboBox3", "QComboBox", "Panel2", {131, 74, 65, 20}, "100", kNone},
    {"CheckBox2", "QCheckBox", "Panel2", {23, 100, 97, 17}, "桁の位置表示", kNone},
    {"Label5", "QLabel", "Panel2", {125, 103, 62, 12}, "桁の位置(%)", kNone},
    {"Edit4", "QLineEdit", "Panel2", {191, 100, 42, 18}, "30", kNone},
    {"GroupBox1", "QGroupBox", "Panel2", {10, 127, 226, 106}, "", kNone},
    {"CheckBox1", "QCheckBox", "GroupBox1", {14, 9, 121, 17}, "テーパー翼", kNone},
    {"Label3", "QLabel", "GroupBox1", {26, 35, 94, 12}, "翼弦長（翼端 mm）", kNone},
    {"Edit3", "QLineEdit", "GroupBox1", {135, 32, 52, 18}, "100", kNone},
    {"CheckBox7", "QCheckBox", "GroupBox1", {24, 56, 106, 17}, "翼厚を変更(%)", kNone},
    {"ComboBox4", "QComboBox", "GroupBox1", {137, 54, 57, 20}, "100", kNone},
    {"Label4", "QLabel", "GroupBox1", {26, 81, 100, 12}, "全リブ数　（含翼端）", kNone},
    {"ComboBox2", "QComboBox", "GroupBox1", {137, 77, 57, 20}, "10", kNone},
    {"GroupBox3", "QGroupBox", "Panel2", {13, 244, 220, 109}, "描画色選択", kNone},
    {"Label6", "QLabel", "GroupBox3", {16, 19, 25, 12}, "SKIN", kNone},
    {"Panel4", "rw::PanelWidget", "GroupBox3", {80, 16, 33, 17}, "", kNone},
    {"Label7", "QLabel", "GroupBox3", {16, 42, 25, 12}, "RIBs", kNone},
    {"Panel5", "rw::PanelWidget", "GroupBox3", {80, 39, 33, 17}, "", kNone},
    {"CheckBox5", "QCheckBox", "GroupBox3", {16, 62, 65, 17}, "目盛線", kNone},
    {"Panel6", "rw::PanelWidget", "GroupBox3", {80, 62, 33, 17}, "", kNone},
    {"CheckBox4", "QCheckBox", "GroupBox3", {15, 85, 98, 17}, "データポイント", kNone},
    {"Button8", "QPushButton", "GroupBox3", {133, 16, 72, 83}, "描画", kNone},
    {"Panel9", "rw::PanelWidget", "Panel2", {13, 367, 33, 33}, "?", kNone},
    {"Button9", "QPushButton", "Panel2", {112, 370, 121, 25}, "画像ファイル出力", kNone},
    {"Button10", "QPushButton", "Panel2", {112, 401, 121, 25}, "表計算ファイル出力", kNone},
    {"Button11", "QPushButton", "Panel2", {112, 432, 121, 25}, "DXFファイル出力", kNone},
    {"Button4", "QPushButton", "Panel2", {152, 487, 77, 25}, "戻る", kNone},
};

void checkRows(const MainWindow& window, const std::vector<ControlRow>& rows) {
    for (const ControlRow& row : rows) {
        SCOPED_TRACE(row.name);
        auto* control = window.findChild<QWidget*>(QLatin1String(row.name));
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->inherits(row.kind)) << control->metaObject()->className();
        ASSERT_NE(control->parentWidget(), nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QLatin1String(row.parent));
        EXPECT_EQ(control->geometry(), row.place);
        EXPECT_EQ(captionOf(control), row.caption);
        EXPECT_EQ(control->toolTip(), row.hint);
        EXPECT_EQ(control->isEnabled(), row.enabled);
    }
}

// Built but not shown: start-up has not loaded anything yet.
class WindowDesign : public WindowTest {
  protected:
    MainWindow& create() {
        window = std::make_unique<MainWindow>(desktop, folders);
        window->setCloseAction({});
        return *window;
    }
};

TEST_F(WindowDesign, AirfoilViewControlsAreAsDesigned) {
    checkRows(create(), kAirfoilView);
    EXPECT_FALSE(find<QCheckBox>("CheckBox3")->isChecked());
}

TEST_F(WindowDesign, SettingsColumnControlsAreAsDesigned) {
    checkRows(create(), kSettingsColumn);
    const std::vector<std::pair<const char*, bool>> ticks = {
        {"CheckBox1", true}, {"CheckBox2", true},  {"CheckBox4", false},
        {"CheckBox5", true}, {"CheckBox6", false}, {"CheckBox7", false},
    };
    for (const auto& [name, ticked] : ticks) {
        EXPECT_EQ(find<QCheckBox>(name)->isChecked(), ticked) << name;
    }
    EXPECT_EQ(find<PanelWidget>("Panel4")->colour(), QColor(192, 192, 192));
    EXPECT_EQ(find<PanelWidget>("Panel5")->colour(), QColor(0, 0, 0));
    EXPECT_EQ(find<PanelWidget>("Panel6")->colour(), QColor(255, 0, 0));
}

TEST_F(WindowDesign, WindowCaptionBackgroundAndFont) {
    MainWindow& w = create();
    EXPECT_EQ(w.windowTitle(), "Ribwright");
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(w.font().pixelSize(), 12);
    ASSERT_FALSE(w.font().families().isEmpty());
    EXPECT_EQ(w.font().families().last(), "Noto Sans CJK JP");
    // Every control without a caption style of its own writes 12 pixels high.
    EXPECT_EQ(find<QPushButton>("Button11")->font().pixelSize(), 12);
    EXPECT_EQ(find<QLabel>("Label4")->font().pixelSize(), 12);

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

TEST_F(WindowDesign, SheetPanelStartsHiddenAndWhite) {
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

TEST_F(WindowDesign, DropDownListsAreFilled) {
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
TEST_F(WindowDesign, SkinListFollowsTheLocaleSeparator) {
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
