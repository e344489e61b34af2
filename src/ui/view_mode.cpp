// The two views and the switches between them.
#include "ui/main_window.h"
#include "ui/panel_widget.h"

#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

namespace rw {

namespace {

// The airfoil view's outer size, frame included.
constexpr QSize kAirfoilViewOuterSize(890, 527);
// The rib button's short pause before the sheet is drawn.
constexpr int kRibButtonPauseMs = 200;

}  // namespace

void MainWindow::applyViewMode() {
    if (state_.viewMode == ViewMode::Airfoil) {
        Panel1->hide();
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
        outerSizePending_ = true;
        settleAirfoilViewFrame();
    } else {
        if (isVisible() && windowState() == Qt::WindowNoState)
            normalPlace_ = geometry();
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        Panel1->show();
        Panel1->raise();
        Panel1->setGeometry(rect());
    }
}

// The airfoil view's size counts the window manager's frame, which is known only once the
// window is on screen, so the size is laid down now and again at the next paint. Coming back
// from the maximised sheet view the window returns to where it stood before.
void MainWindow::settleAirfoilViewFrame() {
    if (!outerSizePending_ || state_.viewMode != ViewMode::Airfoil)
        return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))
        return;
    const QSize frame = frameGeometry().size() - geometry().size();
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
}

// Called from the paint handler: the window is on screen with its frame by now.
void MainWindow::finishAirfoilViewFrame() {
    if (!outerSizePending_)
        return;
    QTimer::singleShot(0, this, [this] {
        settleAirfoilViewFrame();
        if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))
            return;
        outerSizePending_ = false;
    });
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (state_.viewMode == ViewMode::RibSheet)
        Panel1->setGeometry(rect());
}

void MainWindow::Button3Click() {
    state_.viewMode = ViewMode::RibSheet;
    applyViewMode();
    desktop_.wait(kRibButtonPauseMs);
    drawRibSheet();
}

void MainWindow::Button4Click() {
    state_.viewMode = ViewMode::Airfoil;
    applyViewMode();
    update(QRect(QPoint(250, 64), state_.previewBitmap.size()));
}

void MainWindow::Panel1Resize() {
    if (state_.viewMode == ViewMode::RibSheet)
        drawRibSheet();
}

}  // namespace rw
