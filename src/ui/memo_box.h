#pragma once

#include <QPlainTextEdit>

namespace rw {

// The airfoil text box. Its text is exchanged with CR LF line ends, as the airfoil text keeps
// them; inside, the editor holds plain LF lines. Setting the text from code changes (and so
// notifies) only when the new text differs from what the box holds.
class MemoBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit MemoBox(QWidget* parent = nullptr);

    QString text() const;               // lines separated by CR LF
    void setText(const QString& text);  // CR LF or LF line ends

  signals:
    // Any mouse button pressed over the text, before the editor reacts to it.
    void mouseDown(Qt::MouseButton button);
    // An airfoil file was dropped on the box.
    void fileDropped(const QString& path);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    // A dragged file is taken as a file to import; other drags are the editor's own.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace rw
