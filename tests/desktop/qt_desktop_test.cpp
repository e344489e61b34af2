// The Qt side of the desktop seam: the shared dialogs remember what they should, the message
// boxes carry the right captions and buttons. Each modal dialog is answered from a timer.
#include "desktop/qt_desktop.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace rw {
namespace {

// Answers the next modal dialog with `answer`; any further modal (an unexpected question) is
// rejected so a fault shows as a failure instead of a hang.
class ModalAnswer {
  public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (answered_) {
                ++unexpected_;
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                return;
            }
            answered_ = true;
            answer_(modal);
        });
        timer_.start(10);
    }
    bool answered() const { return answered_; }
    int unexpected() const { return unexpected_; }

  private:
    std::function<void(QWidget*)> answer_;
    QTimer timer_;
    bool answered_ = false;
    int unexpected_ = 0;
};

TEST(QtDesktopFilters, PairsBecomeQtNameFilters) {
    EXPECT_EQ(qtNameFilters("DAT|*.dat"), QStringList{"DAT (*.dat)"});
    EXPECT_EQ(qtNameFilters("ALL|*.*|PNG|*.png|JPG|*.jpg"),
              QStringList({"ALL (*.*)", "PNG (*.png)", "JPG (*.jpg)"}));
    EXPECT_EQ(qtNameFilters("Pictures|*.png;*.jpg"), QStringList{"Pictures (*.png *.jpg)"});
}

TEST(QtDesktopShell, WebAddressesStayAndPathsBecomeFileUrls) {
    const QString page = "https://m-selig.ae.illinois.edu/ads/coord_database.html";
    EXPECT_EQ(shellUrlFor(page), QUrl(page));
    const QUrl file = shellUrlFor("/data dir/help/HELP_ribwright.html");
    EXPECT_TRUE(file.isLocalFile());
    EXPECT_EQ(file.toLocalFile(), "/data dir/help/HELP_ribwright.html");
}

// The open dialog shows, in whatever folder it is pointed at, the name chosen last time.
TEST(QtDesktopDialogs, OpenDialogKeepsTheLastChosenName) {
    QTemporaryDir library;
    QTemporaryDir other;
    QtDesktop desktop;
    {
        ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->nameFilters(), QStringList{"DAT (*.dat)"});
            EXPECT_EQ(QDir(dialog->directory()), QDir(library.path()));
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
            EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
            dialog->selectFile("FOIL 12.dat");
            static_cast<QDialog*>(dialog)->accept();
        });
        const auto chosen = desktop.chooseFileToOpen({"", library.path(), "DAT|*.dat"});
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(*chosen, QDir(library.path()).filePath("FOIL 12.dat"));
        EXPECT_EQ(answer.unexpected(), 0);
    }
    ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), QStringList({"ALL (*.*)"}));
        EXPECT_EQ(dialog->selectedFiles(), QStringList{QDir(other.path()).filePath("FOIL 12.dat")});
        dialog->reject();
    });
    EXPECT_FALSE(desktop.chooseFileToOpen({"", other.path(), "ALL|*.*"}).has_value());
    EXPECT_TRUE(answer.answered());
}

// An empty file in `folder`, for the save dialog to find existing; empty when it cannot be made.
static QString emptyFileIn(const QTemporaryDir& folder, const char* name) {
    const QString path = QDir(folder.path()).filePath(QLatin1String(name));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) ? path : QString();
}

// The save dialog proposes the given name, adds no extension and asks nothing about an
// existing file.
TEST(QtDesktopDialogs, SaveDialogProposesTheNameAndOverwritesSilently) {
    QTemporaryDir folder;
    const QString existing = emptyFileIn(folder, "FOIL 24_150.csv");
    ASSERT_FALSE(existing.isEmpty());
    QtDesktop desktop;
    ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters(), QStringList{"CSV (*.csv)"});
        EXPECT_EQ(dialog->selectedFiles(), QStringList{existing});
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = desktop.chooseFileToSave({"FOIL 24_150.csv", folder.path(), "CSV|*.csv"});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, existing);
    EXPECT_EQ(answer.unexpected(), 0);
}

// Asked to, the save dialog asks the toolkit's question before replacing an existing file; the
// answer Yes chooses it, and the next request without the question is quiet again.
TEST(QtDesktopDialogs, SaveDialogAsksBeforeReplacingWhenTold) {
    QTemporaryDir folder;
    const QString existing = emptyFileIn(folder, "FOIL_A4.pdf");
    ASSERT_FALSE(existing.isEmpty());
    QtDesktop desktop;
    QStringList questions;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            questions << box->text();
            box->button(QMessageBox::Yes)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            // Queued: the question opens inside accept, and a timer does not fire again while
            // its own handler is still running.
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    answerer.start(10);
    FileDialogRequest request{"FOIL_A4.pdf", folder.path(), "PDF|*.pdf"};
    request.confirmOverwrite = true;
    const auto chosen = desktop.chooseFileToSave(request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, QDir::toNativeSeparators(existing));
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("FOIL_A4.pdf")) << questions[0].toStdString();

    request.confirmOverwrite = false;
    EXPECT_TRUE(desktop.chooseFileToSave(request).has_value());
    EXPECT_EQ(questions.size(), 1);
}

// Picking another file type keeps the proposed name as it is: the format follows the name.
// The name field's completion list, opened while typing, closes with the dialog.
TEST(QtDesktopDialogs, SaveDialogKeepsTheNameAndClosesItsCompletionList) {
    QTemporaryDir folder;
    QtDesktop desktop;
    QAbstractItemView* completionList = nullptr;
    ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(types, nullptr);
        ASSERT_NE(name, nullptr);
        ASSERT_EQ(name->text(), "FOIL_150.png");
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Down);  // PNG → JPG, as the user picks it
        EXPECT_EQ(types->currentText(), "JPG (*.jpg)");
        EXPECT_EQ(name->text(), "FOIL_150.png");
        ASSERT_NE(name->completer(), nullptr);
        completionList = name->completer()->popup();
        completionList->show();  // as typing a known name opens it
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen =
        desktop.chooseFileToSave({"FOIL_150.png", folder.path(), "PNG|*.png|JPG|*.jpg"});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, QDir(folder.path()).filePath("FOIL_150.png"));
    ASSERT_NE(completionList, nullptr);
    EXPECT_FALSE(completionList->isVisible());
}

// In main the window goes before the desktop, taking its child dialogs with it; the desktop
// must not delete them a second time, nor hand out a deleted dialog afterwards.
TEST(QtDesktopDialogs, SurviveTheirOwnerWindow) {
    QTemporaryDir folder;
    QtDesktop desktop;
    auto cancelNext = [] {
        return std::make_unique<ModalAnswer>(
            [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    };
    {
        QWidget owner;
        desktop.setOwnerWindow(&owner);
        auto answer = cancelNext();
        EXPECT_FALSE(desktop.chooseFileToSave({"a.csv", folder.path(), "CSV|*.csv"}).has_value());
        answer = cancelNext();
        EXPECT_FALSE(desktop.chooseFileToOpen({"", folder.path(), "DAT|*.dat"}).has_value());
        EXPECT_TRUE(answer->answered());
    }
    auto answer = cancelNext();
    EXPECT_FALSE(desktop.chooseFileToSave({"b.csv", folder.path(), "CSV|*.csv"}).has_value());
    EXPECT_TRUE(answer->answered());
}

// The picker starts black, then with whatever was chosen last; a cancel keeps that colour.
TEST(QtDesktopDialogs, ColourPickerStartsWithTheColourLastChosen) {
    QtDesktop desktop;
    auto pick = [&](const QColor& expectedStart, std::optional<QColor> choose) {
        ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->currentColor(), expectedStart);
            if (choose) {
                dialog->setCurrentColor(*choose);
                static_cast<QDialog*>(dialog)->accept();
            } else {
                dialog->reject();
            }
        });
        return desktop.chooseColour();
    };
    EXPECT_EQ(pick(QColor(0, 0, 0), QColor(0, 128, 0)), QColor(0, 128, 0));
    EXPECT_EQ(pick(QColor(0, 128, 0), std::nullopt), std::nullopt);
    EXPECT_EQ(pick(QColor(0, 128, 0), QColor(10, 20, 30)), QColor(10, 20, 30));
}

TEST(QtDesktopMessages, QuestionIsCaptionedRibwrightWithYesAndNo) {
    QtDesktop desktop;
    auto ask = [&](QMessageBox::StandardButton press) {
        ModalAnswer answer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Ribwright");
            EXPECT_EQ(box->text(), "画像ソフトを起動しますか？");
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            box->button(press)->click();
        });
        return desktop.askYesNo("画像ソフトを起動しますか？");
    };
    EXPECT_TRUE(ask(QMessageBox::Yes));
    EXPECT_FALSE(ask(QMessageBox::No));
}

TEST(QtDesktopMessages, MessageIsCaptionedWithTheApplicationTitle) {
    QtDesktop desktop;
    ModalAnswer answer([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(),
                  applicationTitleFromExecutable(QCoreApplication::applicationFilePath()));
        EXPECT_EQ(box->text(), "翼弦長のデータが不正です");
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    desktop.showMessage("翼弦長のデータが不正です");
    EXPECT_TRUE(answer.answered());
}

TEST(QtDesktopLocale, DecimalSeparatorFollowsTheLocale) {
    const QLocale saved;
    QtDesktop desktop;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(desktop.decimalSeparator(), QLatin1Char(','));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(desktop.decimalSeparator(), QLatin1Char('.'));
    QLocale::setDefault(saved);
}

TEST(QtDesktopClipboard, TextIsReplacedAndReadBack) {
    QtDesktop desktop;
    desktop.setClipboardText("FOIL\r\n1.0 0.0\r\n");
    EXPECT_EQ(desktop.clipboardText(), "FOIL\r\n1.0 0.0\r\n");
    desktop.setClipboardText(QString());
    EXPECT_TRUE(desktop.clipboardText().isEmpty());
}

}  // namespace
}  // namespace rw
