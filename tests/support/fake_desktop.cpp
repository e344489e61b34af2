#include "fake_desktop.h"

#include <QDir>

namespace rw::test {

bool FakeDesktop::askYesNo(const QString& text) {
    questions.push_back(text);
    if (yesNoAnswers.empty())
        return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<QString> FakeDesktop::chooseFileToOpen(const FileDialogRequest& request) {
    dialogs.push_back({QStringLiteral("open"), request, lastOpenFileName_});
    if (openAnswers.empty())
        return std::nullopt;
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    if (answer)
        lastOpenFileName_ = *answer;
    return answer;
}

std::optional<QString> FakeDesktop::chooseFileToSave(const FileDialogRequest& request) {
    dialogs.push_back({QStringLiteral("save"), request, request.fileName});
    if (saveAnswers.empty())
        return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    if (answer && answer->isEmpty()) {
        return QDir(request.initialDir).filePath(request.fileName);
    }
    return answer;
}

std::optional<QColor> FakeDesktop::chooseColour() {
    colourPickerStartedWith.push_back(lastColour_);
    if (colourAnswers.empty())
        return std::nullopt;
    auto answer = colourAnswers.front();
    colourAnswers.pop_front();
    if (answer)
        lastColour_ = *answer;
    return answer;
}

}  // namespace rw::test
