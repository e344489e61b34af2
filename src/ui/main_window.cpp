#include "ui/main_window.h"

#include "ui/control_factory.h"
#include "ui/handler_guard.h"
#include "ui/memo_box.h"
#include "ui/panel_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace rw {

namespace {

const QColor kSilver(192, 192, 192);
// Where the airfoil preview sits on the window's own surface in the airfoil view.
constexpr QPoint kPreviewOrigin(250, 64);

// 12-pixel text for every control. The design's face is a Windows font; where it is missing the
// list falls through to a Japanese face that ships with the desktop.
QFont windowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(12);
    return font;
}

}  // namespace

MainWindow::MainWindow(Desktop& desktop, DataFolders folders, QWidget* parent)
    : QWidget(parent),
      desktop_(desktop),
      folders_(std::move(folders)),
      closeAction_([] { QCoreApplication::exit(0); }) {
    FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::FormCreate() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ribwright"));
    setFont(windowFont());
    QPalette silver = palette();
    silver.setColor(QPalette::Window, kSilver);
    setPalette(silver);
    setAutoFillBackground(true);

    buildAirfoilView();
    buildRibPanel();
    layoutRibPanel();
    fillDropDownLists();
    connectHandlers();
    connectRibPanelHandlers();
}

void MainWindow::buildAirfoilView() {
    Button2 = makeButton(this, "Button2", {10, 0, 105, 25}, QStringLiteral("UIUCのサイト表示"),
                         QStringLiteral("イリノイ州立大学の翼型データベースを参照します"));
    Button1 = makeButton(this, "Button1", {121, 0, 105, 25}, QStringLiteral("ペースト"),
                         QStringLiteral("ドラッグしてコピーしたデータをペーストします"));
    Button15 = makeButton(this, "Button15", {12, 31, 214, 25}, QStringLiteral("登録リストから開く"),
                          QStringLiteral("登録してある翼型データを開きます"));

    Memo1 = new MemoBox(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(9, 66, 217, 368);
    Memo1->setPlainText(QStringLiteral("Memo1"));

    Button16 = makeButton(
        this, "Button16", {9, 440, 216, 25}, QStringLiteral("原データを登録"),
        QStringLiteral("UIICからコピーしたデータを登録します。次回から「登録リストから開く」ボタン"
                       "でデータが読み取れます。"));

    const QColor highlight = palette().color(QPalette::Highlight);
    Panel3 = makePanel(this, "Panel3", {240, 0, 592, 33}, highlight);
    Panel3->setCaptionStyle(16, false);
    Panel3->setFrameStyle(QFrame::NoFrame);

    CheckBox3 = makeCheckBox(this, "CheckBox3", {698, 222, 134, 17},
                             QStringLiteral("データポイントを表示"), false);

    Button3 = makeButton(this, "Button3", {239, 281, 233, 37}, QStringLiteral("リブを作成"),
                         QStringLiteral("翼弦長などを指定して実サイズの図面を作図します。"));
    Button3->setEnabled(false);

    Panel7 = makePanel(this, "Panel7", {480, 283, 38, 33}, highlight);
    Panel7->setText(QStringLiteral("?"));
    Panel7->setCaptionStyle(19, true);
    Panel7->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel7->setCursor(Qt::PointingHandCursor);

    GroupBox2 =
        makeGroupBox(this, "GroupBox2", {648, 272, 161, 137}, QStringLiteral("保存ファイルを開く"));
    GroupBox2->setStyleSheet(GroupBox2->styleSheet() +
                             QStringLiteral("QGroupBox::title { color: white; }"));
    Button12 =
        makeButton(GroupBox2, "Button12", {18, 25, 121, 24}, QStringLiteral("画像ファイルを見る"),
                   QStringLiteral("登録した画像データを表示します"));
    Button13 = makeButton(
        GroupBox2, "Button13", {20, 64, 120, 25}, QStringLiteral("表計算ファイルを見る"),
        QStringLiteral("登録済みのCSVデータを表示します。エクセルなどの表計算ソフトが必要です"));
    Button14 = makeButton(
        GroupBox2, "Button14", {20, 99, 121, 25}, QStringLiteral("DXFファイルを見る"),
        QStringLiteral(
            "DXFデータを表示します。CADソフトなどのDXFデータを読めるソフトが必要です。"));
}

// The skin list in steps of half a millimetre, written with the locale's separator; its first
// text uses that separator too, so the very first redraw reads it in every locale.
void MainWindow::fillDropDownLists() {
    const QChar separator = desktop_.decimalSeparator();
    auto withSeparator = [separator](double value) {
        return QString::number(value, 'f', 2).replace(QLatin1Char('.'), separator);
    };
    auto fill = [](QComboBox* list, const QStringList& entries, const QString& text) {
        list->clear();
        list->addItems(entries);
        const int index = list->findText(text);
        if (index >= 0)
            list->setCurrentIndex(index);
        list->setEditText(text);
    };
    auto integers = [](int from, int to) {
        QStringList entries;
        for (int i = from; i <= to; ++i) entries << QString::number(i);
        return entries;
    };

    QStringList skin;
    for (int i = 0; i <= 10; ++i) skin << withSeparator(i / 2.0);
    fill(ComboBox1, skin, withSeparator(1.0));
    fill(ComboBox2, integers(2, 16), QStringLiteral("10"));
    fill(ComboBox3, integers(80, 120), QStringLiteral("100"));
    fill(ComboBox4, integers(80, 120), QStringLiteral("100"));
}

void MainWindow::connectHandlers() {
    onSignal(Button1, &QPushButton::clicked, &MainWindow::Button1Click);
    onSignal(Button2, &QPushButton::clicked, &MainWindow::Button2Click);
    onSignal(Button3, &QPushButton::clicked, &MainWindow::Button3Click);
    onSignal(Button12, &QPushButton::clicked, &MainWindow::Button12Click);
    onSignal(Button13, &QPushButton::clicked, &MainWindow::Button13Click);
    onSignal(Button14, &QPushButton::clicked, &MainWindow::Button14Click);
    onSignal(Button15, &QPushButton::clicked, &MainWindow::Button15Click);
    onSignal(Button16, &QPushButton::clicked, &MainWindow::Button16Click);
    onSignal(CheckBox3, &QCheckBox::clicked, &MainWindow::CheckBox3Click);
    onSignal(Panel7, &PanelWidget::clicked, &MainWindow::Panel7Click);
    onSignal(Memo1, &MemoBox::textChanged, &MainWindow::Memo1Change);
    connect(Memo1, &MemoBox::mouseDown, this, [this](Qt::MouseButton button) {
        runGuarded([this, button] { Memo1MouseDown(button); });
    });
}

void MainWindow::runGuarded(const std::function<void()>& action) {
    runHandlerGuarded(desktop_, action);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownOnce_ || event->spontaneous())
        return;
    shownOnce_ = true;
    runGuarded([this] { FormShow(); });
}

// The window opens in the airfoil view, centred, and brings back the last airfoil text.
void MainWindow::FormShow() {
    state_.viewMode = ViewMode::Airfoil;
    applyViewMode();
    centreOnDesktop();
    loadAirfoilText(folders_.lastDataFile);
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    runGuarded([this] { FormPaint(); });
}

// In the airfoil view every repaint draws the preview afresh from the current profile.
void MainWindow::FormPaint() {
    if (state_.viewMode != ViewMode::Airfoil)
        return;
    finishAirfoilViewFrame();
    renderAirfoilPreview();
    QPainter painter(this);
    painter.drawImage(kPreviewOrigin, state_.previewBitmap);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    FormClose();
}

// Nothing is asked or saved at the end: the last airfoil text was saved when it changed.
void MainWindow::FormClose() {
    if (closeAction_)
        closeAction_();
}

void MainWindow::bringToFront() {
    if (isMinimized()) {
        showNormal();
    } else {
        raise();
        activateWindow();
    }
}

}  // namespace rw
