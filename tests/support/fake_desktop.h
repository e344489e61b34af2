#pragma once

#include "desktop/desktop.h"

#include <QColor>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace rw::test {

// A scripted Desktop: it records every call and answers dialogs from queues the test fills.
// An unscripted dialog answers "cancel", an unscripted question "No".
class FakeDesktop : public Desktop {
  public:
    struct DialogCall {
        QString kind;  // "open" or "save"
        FileDialogRequest request;
        QString fileNameShown;  // the name the dialog showed (open: the one it kept)
    };

    void showMessage(const QString& text) override {
        messages.push_back(text);
        if (whileMessageShows)
            whileMessageShows();
    }
    bool askYesNo(const QString& text) override;
    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override;
    std::optional<QColor> chooseColour() override;
    bool shellOpen(const QString& pathOrAddress) override {
        opened.push_back(pathOrAddress);
        return hasLauncher;
    }
    void beep() override { ++beeps; }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override {
        clipboard = text;
        ++clipboardWrites;
    }
    void wait(int milliseconds) override { waits.push_back(milliseconds); }
    QChar decimalSeparator() const override { return separator; }

    // Scripted answers.
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<QString>> openAnswers;
    // A save answer of std::nullopt cancels; an empty string accepts the proposed name.
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QColor>> colourAnswers;
    QChar separator = QLatin1Char('.');
    QString clipboard;
    bool hasLauncher = true;  // false: shellOpen finds no program to open with
    // Runs while a message is "on screen", as a real message box runs its own event loop.
    std::function<void()> whileMessageShows;

    // What happened.
    QStringList messages;
    QStringList questions;
    QStringList opened;
    std::vector<DialogCall> dialogs;
    std::vector<QColor> colourPickerStartedWith;
    std::vector<int> waits;
    int beeps = 0;
    int clipboardWrites = 0;

  private:
    QString lastOpenFileName_;
    QColor lastColour_ = QColor(0, 0, 0);
};

}  // namespace rw::test
