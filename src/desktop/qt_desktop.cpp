#include "desktop/qt_desktop.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QCompleter>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QThread>
#include <QUrl>

#include <memory>

namespace rw {

namespace {

QString messageCaption() {
    return applicationTitleFromExecutable(QCoreApplication::applicationFilePath());
}

// Choosing another file type in a save dialog would rewrite the name's extension; the format
// follows the name alone, so the name is put back as it stood before the choice.
void keepTypedName(QFileDialog& dialog) {
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (!name || !types)
        return;
    auto nameBefore = std::make_shared<QString>();
    // The index changes before the dialog applies the new filter, and the filter is reported
    // as selected after it did.
    QObject::connect(types, &QComboBox::currentIndexChanged, name,
                     [name, nameBefore] { *nameBefore = name->text(); });
    QObject::connect(&dialog, &QFileDialog::filterSelected, name, [name, nameBefore] {
        if (name->text() != *nameBefore)
            name->setText(*nameBefore);
    });
}

// The name field's completion list is a window of its own: closed with the dialog, or it
// stays over the main window and swallows the next click.
void closeCompletionList(QFileDialog& dialog) {
    for (auto* edit : dialog.findChildren<QLineEdit*>()) {
        if (QCompleter* completer = edit->completer())
            completer->popup()->hide();
    }
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
    keepTypedName(*dialog);
    return dialog;
}

std::optional<QString> runFileDialog(QFileDialog& dialog, const FileDialogRequest& request,
                                     const QString& fileName) {
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDirectory(request.initialDir);
    dialog.selectFile(fileName);
    const int result = dialog.exec();
    closeCompletionList(dialog);
    if (result != QDialog::Accepted)
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

// The dialog is shared by every export, so the question is switched for each request.
std::optional<QString> QtDesktop::chooseFileToSave(const FileDialogRequest& request) {
    QFileDialog& dialog = saveDialog();
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    return runFileDialog(dialog, request, request.fileName);
}

std::optional<QColor> QtDesktop::chooseColour() {
    const QColor chosen =
        QColorDialog::getColor(lastColour_, owner_, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    lastColour_ = chosen;
    return chosen;
}

bool QtDesktop::shellOpen(const QString& pathOrAddress) {
    return QDesktopServices::openUrl(shellUrlFor(pathOrAddress));
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
