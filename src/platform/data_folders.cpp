#include "platform/data_folders.h"

#include "platform/ui_language.h"

#include <QCoreApplication>
#include <QDir>

namespace rw {

DataFolders dataFoldersFromExeDir(const QString& exeDir) {
    const QString sep = QDir::separator();
    DataFolders f;
    f.exeDir = exeDir;
    if (!f.exeDir.endsWith(sep) && !f.exeDir.endsWith(QLatin1Char('/')))
        f.exeDir += sep;
    f.dataDir = f.exeDir + QStringLiteral("data");
    f.winglistDir = f.dataDir + sep + QStringLiteral("winglist");
    f.spreadsheetDir = f.dataDir + sep + QStringLiteral("SPREADSHEET");
    f.dxfDir = f.dataDir + sep + QStringLiteral("dxf");
    f.picturesDir = f.dataDir + sep + QStringLiteral("pictures");
    f.pdfDir = f.dataDir + sep + QStringLiteral("pdf");
    f.svgDir = f.dataDir + sep + QStringLiteral("svg");
    f.helpDir = f.dataDir + sep + QStringLiteral("help");
    // The help page is read in the language of the rest of the window.
    f.helpFile =
        f.helpDir + sep +
        (activeUiLanguage() == UiLanguage::English ? QStringLiteral("HELP_ribwright_en.html")
                                                   : QStringLiteral("HELP_ribwright.html"));
    f.lastDataFile = f.dataDir + sep + QStringLiteral("lastdata.txt");
    return f;
}

DataFolders dataFoldersOfRunningExecutable() {
    return dataFoldersFromExeDir(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

}  // namespace rw
