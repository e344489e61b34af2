#include "ui/panel_widget.h"

#include <QMouseEvent>

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

void PanelWidget::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    emit resized();
}

}  // namespace rw
