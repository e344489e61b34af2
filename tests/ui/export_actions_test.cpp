// The exports from the settings column through the scripted dialogs: proposed names, folders and
// filters, cancel, the question afterwards, and what a refused or failing redraw does to them.
#include "export/export_texts.h"
#include "sheet/sheet_texts.h"
#include "ui/ui_texts.h"
#include "window_fixture.h"

#include "platform/errors.h"
#include "ui/panel_widget.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

namespace rw::test {
namespace {

const QString kStem = QStringLiteral("NACA 2412_150x100x10");

struct ExportKind {
    const char* button;
    QString extension;
    QString filter;
    QString DataFolders::*folder;
    QString question;
    bool asksBeforeReplacing;  // the workshop files; the older exports replace quietly
};

// Made when asked for: the questions are in the language installed when the tests run.
std::vector<ExportKind> exportKinds() {
    return {
        {"Button9", ".png", "PNG|*.png|JPG|*.jpg", &DataFolders::picturesDir,
         export_texts::openImageQuestion(), false},
        {"Button10", ".csv", "CSV|*.csv", &DataFolders::spreadsheetDir,
         export_texts::openSpreadsheetQuestion(), false},
        {"Button11", ".dxf", "DXF|*.dxf", &DataFolders::dxfDir, export_texts::openDxfQuestion(),
         false},
        // The print's name carries its paper, so prints on two papers live side by side.
        {"PdfButton", "_A4.pdf", "PDF|*.pdf", &DataFolders::pdfDir, export_texts::openPdfQuestion(),
         true},
        {"SvgButton", ".svg", "SVG|*.svg", &DataFolders::svgDir, export_texts::openSvgQuestion(),
         true},
        // Beside the drawing DXF, under a name of its own.
        {"CutDxfButton", "_cut.dxf", "DXF|*.dxf", &DataFolders::dxfDir,
         export_texts::openDxfQuestion(), true},
    };
}

class ExportActions : public WindowTest {};

TEST_F(ExportActions, EachExportProposesItsNameFolderAndFilter) {
    open();
    openSheetView();
    for (const ExportKind& kind : exportKinds()) {
        SCOPED_TRACE(kind.button);
        desktop.dialogs.clear();
        desktop.questions.clear();
        const int beeps = desktop.beeps;
        desktop.saveAnswers.push_back(QString());  // accept the proposed name
        desktop.yesNoAnswers.push_back(false);
        click(kind.button);
        EXPECT_EQ(desktop.beeps, beeps + 1) << "the export redraws first";
        ASSERT_EQ(desktop.dialogs.size(), 1u);
        const FileDialogRequest& request = desktop.dialogs[0].request;
        EXPECT_EQ(desktop.dialogs[0].kind, "save");
        EXPECT_EQ(request.fileName, kStem + kind.extension);
        EXPECT_EQ(request.initialDir, folders.*kind.folder);
        EXPECT_EQ(request.filter, kind.filter);
        EXPECT_EQ(request.confirmOverwrite, kind.asksBeforeReplacing);
        const QString written = QDir(folders.*kind.folder).filePath(kStem + kind.extension);
        EXPECT_GT(QFileInfo(written).size(), 0);
        ASSERT_EQ(desktop.questions.size(), 1);
        // The laser files say first how much stock they take: the default stock holds them all.
        if (kind.extension.endsWith(".svg") || kind.extension.endsWith("_cut.dxf")) {
            const QStringList lines = desktop.questions[0].split('\n');
            ASSERT_EQ(lines.size(), 2);
            EXPECT_TRUE(isStockTally(lines[0], 1)) << lines[0].toStdString();
            EXPECT_EQ(lines[1], kind.question);
        } else {
            EXPECT_EQ(desktop.questions, QStringList{kind.question});
        }
        EXPECT_TRUE(desktop.opened.isEmpty()) << "No opens nothing";
    }
    EXPECT_EQ(window->state().viewMode, rw::ViewMode::RibSheet);
}

TEST_F(ExportActions, CancelWritesNothingAndAsksNothing) {
    open();
    openSheetView();
    for (const ExportKind& kind : exportKinds()) {
        desktop.saveAnswers.push_back(std::nullopt);
        click(kind.button);
        EXPECT_TRUE(QDir(folders.*kind.folder).isEmpty()) << kind.button;
    }
    EXPECT_TRUE(desktop.questions.isEmpty());
}

TEST_F(ExportActions, YesOpensTheWrittenFile) {
    open();
    openSheetView();
    const QString csv = folders.spreadsheetDir + "/ribs.csv";
    desktop.saveAnswers.push_back(csv);
    desktop.yesNoAnswers.push_back(true);
    click("Button10");
    EXPECT_EQ(desktop.opened, QStringList{csv});
    EXPECT_EQ(window->state().lastFiles.at(OutputFormat::Csv), csv);
    EXPECT_TRUE(readBytes(csv).startsWith("NACA 2412"));
    EXPECT_EQ(window->state().viewMode, rw::ViewMode::RibSheet);
}

// After the drawing has been handed to its program the window returns to the airfoil view.
TEST_F(ExportActions, DxfYesReturnsToTheAirfoilView) {
    MainWindow& w = open();
    openSheetView();
    const QString dxf = folders.dxfDir + "/ribs.dxf";
    desktop.saveAnswers.push_back(dxf);
    desktop.yesNoAnswers.push_back(true);
    click("Button11");
    EXPECT_EQ(desktop.opened, QStringList{dxf});
    EXPECT_EQ(w.state().viewMode, rw::ViewMode::Airfoil);
    EXPECT_TRUE(find("Panel1")->isHidden());
    EXPECT_TRUE(waitUntil([&] { return !w.isMaximized(); }));
    EXPECT_TRUE(readBytes(dxf).startsWith("0\r\nSECTION\r\n"));
}

struct ImageName {
    QString name;
    QByteArray signature;  // empty: nothing is written
};

// The extension alone decides the format, whatever its letter case; a name of another kind
// writes nothing, and then nothing is offered to open.
TEST_F(ExportActions, ImageFormatFollowsTheChosenExtension) {
    open();
    openSheetView();
    const QByteArray png("\x89PNG\r\n\x1a\n", 8);
    const QByteArray jpeg("\xff\xd8\xff", 3);
    const std::vector<ImageName> names = {
        {"sheet.png", png}, {"sheet.PNG", png}, {"a.jpg", jpeg},     {"b.JPG", jpeg},
        {"c.Jpg", jpeg},    {"d.jpeg", {}},     {"noextension", {}},
    };
    for (const ImageName& image : names) {
        SCOPED_TRACE(image.name.toStdString());
        const QString path = folders.picturesDir + "/" + image.name;
        desktop.saveAnswers.push_back(path);
        desktop.yesNoAnswers.clear();
        desktop.yesNoAnswers.push_back(true);
        desktop.questions.clear();
        desktop.opened.clear();
        click("Button9");
        if (image.signature.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(path));
            EXPECT_TRUE(desktop.questions.isEmpty());
            EXPECT_TRUE(desktop.opened.isEmpty());
        } else {
            EXPECT_TRUE(readBytes(path).startsWith(image.signature));
            EXPECT_EQ(desktop.questions, QStringList{export_texts::openImageQuestion()});
            EXPECT_EQ(desktop.opened, QStringList{path});
        }
        EXPECT_EQ(window->state().lastFiles.at(OutputFormat::Image), path);
    }
}

// A refused setting shows its message and the export goes on with what the last redraw left.
TEST_F(ExportActions, RefusedSettingDoesNotStopTheExport) {
    open();
    openSheetView();
    find<QLineEdit>("Edit4")->setText("x");
    desktop.messages.clear();
    desktop.saveAnswers.push_back(QString());
    click("Button10");
    EXPECT_EQ(desktop.messages, QStringList{sheet_texts::badSparPosition()});
    EXPECT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(folders.spreadsheetDir + "/" + kStem + ".csv"));
}

TEST_F(ExportActions, RedrawErrorEndsTheExportBeforeItsDialog) {
    open();
    openSheetView();
    find<QComboBox>("ComboBox1")->setEditText("abc");
    // The redraw fails, yet it switched the export buttons back on before reading.
    click("Button8");
    desktop.messages.clear();
    for (const ExportKind& kind : exportKinds()) click(kind.button);
    EXPECT_EQ(desktop.messages,
              QStringList(int(exportKinds().size()), floatConversionErrorText("abc")));
    EXPECT_TRUE(desktop.dialogs.empty());
}

// With no sheet ever drawn there is nothing to save: a message instead of the question.
TEST_F(ExportActions, ImageOfANeverDrawnSheetIsRefusedWithAMessage) {
    open();
    find<QLineEdit>("Edit2")->setText("x");
    paste(loopExampleText());
    click("Button3");
    ASSERT_TRUE(waitUntil([this] { return window->isMaximized(); }));
    ASSERT_TRUE(window->state().sheetBitmap.isNull());
    desktop.messages.clear();
    const QString path = folders.picturesDir + "/never.png";
    desktop.saveAnswers.push_back(path);
    click("Button9");
    ASSERT_EQ(desktop.messages.size(), 2);
    EXPECT_EQ(desktop.messages[0], sheet_texts::badRootChord());
    EXPECT_FALSE(desktop.messages[1].isEmpty());
    EXPECT_TRUE(desktop.questions.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));
}

// The print takes the paper the list shows at the moment of the export.
TEST_F(ExportActions, PrintIsOnThePaperChosenInTheList) {
    open();
    openSheetView();
    auto* paper = find<QComboBox>("PaperList");
    EXPECT_EQ(paper->currentText(), "A4");
    EXPECT_FALSE(paper->isEditable());
    paper->setCurrentText("A3");
    const QString pdf = folders.pdfDir + "/a3.pdf";
    desktop.saveAnswers.push_back(pdf);
    desktop.yesNoAnswers.push_back(true);
    click("PdfButton");
    ASSERT_FALSE(desktop.dialogs.empty());
    EXPECT_EQ(desktop.dialogs.back().request.fileName, kStem + "_A3.pdf");
    EXPECT_EQ(desktop.opened, QStringList{pdf});
    EXPECT_EQ(window->state().lastFiles.at(OutputFormat::Pdf), pdf);
    // A3 is 297 x 420 mm, written as 842 x 1191 points either way round.
    const QByteArray bytes = readBytes(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 842.000000 1191.000000]") ||
                bytes.contains("/MediaBox [0 0 1191.000000 842.000000]"));
}

// Ribs that do not fit one laser bed go into numbered files beside the chosen one.
TEST_F(ExportActions, LaserFilesBeyondOneStockSheetAreNumbered) {
    open();
    openSheetView();
    find<QLineEdit>("Edit2")->setText("280");
    find<QLineEdit>("Edit3")->setText("250");
    find<QComboBox>("ComboBox2")->setEditText("16");
    click("Button8");
    const QString svg = folders.svgDir + "/wing.svg";
    const QString dxf = folders.dxfDir + "/wing.dxf";
    desktop.saveAnswers.push_back(svg);
    desktop.saveAnswers.push_back(dxf);
    desktop.yesNoAnswers.push_back(false);
    desktop.yesNoAnswers.push_back(false);
    click("SvgButton");
    click("CutDxfButton");
    for (const QString& path : {folders.svgDir + "/wing-2.svg", folders.dxfDir + "/wing-2.dxf"})
        EXPECT_GT(QFileInfo(path).size(), 0) << path.toStdString();
    EXPECT_TRUE(readBytes(svg).contains("<svg"));
    EXPECT_TRUE(readBytes(dxf).contains("$INSUNITS"));
    EXPECT_EQ(window->state().viewMode, rw::ViewMode::RibSheet) << "the cut DXF stays in the view";
}

// The stock field shapes the laser files; a stock that does not read stops the export before its
// dialog, with a message quoting it.
TEST_F(ExportActions, LaserFilesUseTheStockOfTheField) {
    open();
    openSheetView();
    auto* stock = find<QLineEdit>("StockEdit");
    EXPECT_EQ(stock->text(), "600x300");
    stock->setText("170x40");
    const QString svg = folders.svgDir + "/small.svg";
    desktop.saveAnswers.push_back(svg);
    desktop.yesNoAnswers.push_back(false);
    click("SvgButton");
    // Ten ribs of up to 150 mm, about 20 mm high each, take several 170 x 40 sheets.
    EXPECT_TRUE(QFileInfo::exists(folders.svgDir + "/small-3.svg"));
    EXPECT_TRUE(readBytes(svg).contains("width=\"170mm\""));

    // The same file on one large sheet: the further sheets of the earlier export hold ribs this
    // one does not, so they go, and the user is told.
    stock->setText("600x300");
    desktop.saveAnswers.push_back(svg);
    desktop.yesNoAnswers.push_back(false);
    desktop.messages.clear();
    click("SvgButton");
    EXPECT_FALSE(QFileInfo::exists(folders.svgDir + "/small-2.svg"));
    EXPECT_FALSE(QFileInfo::exists(folders.svgDir + "/small-3.svg"));
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].contains("small-3.svg"));

    stock->setText("wide");
    desktop.dialogs.clear();
    desktop.messages.clear();
    click("SvgButton");
    EXPECT_TRUE(desktop.dialogs.empty());
    EXPECT_EQ(desktop.messages, QStringList{ui_texts::badStockSize("wide")});
}

// The proposed name repeats the fields as typed.
TEST_F(ExportActions, ProposedNameRepeatsTheTypedChords) {
    open();
    openSheetView();
    find<QLineEdit>("Edit2")->setText(" 200.0 ");
    find<QLineEdit>("Edit3")->setText("120");
    find<QComboBox>("ComboBox2")->setEditText("08");
    click("Button8");
    click("Button10");
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_EQ(desktop.dialogs[0].request.fileName, "NACA 2412_200.0x120x8.csv");
}

}  // namespace
}  // namespace rw::test
