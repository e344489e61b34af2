// Airfoil text in and out through the text box: typing, pasting, the last-run file at start and
// the library.
#include "airfoil/long_title.h"
#include "window_fixture.h"

#include "airfoil/airfoil_parser.h"
#include "airfoil/airfoil_preview.h"
#include "airfoil/airfoil_texts.h"
#include "platform/errors.h"
#include "ui/panel_widget.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScreen>

namespace rw::test {
namespace {

class TextChain : public WindowTest {
  protected:
    QPlainTextEdit* memo() { return find<QPlainTextEdit>("Memo1"); }
    QString memoText() { return memo()->toPlainText(); }
    bool lastRunFileExists() const { return QFileInfo::exists(folders.lastDataFile); }
};

// Every key runs the whole chain: a parse (with its message while points are missing), the
// last-run file once the text passes 100 characters, and a beep. Half-typed lines such as
// "0.1000  -" are too short to be points, so no number fails on the way.
TEST_F(TextChain, TypingRunsTheChainOnEveryKey) {
    open();
    memo()->selectAll();
    QTest::keyClick(memo(), Qt::Key_Delete);
    ASSERT_TRUE(memoText().isEmpty());
    desktop.messages.clear();
    desktop.beeps = 0;

    const QString text = loopExampleText();
    int keys = 0;
    int otherMessages = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r'))
            continue;
        const qsizetype messagesBefore = desktop.messages.size();
        if (text[i] == QLatin1Char('\n')) {
            QTest::keyClick(memo(), Qt::Key_Return);
        } else {
            QTest::keyClicks(memo(), QString(text[i]));
        }
        ++keys;
        for (qsizetype m = messagesBefore; m < desktop.messages.size(); ++m) {
            if (desktop.messages[m] != airfoil_texts::tooFewPoints())
                ++otherMessages;
        }
        const qsizetype typedLength = memo()->toPlainText().replace("\n", "\r\n").size();
        ASSERT_EQ(lastRunFileExists(), typedLength > 100) << "after " << typedLength;
    }
    EXPECT_EQ(memoText(), QString(text).replace("\r\n", "\n"));
    EXPECT_EQ(otherMessages, 0);
    EXPECT_EQ(desktop.beeps, keys);
    // Until the tenth point is complete every key says the data is insufficient.
    EXPECT_GT(desktop.messages.size(), 100);
    EXPECT_TRUE(find("Button3")->isEnabled());
    EXPECT_EQ(window->state().airfoil.profile.pointCount(), 11);
    EXPECT_EQ(readBytes(folders.lastDataFile), text.toUtf8());
}

TEST_F(TextChain, PasteParsesSavesBeepsAndEmptiesTheClipboard) {
    open();
    paste(loopExampleText());
    EXPECT_EQ(memoText(), QString(loopExampleText()).replace("\r\n", "\n"));
    EXPECT_EQ(window->state().airfoil.text, loopExampleText());
    EXPECT_EQ(window->state().airfoil.profile.pointCount(), 11);
    EXPECT_TRUE(find("Button3")->isEnabled());
    EXPECT_EQ(find<PanelWidget>("Panel3")->text(), "EXAMPLE FOIL A");
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(readBytes(folders.lastDataFile), loopExampleText().toUtf8());
    EXPECT_TRUE(desktop.clipboard.isEmpty());
}

// A pasted title of thousands of characters reaches the sheet and the file names cut, as the
// command line cuts it; the text box and the last-run file keep it whole.
TEST_F(TextChain, AnEndlessTitleIsCutForTheSheetButKeptInTheText) {
    open();
    const QString text = QString(loopExampleText()).replace("EXAMPLE FOIL A", QString(5000, 'T'));
    paste(text);
    EXPECT_EQ(window->state().airfoil.name, QString(kMaxTitleLength, 'T'));
    EXPECT_EQ(readBytes(folders.lastDataFile), text.toUtf8());
}

// Clipboard texts with LF-only line ends reach the parser as the same CR LF lines.
TEST_F(TextChain, LineFeedOnlyClipboardTextArrivesWithCrLf) {
    open();
    paste(QString(loopExampleText()).replace("\r\n", "\n"));
    EXPECT_EQ(window->state().airfoil.text, loopExampleText());
    EXPECT_EQ(window->state().airfoil.profile.pointCount(), 11);
}

TEST_F(TextChain, PastingTheSameTextChangesNothingButStillEmptiesTheClipboard) {
    open();
    paste(loopExampleText());
    const QByteArray saved = readBytes(folders.lastDataFile);
    QFile::remove(folders.lastDataFile);
    desktop.beeps = 0;
    const int writes = desktop.clipboardWrites;

    paste(loopExampleText());
    EXPECT_EQ(desktop.beeps, 0);
    EXPECT_FALSE(lastRunFileExists()) << "no save for an unchanged text";
    EXPECT_TRUE(desktop.clipboard.isEmpty());
    EXPECT_EQ(desktop.clipboardWrites, writes + 1);
    EXPECT_FALSE(saved.isEmpty());
}

TEST_F(TextChain, PastingAnEmptyClipboardEmptiesOnlyTheBox) {
    open();
    paste(loopExampleText());
    const AirfoilState before = window->state().airfoil;
    const QImage previewBefore = window->state().previewBitmap;
    const QByteArray savedBefore = readBytes(folders.lastDataFile);
    desktop.beeps = 0;

    paste(QString());
    EXPECT_TRUE(memoText().isEmpty());
    EXPECT_EQ(window->state().airfoil.text, before.text);
    EXPECT_EQ(window->state().airfoil.name, before.name);
    EXPECT_EQ(window->state().airfoil.profile.x, before.profile.x);
    EXPECT_EQ(window->state().previewBitmap, previewBefore);
    EXPECT_EQ(find<PanelWidget>("Panel3")->text(), "EXAMPLE FOIL A");
    EXPECT_EQ(readBytes(folders.lastDataFile), savedBefore);
    EXPECT_EQ(desktop.beeps, 0);
}

TEST_F(TextChain, RightButtonPastesAndOtherButtonsDoNot) {
    open();
    desktop.clipboard = loopExampleText();
    QTest::mouseClick(memo()->viewport(), Qt::LeftButton);
    QTest::mouseClick(memo()->viewport(), Qt::MiddleButton);
    EXPECT_EQ(memoText(), "Memo1");
    EXPECT_EQ(desktop.clipboard, loopExampleText());

    QTest::mouseClick(memo()->viewport(), Qt::RightButton);
    EXPECT_EQ(window->state().airfoil.text, loopExampleText());
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_TRUE(desktop.clipboard.isEmpty());

    // With the clipboard now empty a second right press leaves the text alone.
    QTest::mouseClick(memo()->viewport(), Qt::RightButton);
    EXPECT_EQ(window->state().airfoil.text, loopExampleText());
    EXPECT_FALSE(memoText().isEmpty());
}

TEST_F(TextChain, FewerThanTenPointsSaysSoAndStillSaves) {
    open();
    QString shortText = QStringLiteral(
        "SHORT FOIL WITH A LONG ENOUGH TITLE TO PASS ONE HUNDRED "
        "CHARACTERS IN ALL\r\n1.0000  0.0000\r\n0.5000  0.0600\r\n"
        "0.0000  0.0000\r\n");
    paste(shortText);
    EXPECT_EQ(desktop.messages, QStringList{airfoil_texts::tooFewPoints()});
    EXPECT_FALSE(find("Button3")->isEnabled());
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_TRUE(lastRunFileExists());
}

TEST_F(TextChain, ConversionErrorEndsTheChainBeforeSaveAndBeep) {
    open();
    paste(loopExampleText() + QStringLiteral("End of data\r\n"));
    EXPECT_EQ(desktop.messages, QStringList{floatConversionErrorText("End")});
    EXPECT_EQ(desktop.beeps, 0);
    EXPECT_FALSE(lastRunFileExists());
    // The box keeps the text, and the paste still emptied the clipboard.
    EXPECT_TRUE(memoText().endsWith("End of data\n"));
    EXPECT_TRUE(desktop.clipboard.isEmpty());
}

TEST_F(TextChain, FailedSaveReportsTheFileErrorAndDoesNotBeep) {
    QDir(folders.dataDir).removeRecursively();
    open();
    paste(loopExampleText());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_NE(desktop.messages[0], airfoil_texts::tooFewPoints());
    EXPECT_TRUE(desktop.messages[0].endsWith("\n" + QDir::toNativeSeparators(folders.lastDataFile)))
        << "the message names the file";
    EXPECT_EQ(desktop.beeps, 0);
    EXPECT_TRUE(find("Button3")->isEnabled()) << "the parse ran before the save";
}

// At start the last-run text comes back and runs the chain once; it is saved again with CR LF.
TEST_F(TextChain, StartUpLoadsTheLastRunFile) {
    writeBytes(folders.lastDataFile, QString(loopExampleText()).replace("\r\n", "\n").toUtf8());
    open();
    EXPECT_EQ(window->state().airfoil.text, loopExampleText());
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_TRUE(find("Button3")->isEnabled());
    EXPECT_EQ(find<PanelWidget>("Panel3")->text(), "EXAMPLE FOIL A");
    EXPECT_EQ(readBytes(folders.lastDataFile), loopExampleText().toUtf8());
}

TEST_F(TextChain, StartUpWithoutALastRunFileChangesNothing) {
    open();
    EXPECT_EQ(memoText(), "Memo1");
    EXPECT_EQ(desktop.beeps, 0);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_FALSE(lastRunFileExists());
}

TEST_F(TextChain, OpenFromTheLibraryLoadsTheChosenFile) {
    const QString entry = folders.winglistDir + "/EXAMPLE.dat";
    writeBytes(entry, loopExampleText().toUtf8());
    open();
    desktop.openAnswers.push_back(entry);
    click("Button15");
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_EQ(desktop.dialogs[0].kind, "open");
    EXPECT_EQ(desktop.dialogs[0].request.filter, "DAT|*.dat");
    EXPECT_EQ(desktop.dialogs[0].request.initialDir, folders.winglistDir);
    EXPECT_EQ(window->state().airfoil.text, loopExampleText());
    EXPECT_EQ(desktop.beeps, 1);

    // Loading the same file again sets the text but neither parses nor beeps.
    desktop.openAnswers.push_back(entry);
    click("Button15");
    EXPECT_EQ(desktop.beeps, 1);

    // A cancelled dialog and a name that does not exist both do nothing.
    desktop.openAnswers.push_back(std::nullopt);
    desktop.openAnswers.push_back(folders.winglistDir + "/MISSING.dat");
    click("Button15");
    click("Button15");
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(TextChain, RegisteringWritesTheLibraryFileUnderTheCutTitle) {
    open();
    QString text = loopExampleText();
    text.replace("EXAMPLE FOIL A", "SAMPLE 12.5% (TEST) / X");
    paste(text);
    desktop.beeps = 0;
    click("Button16");
    EXPECT_EQ(readBytes(folders.winglistDir + "/SAMPLE 12.dat"), text.toUtf8());
    EXPECT_EQ(desktop.beeps, 1);

    // Too short to be written, yet the press is confirmed.
    paste(QStringLiteral("SHORT\r\n1.0 0.0\r\n"));
    desktop.beeps = 0;
    click("Button16");
    EXPECT_FALSE(QFileInfo::exists(folders.winglistDir + "/SHORT.dat"));
    EXPECT_EQ(desktop.beeps, 1);
}

TEST_F(TextChain, PreviewCheckBoxRedrawsWithPointMarks) {
    open();
    paste(loopExampleText());
    const QImage plain = window->state().previewBitmap;
    ASSERT_EQ(plain.size(), QSize(600, 200));
    find<QCheckBox>("CheckBox3")->click();
    EXPECT_NE(window->state().previewBitmap, plain);
    find<QCheckBox>("CheckBox3")->click();
    EXPECT_EQ(window->state().previewBitmap, plain);
}

// The preview is painted on the window at (250, 64) in the airfoil view.
TEST_F(TextChain, PreviewIsPaintedOnTheWindow) {
    MainWindow& w = open();
    paste(loopExampleText());
    const QImage shot = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage preview = w.state().previewBitmap.convertToFormat(QImage::Format_RGB32);
    // A window pixel left of CheckBox3: the chord line's trailing end at (570, 100).
    for (const QPoint p : {QPoint(0, 0), QPoint(30, 100), QPoint(300, 67), QPoint(570, 100)}) {
        EXPECT_EQ(shot.pixel(p + QPoint(250, 64)), preview.pixel(p)) << p.x() << "," << p.y();
    }
}

// A short text after a good one: what the window shows on screen (not a fresh rendering)
// is the outline of the points just read, under their title.
TEST_F(TextChain, ShortPasteReplacesTheShownPreview) {
    MainWindow& w = open();
    paste(loopExampleText());
    QTest::qWait(20);
    const QString shortText = QStringLiteral(
        "FIVE\r\n1.0000  0.0000\r\n0.5000  0.0600\r\n"
        "0.0000  0.0000\r\n0.5000  -0.0200\r\n"
        "1.0000  0.0000\r\n");
    paste(shortText);
    ASSERT_EQ(desktop.messages, QStringList{airfoil_texts::tooFewPoints()});
    ASSERT_EQ(w.state().airfoil.profile.pointCount(), 5);
    QImage preview;
    drawAirfoilPreview(preview, w.state().airfoil.profile, false);
    // The part above the point check box, which lies over the preview's lower right corner.
    const QRect area(QPoint(250, 64), QSize(600, 150));
    const QImage expected = preview.copy(QRect(QPoint(0, 0), area.size()));
    EXPECT_TRUE(waitUntil([&] {
        const QImage shown =
            w.screen()
                ->grabWindow(w.winId(), area.x(), area.y(), area.width(), area.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        return shown == expected;
    }));
    EXPECT_EQ(find<PanelWidget>("Panel3")->text(), "FIVE");
}

}  // namespace
}  // namespace rw::test
