#include "ui/panel_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace rw {

PanelWidget::PanelWidget(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
}

QColor PanelWidget::colour() const {
    return palette().color(QPalette::Window);
}

void PanelWidget::setColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void PanelWidget::setCaptionStyle(int pixelSize, bool bold) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    QFont f = font();
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    setFont(f);
}

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PanelWidget::setKeyboardClickable() {
    setFocusPolicy(Qt::StrongFocus);
}

void PanelWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (focusPolicy() != Qt::NoFocus &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

// The focus is drawn as the style draws it on buttons, inside the raised frame.
void PanelWidget::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    option.backgroundColor = colour();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void PanelWidget::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    emit resized();
}

}  // namespace rw
