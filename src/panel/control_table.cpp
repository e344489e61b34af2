#include "panel/control_table.h"

#include "export/output_options.h"

#include <QLatin1String>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace rw {

namespace {

using K = ControlKind;

// Captions and tooltips are kept as their untranslated source texts, marked for the translation
// tools; the window translates them as it builds each control (see control_factory.cpp).
QString marked(const char* source) {
    return QString::fromUtf8(source);
}

const QColor kSilver(192, 192, 192);

}  // namespace

const std::vector<ControlSpec>& airfoilViewControls() {
    static const std::vector<ControlSpec> rows = {
        {"Button2",
         K::Button,
         "AirfoilView",
         {10, 0, 105, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "UIUCのサイト表示")),
         marked(QT_TRANSLATE_NOOP("rw::control_table",
                                  "イリノイ州立大学の翼型データベースを参照します"))},
        {"Button1",
         K::Button,
         "AirfoilView",
         {121, 0, 105, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "ペースト")),
         marked(QT_TRANSLATE_NOOP("rw::control_table",
                                  "ドラッグしてコピーしたデータをペーストします"))},
        {"Button15",
         K::Button,
         "AirfoilView",
         {12, 31, 214, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "登録リストから開く")),
         marked(QT_TRANSLATE_NOOP("rw::control_table", "登録してある翼型データを開きます"))},
        {"Memo1", K::TextBox, "AirfoilView", {9, 66, 217, 368}, QStringLiteral("Memo1"), QString()},
        {"Button16",
         K::Button,
         "AirfoilView",
         {9, 440, 216, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "原データを登録")),
         marked(QT_TRANSLATE_NOOP(
             "rw::control_table",
             "UIICからコピーしたデータを登録します。次回から「登録リストから開く」"
             "ボタンでデータが読み取れます。"))},
        {"Panel3", K::TitleStrip, "AirfoilView", {240, 0, 592, 33}, QString(), QString()},
        {"CheckBox3",
         K::CheckBox,
         "AirfoilView",
         {698, 222, 134, 17},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "データポイントを表示")),
         QString(),
         false},
        {"Button3",
         K::Button,
         "AirfoilView",
         {239, 281, 233, 37},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "リブを作成")),
         marked(QT_TRANSLATE_NOOP("rw::control_table",
                                  "翼弦長などを指定して実サイズの図面を作図します。")),
         false,
         false},
        {"Panel7", K::HelpPanel, "AirfoilView", {480, 283, 38, 33}, QStringLiteral("?"), QString()},
        // Files as they are published, from anywhere; the free space under the rib button
        // holds the button and a line telling what the import tidied.
        {"OpenFileButton",
         K::Button,
         "AirfoilView",
         {239, 330, 233, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "翼型ファイルを開く")),
         marked(
             QT_TRANSLATE_NOOP("rw::control_table",
                               "翼型データベースなどの .dat / .txt ファイルを整えて読み込みます。"
                               "ファイルをこの画面にドロップしても読み込めます。"))},
        {"ImportNote", K::Label, "AirfoilView", {239, 362, 400, 96}, QString(), QString()},
        {"GroupBox2",
         K::GroupBox,
         "AirfoilView",
         {648, 272, 161, 137},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "保存ファイルを開く")),
         QString()},
        {"Button12",
         K::Button,
         "GroupBox2",
         {18, 25, 121, 24},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "画像ファイルを見る")),
         marked(QT_TRANSLATE_NOOP("rw::control_table", "登録した画像データを表示します"))},
        {"Button13",
         K::Button,
         "GroupBox2",
         {20, 64, 120, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "表計算ファイルを見る")),
         marked(QT_TRANSLATE_NOOP(
             "rw::control_table",
             "登録済みのCSVデータを表示します。エクセルなどの表計算ソフトが必要です"))},
        {"Button14",
         K::Button,
         "GroupBox2",
         {20, 99, 121, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "DXFファイルを見る")),
         marked(QT_TRANSLATE_NOOP(
             "rw::control_table",
             "DXFデータを表示します。CADソフトなどのDXFデータを読めるソフトが必要です。"))},
    };
    return rows;
}

const std::vector<ControlSpec>& settingsColumnControls() {
    static const std::vector<ControlSpec> rows = {
        {"Label1",
         K::Label,
         "Panel2",
         {23, 26, 66, 18},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "翼弦長 (mm)"))},
        {"Edit2", K::Edit, "Panel2", {132, 30, 49, 18}, QStringLiteral("150")},
        {"Label2",
         K::Label,
         "Panel2",
         {25, 51, 84, 18},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "SKIN材厚さ(mm)"))},
        {"ComboBox1", K::DropDown, "Panel2", {131, 51, 65, 20}, QStringLiteral("1.00")},
        {"CheckBox6",
         K::CheckBox,
         "Panel2",
         {22, 75, 104, 17},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "翼厚を変更　(%)")),
         QString(),
         false},
        {"ComboBox3", K::DropDown, "Panel2", {131, 74, 65, 20}, QStringLiteral("100")},
        {"CheckBox2",
         K::CheckBox,
         "Panel2",
         {23, 100, 97, 17},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "桁の位置表示")),
         QString(),
         true},
        {"Label5",
         K::Label,
         "Panel2",
         {125, 100, 62, 18},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "桁の位置(%)"))},
        {"Edit4", K::Edit, "Panel2", {191, 100, 42, 18}, QStringLiteral("30")},
        {"GroupBox1", K::GroupBox, "Panel2", {10, 127, 226, 106}, QString()},
        {"CheckBox1",
         K::CheckBox,
         "GroupBox1",
         {14, 9, 121, 17},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "テーパー翼")),
         QString(),
         true},
        {"Label3",
         K::Label,
         "GroupBox1",
         {26, 32, 94, 18},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "翼弦長（翼端 mm）"))},
        {"Edit3", K::Edit, "GroupBox1", {135, 32, 52, 18}, QStringLiteral("100")},
        {"CheckBox7",
         K::CheckBox,
         "GroupBox1",
         {24, 56, 106, 17},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "翼厚を変更(%)")),
         QString(),
         false},
        {"ComboBox4", K::DropDown, "GroupBox1", {137, 54, 57, 20}, QStringLiteral("100")},
        {"Label4",
         K::Label,
         "GroupBox1",
         {26, 78, 100, 18},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "全リブ数　（含翼端）"))},
        {"ComboBox2", K::DropDown, "GroupBox1", {137, 77, 57, 20}, QStringLiteral("10")},
        {"GroupBox3",
         K::GroupBox,
         "Panel2",
         {13, 244, 220, 109},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "描画色選択"))},
        {"Label6",
         K::Label,
         "GroupBox3",
         {16, 16, 25, 18},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "SKIN"))},
        {"Panel4",
         K::Swatch,
         "GroupBox3",
         {80, 16, 33, 17},
         QString(),
         QString(),
         false,
         true,
         kSilver},
        {"Label7",
         K::Label,
         "GroupBox3",
         {16, 39, 25, 18},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "RIBs"))},
        {"Panel5",
         K::Swatch,
         "GroupBox3",
         {80, 39, 33, 17},
         QString(),
         QString(),
         false,
         true,
         QColor(0, 0, 0)},
        {"CheckBox5",
         K::CheckBox,
         "GroupBox3",
         {16, 62, 65, 17},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "目盛線")),
         QString(),
         true},
        {"Panel6",
         K::Swatch,
         "GroupBox3",
         {80, 62, 33, 17},
         QString(),
         QString(),
         false,
         true,
         QColor(255, 0, 0)},
        {"CheckBox4",
         K::CheckBox,
         "GroupBox3",
         {15, 85, 98, 17},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "データポイント")),
         QString(),
         false},
        {"Button8",
         K::Button,
         "GroupBox3",
         {133, 16, 72, 83},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "描画"))},
        {"Panel9", K::HelpPanel, "Panel2", {13, 367, 33, 33}, QStringLiteral("?")},
        {"Button9",
         K::Button,
         "Panel2",
         {112, 370, 121, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "画像ファイル出力"))},
        {"Button10",
         K::Button,
         "Panel2",
         {112, 401, 121, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "表計算ファイル出力"))},
        {"Button11",
         K::Button,
         "Panel2",
         {112, 432, 121, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "DXFファイル出力"))},
        {"Button4",
         K::Button,
         "Panel2",
         {152, 487, 77, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "戻る"))},
        // In the free room left of the DXF button, beside the outputs it shapes.
        {"RibDetailsButton",
         K::Button,
         "Panel2",
         {13, 432, 90, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "リブ詳細...")),
         marked(QT_TRANSLATE_NOOP(
             "rw::control_table",
             "桁の切り欠き、上面・下面のSKIN材厚さ、後縁材、肉抜き穴を設定します"))},
        // Just above the rib details, under the help panel: the panel the ribs are cut for.
        {"WingPanelButton",
         K::Button,
         "Panel2",
         {13, 401, 90, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "翼平面...")),
         marked(QT_TRANSLATE_NOOP(
             "rw::control_table",
             "半翼幅、平面形 (テーパー・楕円・表)、後退、リブ位置、翼端翼型を設定します"))},
        // Above the root chord: says why the chords are greyed while a planform table sets them.
        {"WingTableNote", K::Label, "Panel2", {132, 12, 104, 14}, QString(), QString()},
        // The rib table follows the export buttons, in the room above 戻る.
        {"RibTableButton",
         K::Button,
         "Panel2",
         {112, 460, 121, 24},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "リブ表 (CSV)")),
         marked(QT_TRANSLATE_NOOP(
             "rw::control_table",
             "リブごとの番号、翼根からの位置、翼弦長、前縁の位置、翼型の表をCSVで出力します"))},
        // The workshop files, below everything the column had before.
        {"GroupBox4",
         K::GroupBox,
         "Panel2",
         {10, 526, 226, 138},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "原寸出力"))},
        {"PaperLabel",
         K::Label,
         "GroupBox4",
         {12, 21, 70, 18},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "用紙サイズ"))},
        {"PaperList", K::DropDown, "GroupBox4", {12, 42, 70, 20}, QStringLiteral("A4")},
        // The laser files' stock sheet, under the paper: it shapes only the SVG and the cut DXF.
        {"StockLabel",
         K::Label,
         "GroupBox4",
         {12, 65, 80, 18},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "材料 (mm)"))},
        {"StockEdit",
         K::Edit,
         "GroupBox4",
         {12, 84, 80, 20},
         formatStockSize(OutputOptions{}.stock),
         marked(QT_TRANSLATE_NOOP("rw::control_table", "レーザー用の材料の幅x高さ (mm)"))},
        {"PdfButton",
         K::Button,
         "GroupBox4",
         {102, 18, 117, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "PDF (印刷用)")),
         marked(QT_TRANSLATE_NOOP(
             "rw::control_table",
             "リブを原寸で印刷するPDFを出力します。印刷倍率100%で印刷してください"))},
        {"SvgButton",
         K::Button,
         "GroupBox4",
         {102, 49, 117, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "SVG (レーザー用)")),
         marked(
             QT_TRANSLATE_NOOP("rw::control_table",
                               "レーザー加工機用のSVGを出力します。切断線は赤、けがき線は青です"))},
        {"CutDxfButton",
         K::Button,
         "GroupBox4",
         {102, 80, 117, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "DXF (レーザー用)")),
         marked(QT_TRANSLATE_NOOP("rw::control_table",
                                  "レーザー加工機用のDXFを出力します。mm単位、CUT層とMARK層です"))},
        // Under the paper and the stock, across the group: it adds to the print only.
        {"PlanBox",
         K::CheckBox,
         "GroupBox4",
         {12, 114, 200, 17},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "組立図も出力")),
         marked(
             QT_TRANSLATE_NOOP("rw::control_table", "PDFの最後に翼平面の組立図 (原寸) を付けます")),
         false},
        // Left of 戻る, just above the workshop outputs it shapes and under the other dialogs'
        // buttons: how the laser files cut and lay out the ribs. The column keeps its height.
        {"WorkshopButton",
         K::Button,
         "Panel2",
         {13, 487, 90, 25},
         marked(QT_TRANSLATE_NOOP("rw::control_table", "工作設定...")),
         marked(QT_TRANSLATE_NOOP(
             "rw::control_table",
             "レーザー用ファイルのカーフ、左右、組数、部品の間隔、詰めて並べるかを設定します"))},
    };
    return rows;
}

const ControlSpec& settingsControl(const char* name) {
    for (const ControlSpec& row : settingsColumnControls()) {
        if (std::strcmp(row.name, name) == 0)
            return row;
    }
    throw std::logic_error(std::string("no settings control named ") + name);
}

// The lowest control standing directly on the column, with the margin the column keeps above
// its first control.
int settingsColumnContentHeight() {
    constexpr int kMargin = 8;
    int bottom = 0;
    for (const ControlSpec& row : settingsColumnControls()) {
        if (std::strcmp(row.parent, "Panel2") == 0)
            bottom = std::max(bottom, row.place.y() + row.place.height());
    }
    return bottom + kMargin;
}

// The skin thickness is written with the locale's separator, as the window's list writes it,
// so the first redraw reads it in every locale.
RibSettings defaultRibSettings(QChar decimalSeparator) {
    auto text = [](const char* name) { return settingsControl(name).caption; };
    auto ticked = [](const char* name) { return settingsControl(name).checked; };
    auto colour = [](const char* name) { return settingsControl(name).colour; };
    RibSettings panel;
    panel.rootChordText = text("Edit2");
    panel.tipChordText = text("Edit3");
    panel.sparPercentText = text("Edit4");
    panel.skinThicknessText = text("ComboBox1").replace(QLatin1Char('.'), decimalSeparator);
    panel.ribCountText = text("ComboBox2");
    panel.rootThicknessText = text("ComboBox3");
    panel.tipThicknessText = text("ComboBox4");
    panel.taperOn = ticked("CheckBox1");
    panel.showSparLine = ticked("CheckBox2");
    panel.showSheetPoints = ticked("CheckBox4");
    panel.showGrid = ticked("CheckBox5");
    panel.rootThicknessOn = ticked("CheckBox6");
    panel.tipThicknessOn = ticked("CheckBox7");
    panel.skinColour = colour("Panel4");
    panel.ribColour = colour("Panel5");
    panel.gridColour = colour("Panel6");
    panel.decimalSeparator = decimalSeparator;
    return panel;
}

}  // namespace rw
