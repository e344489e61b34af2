#include "ui/main_window.h"

#include "panel/control_table.h"
#include "ui/airfoil_view.h"
#include "ui/control_factory.h"
#include "ui/handler_guard.h"
#include "ui/panel_widget.h"
#include "ui/rib_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScrollArea>
#include <QShowEvent>

namespace rw {

namespace {

const QColor kSilver(192, 192, 192);

// 12-pixel text for every control. The preferred face is a Windows font; where it is missing
// the list falls through to a Japanese face that ships with the desktop.
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
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ribwright"));
    setFont(windowFont());
    QPalette silver = palette();
    silver.setColor(QPalette::Window, kSilver);
    setPalette(silver);
    setAutoFillBackground(true);

    airfoilView_ = new AirfoilView(state_.airfoil, state_.previewBitmap, this);
    buildSheetView();
    layoutSheetView();
    connectViews();
}

MainWindow::~MainWindow() = default;

// The sheet view: a white panel over the whole window holding the sheet and, on its right, the
// settings column.
void MainWindow::buildSheetView() {
    sheetView_ = makePanel(this, "Panel1", {232, 98, 513, 637}, Qt::white);
    sheetView_->hide();

    sheetImage_ = new QLabel(sheetView_);
    sheetImage_->setObjectName(QStringLiteral("Image2"));
    sheetImage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The sheet is drawn at the size of this control, so its contents must not ask to grow it.
    sheetImage_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    sheetPaintArea_ = new QWidget(sheetView_);
    sheetPaintArea_->setObjectName(QStringLiteral("PaintBox1"));
    sheetPaintArea_->setAttribute(Qt::WA_TransparentForMouseEvents);

    // A window restored to its normal size is shorter than the column: it scrolls rather than
    // leave the workshop outputs below the window's edge.
    settingsScroll_ = new QScrollArea(sheetView_);
    settingsScroll_->setObjectName(QStringLiteral("SettingsScroll"));
    settingsScroll_->setFrameShape(QFrame::NoFrame);
    settingsScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    settingsScroll_->setWidgetResizable(false);
    ribPanel_ = new RibPanel(desktop_, settingsScroll_);
    settingsScroll_->setWidget(ribPanel_);
}

void MainWindow::connectViews() {
    AirfoilView* airfoil = airfoilView_;
    onSignal(airfoil, &AirfoilView::textEdited, &MainWindow::airfoilTextChanged);
    onSignal(airfoil, &AirfoilView::textMouseDown, &MainWindow::pasteOnRightButton);
    onSignal(airfoil, &AirfoilView::pasteRequested, &MainWindow::pasteFromClipboard);
    onSignal(airfoil, &AirfoilView::openLibraryRequested, &MainWindow::openFromLibrary);
    onSignal(airfoil, &AirfoilView::openFileRequested, &MainWindow::openAirfoilFile);
    onSignal(airfoil, &AirfoilView::fileDropped, &MainWindow::importAirfoilFromFile);
    onSignal(airfoil, &AirfoilView::registerRequested, &MainWindow::registerInLibrary);
    onSignal(airfoil, &AirfoilView::ribSheetRequested, &MainWindow::showRibSheetView);
    onSignal(airfoil, &AirfoilView::databasePageRequested, &MainWindow::openDatabasePage);
    onSignal(airfoil, &AirfoilView::helpRequested, &MainWindow::openHelpPage);
    onSignal(airfoil, &AirfoilView::viewSavedFileRequested, &MainWindow::viewSavedFile);

    connect(sheetView_, &PanelWidget::resized, this, [this] { layoutSheetView(); });
    onSignal(sheetView_, &PanelWidget::resized, &MainWindow::sheetViewResized);
    onSignal(ribPanel_, &RibPanel::redrawRequested, &MainWindow::drawRibSheet);
    onSignal(ribPanel_, &RibPanel::exportRequested, &MainWindow::exportSheet);
    onSignal(ribPanel_, &RibPanel::backRequested, &MainWindow::showAirfoilView);
    onSignal(ribPanel_, &RibPanel::helpRequested, &MainWindow::openHelpPage);
    onSignal(ribPanel_, &RibPanel::ribDetailsRequested, &MainWindow::editRibDetails);
    onSignal(ribPanel_, &RibPanel::wingPanelRequested, &MainWindow::editWingPanel);
    onSignal(ribPanel_, &RibPanel::workshopRequested, &MainWindow::editWorkshopSettings);
}

// A resize that arrives while another action waits on a message is redrawn once that action is
// over, and only when its sheet was drawn: a refusal is shown once, not again for every size the
// window passes through meanwhile.
void MainWindow::runGuarded(const std::function<void()>& action) {
    ++actionDepth_;
    runHandlerGuarded(desktop_, action);
    --actionDepth_;
    if (actionDepth_ > 0 || !redrawPending_)
        return;
    redrawPending_ = false;
    if (state_.viewMode == ViewMode::RibSheet && !lastDrawRefused_)
        runGuarded([this] { drawRibSheet(); });
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownOnce_ || event->spontaneous())
        return;
    shownOnce_ = true;
    runGuarded([this] { startUp(); });
}

// The window opens in the airfoil view, centred, and brings back the last airfoil text.
void MainWindow::startUp() {
    state_.viewMode = ViewMode::Airfoil;
    applyViewMode();
    centreOnDesktop();
    loadRibDetails();
    loadWingPanel();
    loadWorkshopSettings();
    loadAirfoilText(folders_.lastDataFile);
    // A message raised by the text ran its own event loop before the window reached the screen,
    // and the size laid down meanwhile missed the frame; lay it down again at the next paint.
    outerSizePending_ = true;
}

// The preview itself is the airfoil view's; the window finishes its size once on screen.
void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (state_.viewMode == ViewMode::Airfoil)
        finishAirfoilViewFrame();
}

// Nothing is asked or saved at the end: the last airfoil text was saved when it changed.
void MainWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
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
