// The two views and the switches between them.
#include "panel/control_table.h"
#include "ui/airfoil_view.h"
#include "ui/main_window.h"
#include "ui/panel_widget.h"
#include "ui/rib_panel.h"

#include <QLabel>

#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace rw {

namespace {

// The airfoil view's outer size, frame included.
constexpr QSize kAirfoilViewOuterSize(890, 527);
// The rib button's short pause before the sheet is drawn.
constexpr int kRibButtonPauseMs = 200;

}  // namespace

// Only the view on show is visible to the keyboard: the covered one is hidden, so Tab never
// reaches its buttons and typing never edits its text.
void MainWindow::applyViewMode() {
    if (state_.viewMode == ViewMode::Airfoil) {
        sheetView_->hide();
        airfoilView_->show();
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
        outerSizePending_ = true;
        settleAirfoilViewFrame();
    } else {
        if (isVisible() && windowState() == Qt::WindowNoState)
            normalPlace_ = geometry();
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        // Laid out at the window's size before it shows, so it never shows at a stale one.
        sheetView_->setGeometry(rect());
        layoutSheetView();
        sheetView_->show();
        sheetView_->raise();
        airfoilView_->hide();
    }
}

// The window manager's frame around the window. Asked of the window system each time: the
// widget's own record of it is taken once and misses a frame added after a start-up message.
QSize MainWindow::frameSize() const {
    const QWindow* handle = windowHandle();
    if (!handle)
        return QSize();
    const QMargins margins = handle->frameMargins();
    return QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

// The airfoil view's size counts the window manager's frame, which is known only once the
// window is on screen, so the size is laid down now and again at the next paint. Coming back
// from the maximised sheet view the window returns to where it stood before.
void MainWindow::settleAirfoilViewFrame() {
    if (!outerSizePending_ || state_.viewMode != ViewMode::Airfoil)
        return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))
        return;
    const QSize frame = frameSize();
    if (normalPlace_.isValid()) {
        setGeometry(QRect(normalPlace_.topLeft(), kAirfoilViewOuterSize - frame));
    } else {
        resize(kAirfoilViewOuterSize - frame);
    }
}

// A window's position includes its frame, so this is done with the known outer size before the
// window is first on screen, where the frame cannot yet be measured.
void MainWindow::centreOnDesktop() {
    const QScreen* desktop = screen();
    if (!desktop)
        return;
    QRect outer = frameGeometry();
    outer.setSize(kAirfoilViewOuterSize);
    outer.moveCenter(desktop->virtualGeometry().center());
    move(outer.topLeft());
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        settleAirfoilViewFrame();
    if (event->type() == QEvent::ActivationChange)
        settleAirfoilViewFrame();
}

// Called from the paint handler: the window is on screen with its frame by now.
void MainWindow::finishAirfoilViewFrame() {
    if (!outerSizePending_)
        return;
    QTimer::singleShot(0, this, [this] {
        settleAirfoilViewFrame();
        if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))
            return;
        // A window manager frames the window before it makes it active; until then the frame
        // may still be unknown, and the size is laid down again at the next paint.
        const bool framed = !frameSize().isNull();
        if (framed || isActiveWindow())
            outerSizePending_ = false;
    });
}

// The window manager's frame around a new window shows in its position first.
void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    settleAirfoilViewFrame();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    airfoilView_->setGeometry(rect());
    if (state_.viewMode == ViewMode::RibSheet)
        sheetView_->setGeometry(rect());
}

// The settings column keeps its width at the right edge; the sheet takes the rest. Where the
// window is shorter than the column, the column scrolls and its scroll bar takes from the sheet.
void MainWindow::layoutSheetView() {
    const int width = sheetView_->width();
    const int height = sheetView_->height();
    const int columnHeight = settingsColumnContentHeight();
    const bool scrolls = height < columnHeight;
    const int scrollBar =
        scrolls ? settingsScroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    settingsScroll_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
    const int sheetWidth = std::max(0, width - kSettingsColumnWidth - scrollBar);
    settingsScroll_->setGeometry(sheetWidth, 0, kSettingsColumnWidth + scrollBar, height);
    ribPanel_->resize(kSettingsColumnWidth, std::max(height, columnHeight));
    sheetImage_->setGeometry(0, 0, sheetWidth, height);
    sheetPaintArea_->setGeometry(0, 0, sheetWidth, height);
}

void MainWindow::showRibSheetView() {
    state_.viewMode = ViewMode::RibSheet;
    applyViewMode();
    desktop_.wait(kRibButtonPauseMs);
    drawRibSheet();
}

void MainWindow::showAirfoilView() {
    state_.viewMode = ViewMode::Airfoil;
    applyViewMode();
    airfoilView_->update(kPreviewArea);
}

// The handler itself is one guarded action; a deeper one is waiting on a message or dialog.
// With no sheet on show after a refusal there is nothing to draw at the new size, and the
// refusal is not repeated for every size the window passes through while it is dragged.
void MainWindow::sheetViewResized() {
    if (state_.viewMode != ViewMode::RibSheet)
        return;
    if (lastDrawRefused_ && state_.sheetBitmap.isNull())
        return;
    if (actionDepth_ > 1) {
        redrawPending_ = true;
        return;
    }
    drawRibSheet();
}

}  // namespace rw
