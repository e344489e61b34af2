#include "ui/memo_box.h"

#include "ui/dropped_file.h"

#include <QMimeData>
#include <QMouseEvent>

namespace rw {

namespace {

QString toEditorLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool carriesFiles(const QMimeData* data) {
    return data != nullptr && data->hasUrls();
}

}  // namespace

MemoBox::MemoBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The right button pastes; a context menu on top of that would only get in the way.
    setContextMenuPolicy(Qt::NoContextMenu);
    // Airfoil data has no use for a typed tab; Tab goes on to the next control, so the whole
    // view can be worked from the keyboard.
    setTabChangesFocus(true);
}

QString MemoBox::text() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void MemoBox::setText(const QString& text) {
    const QString lines = toEditorLines(text);
    if (lines == toPlainText())
        return;
    setPlainText(lines);
}

void MemoBox::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button());
    QPlainTextEdit::mousePressEvent(event);
}

// Files that are not airfoil files are refused here rather than inserted as their paths.
void MemoBox::dragEnterEvent(QDragEnterEvent* event) {
    if (carriesFiles(event->mimeData()))
        takeAirfoilDrag(event);
    else
        QPlainTextEdit::dragEnterEvent(event);
}

void MemoBox::dragMoveEvent(QDragMoveEvent* event) {
    if (carriesFiles(event->mimeData()))
        takeAirfoilDrag(event);
    else
        QPlainTextEdit::dragMoveEvent(event);
}

void MemoBox::dropEvent(QDropEvent* event) {
    if (!carriesFiles(event->mimeData())) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    const QString path = takeAirfoilDrag(event);
    if (!path.isEmpty())
        emit fileDropped(path);
}

}  // namespace rw
