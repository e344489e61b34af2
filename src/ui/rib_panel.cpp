// The rib sheet view: a white panel over the whole window holding the sheet and, on its right,
// the column of rib settings, colours and export buttons.
#include "ui/control_factory.h"
#include "ui/main_window.h"
#include "ui/panel_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rw {

namespace {

constexpr int kSettingsColumnWidth = 248;

}  // namespace

void MainWindow::buildRibPanel() {
    Panel1 = makePanel(this, "Panel1", {232, 98, 513, 637}, Qt::white);
    Panel1->hide();

    Image2 = new QLabel(Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The sheet is drawn at the size of this control, so its contents must not ask to grow it.
    Image2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    PaintBox1 = new QWidget(Panel1);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Panel2 = makePanel(Panel1, "Panel2", {0, 0, kSettingsColumnWidth, 637}, QColor(192, 192, 192));
    buildSettingsColumn();
}

void MainWindow::buildSettingsColumn() {
    Label1 = makeLabel(Panel2, "Label1", {23, 29, 66, 12}, QStringLiteral("翼弦長 (mm)"));
    Edit2 = makeEdit(Panel2, "Edit2", {132, 30, 49, 18}, QStringLiteral("150"));
    Label2 = makeLabel(Panel2, "Label2", {25, 54, 84, 12}, QStringLiteral("SKIN材厚さ(mm)"));
    ComboBox1 = makeDropDown(Panel2, "ComboBox1", {131, 51, 65, 20});
    CheckBox6 = makeCheckBox(Panel2, "CheckBox6", {22, 75, 104, 17},
                             QStringLiteral("翼厚を変更　(%)"), false);
    ComboBox3 = makeDropDown(Panel2, "ComboBox3", {131, 74, 65, 20});
    CheckBox2 =
        makeCheckBox(Panel2, "CheckBox2", {23, 100, 97, 17}, QStringLiteral("桁の位置表示"), true);
    Label5 = makeLabel(Panel2, "Label5", {125, 103, 62, 12}, QStringLiteral("桁の位置(%)"));
    Edit4 = makeEdit(Panel2, "Edit4", {191, 100, 42, 18}, QStringLiteral("30"));

    buildTaperGroup();
    buildColourGroup();

    Panel9 = makePanel(Panel2, "Panel9", {13, 367, 33, 33}, palette().color(QPalette::Highlight));
    Panel9->setText(QStringLiteral("?"));
    Panel9->setCaptionStyle(16, true);
    Panel9->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel9->setCursor(Qt::PointingHandCursor);

    Button9 =
        makeButton(Panel2, "Button9", {112, 370, 121, 25}, QStringLiteral("画像ファイル出力"));
    Button10 =
        makeButton(Panel2, "Button10", {112, 401, 121, 25}, QStringLiteral("表計算ファイル出力"));
    Button11 =
        makeButton(Panel2, "Button11", {112, 432, 121, 25}, QStringLiteral("DXFファイル出力"));
    Button4 = makeButton(Panel2, "Button4", {152, 487, 77, 25}, QStringLiteral("戻る"));
}

void MainWindow::buildTaperGroup() {
    GroupBox1 = makeGroupBox(Panel2, "GroupBox1", {10, 127, 226, 106}, QString());
    CheckBox1 =
        makeCheckBox(GroupBox1, "CheckBox1", {14, 9, 121, 17}, QStringLiteral("テーパー翼"), true);
    Label3 = makeLabel(GroupBox1, "Label3", {26, 35, 94, 12}, QStringLiteral("翼弦長（翼端 mm）"));
    Edit3 = makeEdit(GroupBox1, "Edit3", {135, 32, 52, 18}, QStringLiteral("100"));
    CheckBox7 = makeCheckBox(GroupBox1, "CheckBox7", {24, 56, 106, 17},
                             QStringLiteral("翼厚を変更(%)"), false);
    ComboBox4 = makeDropDown(GroupBox1, "ComboBox4", {137, 54, 57, 20});
    Label4 =
        makeLabel(GroupBox1, "Label4", {26, 81, 100, 12}, QStringLiteral("全リブ数　（含翼端）"));
    ComboBox2 = makeDropDown(GroupBox1, "ComboBox2", {137, 77, 57, 20});
}

void MainWindow::buildColourGroup() {
    GroupBox3 =
        makeGroupBox(Panel2, "GroupBox3", {13, 244, 220, 109}, QStringLiteral("描画色選択"));
    Label6 = makeLabel(GroupBox3, "Label6", {16, 19, 25, 12}, QStringLiteral("SKIN"));
    Panel4 = makePanel(GroupBox3, "Panel4", {80, 16, 33, 17}, QColor(192, 192, 192));
    Label7 = makeLabel(GroupBox3, "Label7", {16, 42, 25, 12}, QStringLiteral("RIBs"));
    Panel5 = makePanel(GroupBox3, "Panel5", {80, 39, 33, 17}, QColor(0, 0, 0));
    CheckBox5 =
        makeCheckBox(GroupBox3, "CheckBox5", {16, 62, 65, 17}, QStringLiteral("目盛線"), true);
    Panel6 = makePanel(GroupBox3, "Panel6", {80, 62, 33, 17}, QColor(255, 0, 0));
    CheckBox4 = makeCheckBox(GroupBox3, "CheckBox4", {15, 85, 98, 17},
                             QStringLiteral("データポイント"), false);
    Button8 = makeButton(GroupBox3, "Button8", {133, 16, 72, 83}, QStringLiteral("描画"));
    for (PanelWidget* swatch : {Panel4, Panel5, Panel6}) {
        swatch->setFrameStyle(QFrame::Panel | QFrame::Raised);
        swatch->setCursor(Qt::PointingHandCursor);
    }
}

void MainWindow::connectRibPanelHandlers() {
    connect(Panel1, &PanelWidget::resized, this, [this] { layoutRibPanel(); });
    onSignal(Panel1, &PanelWidget::resized, &MainWindow::Panel1Resize);
    onSignal(Button4, &QPushButton::clicked, &MainWindow::Button4Click);
    onSignal(Button8, &QPushButton::clicked, &MainWindow::Button8Click);
    onSignal(Button9, &QPushButton::clicked, &MainWindow::Button9Click);
    onSignal(Button10, &QPushButton::clicked, &MainWindow::Button10Click);
    onSignal(Button11, &QPushButton::clicked, &MainWindow::Button11Click);
    onSignal(CheckBox1, &QCheckBox::clicked, &MainWindow::CheckBox1Click);
    onSignal(CheckBox2, &QCheckBox::clicked, &MainWindow::CheckBox2Click);
    onSignal(CheckBox4, &QCheckBox::clicked, &MainWindow::CheckBox4Click);
    onSignal(CheckBox5, &QCheckBox::clicked, &MainWindow::CheckBox5Click);
    onSignal(Edit2, &QLineEdit::textChanged, &MainWindow::Edit2Change);
    onSignal(Edit3, &QLineEdit::textChanged, &MainWindow::Edit3Change);
    onSignal(ComboBox1, &QComboBox::editTextChanged, &MainWindow::ComboBox1Change);
    onSignal(ComboBox2, &QComboBox::editTextChanged, &MainWindow::ComboBox2Change);
    onSignal(Panel4, &PanelWidget::clicked, &MainWindow::Panel4Click);
    onSignal(Panel5, &PanelWidget::clicked, &MainWindow::Panel5Click);
    onSignal(Panel6, &PanelWidget::clicked, &MainWindow::Panel6Click);
    onSignal(Panel9, &PanelWidget::clicked, &MainWindow::Panel9Click);
}

// The settings column keeps its width at the right edge; the sheet takes the rest.
void MainWindow::layoutRibPanel() {
    const int width = Panel1->width();
    const int height = Panel1->height();
    const int sheetWidth = std::max(0, width - kSettingsColumnWidth);
    Panel2->setGeometry(sheetWidth, 0, kSettingsColumnWidth, height);
    Image2->setGeometry(0, 0, sheetWidth, height);
    PaintBox1->setGeometry(0, 0, sheetWidth, height);
}

}  // namespace rw
