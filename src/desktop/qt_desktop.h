#pragma once

#include "desktop/desktop.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

class QFileDialog;
class QWidget;

namespace rw {

// The desktop seam over Qt: message boxes, the shared file and colour dialogs, the shell's
// "open", the beep, the clipboard, the short pause and the locale's decimal separator.
class QtDesktop : public Desktop {
  public:
    QtDesktop();
    ~QtDesktop() override;

    // The window that owns the message boxes and dialogs; may be set after construction.
    void setOwnerWindow(QWidget* owner);

    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override;
    std::optional<QColor> chooseColour() override;
    bool shellOpen(const QString& pathOrAddress) override;
    void beep() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    void wait(int milliseconds) override;
    QChar decimalSeparator() const override;

  private:
    QFileDialog& openDialog();
    QFileDialog& saveDialog();

    QPointer<QWidget> owner_;
    // The owner window deletes its child dialogs when it goes first (as it does at the end of
    // main); the guarded pointers then read null instead of dangling.
    QPointer<QFileDialog> openDialog_;
    QPointer<QFileDialog> saveDialog_;
    QString lastOpenFileName_;             // what the open dialog shows again next time
    QColor lastColour_ = QColor(0, 0, 0);  // what the colour picker starts with
};

// "DESC|PATTERN|DESC|PATTERN" as Qt's name filters: "DESC (PATTERN)" each.
QStringList qtNameFilters(const QString& filter);

// The URL the shell is asked to open: a web address as it stands, anything else a local file.
QUrl shellUrlFor(const QString& pathOrAddress);

}  // namespace rw
