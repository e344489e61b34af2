// The data folders beside the executable: names, letter case and plain concatenation.
#include "platform/data_folders.h"
#include "platform/ui_language.h"

#include <QDir>

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(DataFolders, MembersAreBuiltFromTheExecutableFolder) {
    const QString s = QDir::separator();
    const DataFolders f = dataFoldersFromExeDir("/opt/rib" + s);
    EXPECT_EQ(f.exeDir, "/opt/rib" + s);
    EXPECT_EQ(f.dataDir, "/opt/rib" + s + "data");
    EXPECT_EQ(f.winglistDir, f.dataDir + s + "winglist");
    EXPECT_EQ(f.spreadsheetDir, f.dataDir + s + "SPREADSHEET");
    EXPECT_EQ(f.dxfDir, f.dataDir + s + "dxf");
    EXPECT_EQ(f.picturesDir, f.dataDir + s + "pictures");
    EXPECT_EQ(f.pdfDir, f.dataDir + s + "pdf");
    EXPECT_EQ(f.svgDir, f.dataDir + s + "svg");
    EXPECT_EQ(f.helpDir, f.dataDir + s + "help");
    // The help page is the one of the language the window runs in.
    EXPECT_EQ(f.helpFile, f.helpDir + s +
                              (activeUiLanguage() == UiLanguage::English ? "HELP_ribwright_en.html"
                                                                         : "HELP_ribwright.html"));
    EXPECT_EQ(f.lastDataFile, f.dataDir + s + "lastdata.txt");
}

TEST(DataFolders, FolderWithoutFinalSeparatorGetsOne) {
    EXPECT_EQ(dataFoldersFromExeDir("/opt/rib").dataDir,
              dataFoldersFromExeDir("/opt/rib/").dataDir);
}

TEST(DataFolders, SpacesAndNonAsciiPassThroughUnchanged) {
    const DataFolders f = dataFoldersFromExeDir("/home/翼 作り/bin");
    EXPECT_TRUE(f.lastDataFile.startsWith("/home/翼 作り/bin"));
    EXPECT_TRUE(f.lastDataFile.endsWith("lastdata.txt"));
}

// The running executable's folder: the build lays the data folder beside it.
TEST(DataFolders, RunningExecutableHasItsDataFolderBesideIt) {
    const DataFolders f = dataFoldersOfRunningExecutable();
    EXPECT_TRUE(QDir(QDir::fromNativeSeparators(f.exeDir)) ==
                QDir(QStringLiteral(RIBWRIGHT_BIN_DIR)));
    EXPECT_TRUE(QDir(QDir::fromNativeSeparators(f.winglistDir)).exists());
}

}  // namespace
}  // namespace rw
