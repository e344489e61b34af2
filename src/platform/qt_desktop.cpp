#include "platform/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QThread>
#include <QUrl>

namespace rw {

namespace {

QString messageCaption() {
    return applicationTitleFromExecutable(QCoreApplication::applicationFilePath());
}

// The program's own dialogs rather than the platform's: they behave the same on every desktop
// (and under a bare X server), and they keep what they were last shown.
QFileDialog* makeFileDialog(QWidget* owner, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(owner);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->setAcceptMode(mode);
    // A name that does not exist may be typed in the open dialog too; loading it does nothing.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QString());
    return dialog;
}

std::optional<QString> runFileDialog(QFileDialog& dialog, const FileDialogRequest& request,
                                     const QString& fileName) {
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDirectory(request.initialDir);
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen.first());
}

}  // namespace

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters;
}

QUrl shellUrlFor(const QString& pathOrAddress) {
    const QUrl url(pathOrAddress);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return url;
    return QUrl::fromLocalFile(pathOrAddress);
}

QtDesktop::QtDesktop() = default;
QtDesktop::~QtDesktop() {
    delete openDialog_.data();
    delete saveDialog_.data();
}

void QtDesktop::setOwnerWindow(QWidget* owner) {
    owner_ = owner;
}

void QtDesktop::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, messageCaption(), text, QMessageBox::Ok, owner_);
    box.exec();
}

bool QtDesktop::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ribwright"), text,
                    QMessageBox::Yes | QMessageBox::No, owner_);
    return box.exec() == QMessageBox::Yes;
}

QFileDialog& QtDesktop::openDialog() {
    if (!openDialog_)
        openDialog_ = makeFileDialog(owner_, QFileDialog::AcceptOpen);
    return *openDialog_;
}

QFileDialog& QtDesktop::saveDialog() {
    if (!saveDialog_)
        saveDialog_ = makeFileDialog(owner_, QFileDialog::AcceptSave);
    return *saveDialog_;
}

std::optional<QString> QtDesktop::chooseFileToOpen(const FileDialogRequest& request) {
    auto chosen = runFileDialog(openDialog(), request, lastOpenFileName_);
    if (chosen)
        lastOpenFileName_ = QFileInfo(*chosen).fileName();
    return chosen;
}

std::optional<QString> QtDesktop::chooseFileToSave(const FileDialogRequest& request) {
    return runFileDialog(saveDialog(), request, request.fileName);
}

std::optional<QColor> QtDesktop::chooseColour() {
    const QColor chosen =
        QColorDialog::getColor(lastColour_, owner_, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    lastColour_ = chosen;
    return chosen;
}

void QtDesktop::shellOpen(const QString& pathOrAddress) {
    QDesktopServices::openUrl(shellUrlFor(pathOrAddress));
}

void QtDesktop::beep() {
    QApplication::beep();
}

QString QtDesktop::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void QtDesktop::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtDesktop::wait(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

QChar QtDesktop::decimalSeparator() const {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

}  // namespace rw
