#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace rw {

// What a file dialog is asked to show. `filter` uses the "DESCRIPTION|PATTERN|…" form.
struct FileDialogRequest {
    QString fileName;    // proposed name (save dialog only; the open dialog keeps its own)
    QString initialDir;  // folder the dialog starts in
    QString filter;
    // Save dialog only: ask before replacing an existing file, as the toolkit asks it.
    bool confirmOverwrite = false;
};

// Everything the program asks of the desktop goes through this seam, so the window can be driven
// by tests with a scripted double and nothing ever blocks on a modal dialog.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // OK-only message box captioned with the application title.
    virtual void showMessage(const QString& text) = 0;
    // Yes/No question captioned "Ribwright"; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;

    // The shared open dialog: it keeps the file name chosen in its previous use.
    virtual std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) = 0;
    // The shared save dialog: no default extension; asks before replacing a file only when the
    // request says so.
    virtual std::optional<QString> chooseFileToSave(const FileDialogRequest& request) = 0;
    // The shared colour picker: opens with the colour last chosen in it (black at first).
    virtual std::optional<QColor> chooseColour() = 0;

    // The shell's "open" on a path or a web address; false when the desktop has no program to
    // hand it to (no launcher at all), so the caller can tell the user.
    virtual bool shellOpen(const QString& pathOrAddress) = 0;
    virtual void beep() = 0;
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // Blocks the GUI thread, as the rib button's short pause does.
    virtual void wait(int milliseconds) = 0;
    // The decimal separator of the user's locale.
    virtual QChar decimalSeparator() const = 0;
};

// The application title: the executable's file name up to its first dot, first character kept,
// the rest in lower case ("ribwright" and "RIBWRIGHT.EXE" both give "Ribwright").
QString applicationTitleFromExecutable(const QString& executablePath);

}  // namespace rw
