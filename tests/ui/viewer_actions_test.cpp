// The viewers of saved files, the help panels and the database page.
#include "ui/ui_texts.h"
#include "window_fixture.h"

namespace rw::test {
namespace {

struct Viewer {
    const char* button;
    QString DataFolders::*folder;
    QString filter;
    OutputFormat format;
};

class ViewerActions : public WindowTest {};

TEST_F(ViewerActions, EachViewerOpensTheChosenFileFromItsFolder) {
    open();
    const std::vector<Viewer> viewers = {
        {"Button12", &DataFolders::picturesDir, "ALL|*.*|PNG|*.png|JPG|*.jpg", OutputFormat::Image},
        {"Button13", &DataFolders::spreadsheetDir, "ALL|*.*", OutputFormat::Csv},
        {"Button14", &DataFolders::dxfDir, "ALL|*.*", OutputFormat::Dxf},
    };
    for (const Viewer& viewer : viewers) {
        SCOPED_TRACE(viewer.button);
        desktop.dialogs.clear();
        desktop.opened.clear();
        const QString chosen = folders.*viewer.folder + "/saved-" + viewer.button;
        desktop.openAnswers.push_back(chosen);
        click(viewer.button);
        ASSERT_EQ(desktop.dialogs.size(), 1u);
        EXPECT_EQ(desktop.dialogs[0].kind, "open");
        EXPECT_EQ(desktop.dialogs[0].request.initialDir, folders.*viewer.folder);
        EXPECT_EQ(desktop.dialogs[0].request.filter, viewer.filter);
        EXPECT_TRUE(desktop.dialogs[0].request.fileName.isEmpty()) << "the dialog keeps its own";
        EXPECT_EQ(desktop.opened, QStringList{chosen});
        EXPECT_EQ(window->state().lastFiles.at(viewer.format), chosen);

        desktop.openAnswers.push_back(std::nullopt);
        click(viewer.button);
        EXPECT_EQ(desktop.opened.size(), 1) << "a cancelled dialog opens nothing";
        EXPECT_EQ(window->state().lastFiles.at(viewer.format), chosen);
    }
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(ViewerActions, HelpPanelsOpenTheHelpPageOrSayItIsMissing) {
    open();
    writeBytes(folders.helpFile, "<html></html>");
    openSheetView();
    QTest::mouseClick(find("Panel9"), Qt::LeftButton);
    EXPECT_EQ(desktop.opened, QStringList{folders.helpFile});
    EXPECT_TRUE(desktop.messages.isEmpty());

    // Without the page a click is not silently lost: the message names the missing file.
    QFile::remove(folders.helpFile);
    desktop.opened.clear();
    QTest::mouseClick(find("Panel9"), Qt::LeftButton);
    EXPECT_TRUE(desktop.opened.isEmpty());
    EXPECT_EQ(desktop.messages,
              QStringList{ui_texts::helpFileMissing(QDir::toNativeSeparators(folders.helpFile))});
}

TEST_F(ViewerActions, AirfoilViewHelpPanelOpensTheHelpPage) {
    open();
    writeBytes(folders.helpFile, "<html></html>");
    QTest::mouseClick(find("Panel7"), Qt::LeftButton);
    EXPECT_EQ(desktop.opened, QStringList{folders.helpFile});
}

TEST_F(ViewerActions, DatabaseButtonOpensTheCoordinateDatabasePage) {
    open();
    click("Button2");
    ASSERT_EQ(desktop.opened.size(), 1);
    const QUrl page(desktop.opened[0]);
    EXPECT_EQ(page.scheme(), "https");
    EXPECT_EQ(page.path(), "/ads/coord_database.html");
}

// Without a program to open with, the help and the database page name what to open by hand.
TEST_F(ViewerActions, NoLauncherTellsWhatToOpenByHand) {
    open();
    writeBytes(folders.helpFile, "<html></html>");
    desktop.hasLauncher = false;
    QTest::mouseClick(find("Panel7"), Qt::LeftButton);
    click("Button2");
    ASSERT_EQ(desktop.opened.size(), 2);
    EXPECT_EQ(desktop.messages,
              QStringList({ui_texts::noLauncher(QDir::toNativeSeparators(folders.helpFile)),
                           ui_texts::noLauncher(desktop.opened[1])}));
    EXPECT_TRUE(desktop.messages[1].contains("https://"));
}

}  // namespace
}  // namespace rw::test
