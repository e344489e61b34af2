#pragma once

#include <QColor>
#include <QLabel>

namespace rw {

// A panel: a coloured surface with an optional centred caption. Panels serve as colour swatches
// and as buttons, so a click and a change of size are reported.
class PanelWidget : public QLabel {
    Q_OBJECT
  public:
    explicit PanelWidget(QWidget* parent = nullptr);

    QColor colour() const;
    void setColour(const QColor& colour);
    // White caption text of the given pixel height, optionally bold.
    void setCaptionStyle(int pixelSize, bool bold);
    // A panel that acts as a button takes the focus and answers Space and Enter as a click.
    void setKeyboardClickable();

  signals:
    void clicked();
    void resized();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace rw
