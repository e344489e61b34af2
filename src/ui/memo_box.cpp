#include "ui/memo_box.h"

#include <QMouseEvent>

namespace rw {

namespace {

QString toEditorLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

MemoBox::MemoBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The right button pastes; a context menu on top of that would only get in the way.
    setContextMenuPolicy(Qt::NoContextMenu);
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

}  // namespace rw
