// Airfoil files from outside the library: dropped anywhere on the airfoil view or chosen with the
// open-file button, they are tidied and go through the text box like any other text.
#include "window_fixture.h"

#include "airfoil/airfoil_import.h"
#include "platform/errors.h"

#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <QWindow>

namespace rw::test {
namespace {

QString corpusFile(const QString& name) {
    return QStringLiteral(RIBWRIGHT_TEST_DATA "/import/") + name;
}

QString importedText(const QString& path) {
    return importAirfoilPath(path, QLatin1Char('.')).text;
}

class ImportDrop : public WindowTest {
  protected:
    QPlainTextEdit* memo() { return find<QPlainTextEdit>("Memo1"); }
    QString memoText() { return memo()->toPlainText().replace("\n", "\r\n"); }
    QString note() { return find<QLabel>("ImportNote")->text(); }

    qsizetype messagesDuringDrop = 0;

    // Drags `paths` over the window to `where` on `control` and drops them there, as a file
    // manager offers them (copy or move): the window system's events go to the window, which
    // picks the widget under the point as the toolkit does for a real drag. Tells whether the
    // drop was taken, and as what; counts the messages shown before the drop event returned.
    Qt::DropAction drop(QWidget* control, QPoint where, const QStringList& paths,
                        const QString& plainText = QString()) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        if (!plainText.isEmpty())
            data.setText(plainText);
        QWindow* target = window->windowHandle();
        const QPointF at = control->mapTo(window.get(), where);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at.toPoint(), offered, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setDropAction(Qt::MoveAction);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) {
            QDragLeaveEvent leave;
            QCoreApplication::sendEvent(target, &leave);
            return Qt::IgnoreAction;
        }
        QDropEvent dropped(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        dropped.setDropAction(Qt::MoveAction);
        QCoreApplication::sendEvent(target, &dropped);
        messagesDuringDrop = desktop.messages.size();
        settle();
        return dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction;
    }
};

// On the text box, the preview, the title strip or a button alike the first airfoil file of the
// drag is imported, the chain runs on the tidied text and the note says what was tidied. Files
// are always copied, never moved away from where they came.
TEST_F(ImportDrop, DroppedFileIsImportedWhereverItLands) {
    open();
    const struct {
        const char* control;
        QPoint where;
        QString file;
    } drops[] = {
        {"Memo1", QPoint(40, 40), corpusFile("notes_after.dat")},
        {"AirfoilView", QPoint(400, 150), corpusFile("second_title.dat")},
        {"Panel3", QPoint(300, 15), corpusFile("short_lines.dat")},
        {"Button3", QPoint(100, 18), corpusFile("headerless.dat")},
    };
    for (const auto& d : drops) {
        SCOPED_TRACE(d.control);
        paste(loopExampleText());
        desktop.beeps = 0;
        QFile::remove(folders.lastDataFile);
        const QImage previewBefore = window->state().previewBitmap;
        const AirfoilImport imported = importAirfoilPath(d.file, QLatin1Char('.'));
        const QString& expected = imported.text;
        ASSERT_FALSE(imported.changes.isEmpty()) << "the corpus file needs tidying";

        const QStringList paths = {QStringLiteral("/tmp/photo.png"), d.file,
                                   corpusFile("reversed.dat")};
        EXPECT_EQ(drop(find(d.control), d.where, paths), Qt::CopyAction);
        EXPECT_EQ(memoText(), expected);
        EXPECT_EQ(window->state().airfoil.text, expected);
        EXPECT_EQ(window->state().airfoil.profile.pointCount(), 41);
        EXPECT_NE(window->state().previewBitmap, previewBefore);
        EXPECT_TRUE(find("Button3")->isEnabled());
        EXPECT_EQ(readBytes(folders.lastDataFile), expected.toUtf8());
        EXPECT_EQ(desktop.beeps, 1);
        EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join("|").toStdString();
        EXPECT_TRUE(note().contains(QFileInfo(d.file).fileName())) << note().toStdString();
        for (const QString& change : imported.changes)
            EXPECT_TRUE(note().contains(change)) << note().toStdString();
    }

    // Typing over the imported text makes the note stale.
    QTest::keyClick(memo(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(memo(), " ");
    EXPECT_TRUE(note().isEmpty());
}

// A drag of other files is refused everywhere; the text box never takes it as text.
TEST_F(ImportDrop, OtherFilesAreRefused) {
    open();
    paste(loopExampleText());
    const QStringList paths = {QStringLiteral("/tmp/photo.png"), QStringLiteral("/tmp/a.csv")};
    EXPECT_EQ(drop(memo(), QPoint(40, 40), paths, paths.join("\n")), Qt::IgnoreAction);
    EXPECT_EQ(drop(find("AirfoilView"), QPoint(400, 150), paths), Qt::IgnoreAction);
    EXPECT_EQ(memoText(), loopExampleText());
}

// A file that cannot be made into a profile shows the import's message and changes nothing.
TEST_F(ImportDrop, RefusedFileShowsItsMessageAndChangesNothing) {
    open();
    const QString refused = corpusFile("no_coordinates.dat");
    QString message;
    try {
        importedText(refused);
    } catch (const RibwrightError& error) {
        message = error.text();
    }
    ASSERT_FALSE(message.isEmpty());

    drop(memo(), QPoint(40, 40), {corpusFile("notes_after.dat")});
    const QString noteBefore = note();
    paste(loopExampleText());
    const QByteArray savedBefore = readBytes(folders.lastDataFile);
    const QImage previewBefore = window->state().previewBitmap;
    desktop.beeps = 0;

    EXPECT_EQ(drop(find("AirfoilView"), QPoint(400, 150), {refused}), Qt::CopyAction);
    EXPECT_EQ(messagesDuringDrop, 0) << "the message waits until the drag is over";
    EXPECT_EQ(desktop.messages, QStringList{message});
    EXPECT_EQ(memoText(), loopExampleText());
    EXPECT_EQ(window->state().airfoil.text, loopExampleText());
    EXPECT_EQ(window->state().airfoil.profile.pointCount(), 11);
    EXPECT_EQ(window->state().previewBitmap, previewBefore);
    EXPECT_EQ(readBytes(folders.lastDataFile), savedBefore);
    EXPECT_EQ(desktop.beeps, 0);
    EXPECT_FALSE(noteBefore.isEmpty());
    EXPECT_TRUE(note().isEmpty()) << "the paste cleared the note, the refusal set none";
}

// The open-file button goes through the shared open dialog; the next use starts in the folder
// of the file last imported, and a cancel changes nothing.
TEST_F(ImportDrop, OpenFileButtonImportsTheChosenFile) {
    open();
    const QString file = corpusFile("headerless.dat");
    desktop.openAnswers.push_back(file);
    click("OpenFileButton");
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_EQ(desktop.dialogs[0].kind, "open");
    EXPECT_TRUE(desktop.dialogs[0].request.filter.contains("*.dat;*.txt"));
    EXPECT_EQ(memoText(), importedText(file));
    EXPECT_EQ(window->state().airfoil.profile.pointCount(), 41);
    EXPECT_TRUE(note().contains("タイトル")) << note().toStdString();

    desktop.openAnswers.push_back(std::nullopt);
    click("OpenFileButton");
    ASSERT_EQ(desktop.dialogs.size(), 2u);
    EXPECT_EQ(QDir(desktop.dialogs[1].request.initialDir), QFileInfo(file).absoluteDir());
    EXPECT_EQ(memoText(), importedText(file));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

}  // namespace
}  // namespace rw::test
