// Airfoil files dropped anywhere on the airfoil view are tidied by the import and go through the
// text box like any other text. (The open-file button is driven through the real dialog in e2e.)
#include "airfoil/airfoil_texts.h"
#include "window_fixture.h"

#include "ui/ui_texts.h"

#include "airfoil/airfoil_import.h"

#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <QWindow>

#include <tuple>

namespace rw::test {
namespace {

QString corpusFile(const char* name) {
    return QStringLiteral(RIBWRIGHT_TEST_DATA "/import/") + QLatin1String(name);
}

class ImportDrop : public WindowTest {
  protected:
    QString memoText() {
        return find<QPlainTextEdit>("Memo1")->toPlainText().replace("\n", "\r\n");
    }
    QString note() { return find<QLabel>("ImportNote")->text(); }

    // Drops `paths` at `where` on `control` as a file manager offers them (move proposed, copy
    // allowed). The events go to the window, which picks the widget under the point as it does
    // for a real drag. Returns the action taken and the messages shown before the drop returned.
    std::pair<Qt::DropAction, qsizetype> drop(const char* control, QPoint where,
                                              const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        data.setText(paths.join('\n'));
        QWindow* target = window->windowHandle();
        const QPoint at = find(control)->mapTo(window.get(), where);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent dropped(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        dropped.setDropAction(Qt::MoveAction);
        QCoreApplication::sendEvent(target, &enter);
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(target,
                                    enter.isAccepted() ? static_cast<QEvent*>(&dropped) : &leave);
        const qsizetype messagesDuringDrop = desktop.messages.size();
        settle();
        return {dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction, messagesDuringDrop};
    }
};

// On the text box, the preview, the title strip or a button the first airfoil file of the drag
// is imported and the chain runs on the tidied text; the file is copied, never moved away.
TEST_F(ImportDrop, FirstAirfoilFileIsImportedWhereverItLands) {
    open();
    const std::tuple<const char*, QPoint, const char*> drops[] = {
        {"Memo1", {40, 40}, "notes_after.dat"},
        {"AirfoilView", {400, 150}, "second_title.dat"},
        {"Panel3", {300, 15}, "short_lines.dat"},
        {"Button3", {9, 9}, "headerless.dat"}};
    for (const auto& [place, where, file] : drops) {
        SCOPED_TRACE(place);
        paste(loopExampleText());
        const QImage previewBefore = window->state().previewBitmap;
        const AirfoilImport imported = importAirfoilPath(corpusFile(file), QLatin1Char('.'));
        ASSERT_FALSE(imported.changes.isEmpty()) << "the corpus file needs tidying";

        const QStringList paths = {"/tmp/photo.png", corpusFile(file), corpusFile("reversed.dat")};
        EXPECT_EQ(drop(place, where, paths).first, Qt::CopyAction);
        EXPECT_EQ(memoText(), imported.text);
        EXPECT_NE(window->state().previewBitmap, previewBefore);
        EXPECT_EQ(readBytes(folders.lastDataFile), imported.text.toUtf8());
        // The note names the file and lists every change the import made.
        EXPECT_EQ(note(), ui_texts::importNote(file, imported.changes));
    }
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join("|").toStdString();
    QTest::keyClicks(find("Memo1"), " ");
    EXPECT_TRUE(note().isEmpty()) << "the note no longer describes an edited text";
}

// Other files are not taken, not even by the text box as their paths. A file the import refuses
// shows its message once the drag is over, and changes nothing.
TEST_F(ImportDrop, OtherAndRefusedFilesChangeNothing) {
    open();
    paste(loopExampleText());
    const QByteArray savedBefore = readBytes(folders.lastDataFile);
    const QImage previewBefore = window->state().previewBitmap;
    EXPECT_EQ(drop("Memo1", {40, 40}, {"/tmp/photo.png"}).first, Qt::IgnoreAction);
    EXPECT_EQ(drop("AirfoilView", {400, 150}, {"/tmp/a.csv"}).first, Qt::IgnoreAction);

    // Too few points and an outline that is no airfoil are refused like a line that is no
    // coordinate: the text, the preview and the last-run file stay.
    const std::pair<const char*, QString> refusals[] = {
        {"text_between_surfaces.dat", airfoil_texts::notACoordinateLine(24, "Lower surface")},
        {"few_points.dat", airfoil_texts::tooFewPoints()},
        {"zero_area.dat", airfoil_texts::outlineHasNoArea()}};
    for (const auto& [file, message] : refusals) {
        SCOPED_TRACE(file);
        desktop.messages.clear();
        EXPECT_EQ(drop("Memo1", {40, 40}, {corpusFile(file)}),
                  std::make_pair(Qt::CopyAction, qsizetype(0)));
        EXPECT_EQ(desktop.messages, QStringList{message});
        EXPECT_EQ(memoText(), loopExampleText());
        EXPECT_EQ(window->state().previewBitmap, previewBefore);
        EXPECT_EQ(readBytes(folders.lastDataFile), savedBefore);
        EXPECT_TRUE(note().isEmpty());
    }
}

}  // namespace
}  // namespace rw::test
