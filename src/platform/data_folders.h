#pragma once

#include <QString>

namespace rw {

// The folders beside the executable that every file action of the program uses. They are fixed
// once when the window is created and never created by the program: the build and the installer
// lay the data folder beside the executable.
struct DataFolders {
    QString exeDir;  // ends with the separator
    QString dataDir;
    QString winglistDir;
    QString spreadsheetDir;
    QString dxfDir;
    QString picturesDir;
    QString pdfDir;  // true-scale prints
    QString svgDir;  // laser files
    QString helpDir;
    QString helpFile;  // the page of the active interface language
    QString lastDataFile;
};

// Builds the folders from the executable's folder (with or without a final separator) by plain
// concatenation with the platform's separator, so unusual characters pass through unchanged.
DataFolders dataFoldersFromExeDir(const QString& exeDir);

// The folders of the running executable.
DataFolders dataFoldersOfRunningExecutable();

}  // namespace rw
