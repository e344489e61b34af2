#include "cli/cli_texts.h"

#include <QCoreApplication>

namespace rw::cli_texts {

QString wideEncodingRefused(const QString& encoding, const QString& path) {
    //: %1 names the encoding, e.g. UTF-16 LE; %2 is the file's path.
    return QCoreApplication::translate("rw::cli_texts",
                                       "%1 のテキストは読めません。UTF-8 などの 8 ビットの文字"
                                       "コードで保存し直してください\n%2")
        .arg(encoding, path);
}

QString outputFolderNotCreated(const QString& folder) {
    return QCoreApplication::translate("rw::cli_texts", "出力フォルダを作成できません: %1")
        .arg(folder);
}

QString earlierFileWrote(const QString& name) {
    //: %1 is a file-name stem or a path.
    return QCoreApplication::translate("rw::cli_texts",
                                       "前の翼型ファイルが同じ名前のファイルを書き出しています: %1")
        .arg(name);
}

QString sameFileTwice(const QString& path) {
    return QCoreApplication::translate("rw::cli_texts",
                                       "ribwright-cli: two outputs would write the same file: %1")
        .arg(path);
}

QString outputIsInput(const QString& output, const QString& input) {
    return QCoreApplication::translate(
               "rw::cli_texts", "ribwright-cli: the output %1 would write over the airfoil file %2")
        .arg(output, input);
}

QString titleCut(int length) {
    return QCoreApplication::translate(
               "rw::cli_texts",
               "翼型名が長すぎるため、シートとファイル名には先頭の %1 文字を使います")
        .arg(length);
}

QString staleSheetRemoved(const QString& path) {
    return QCoreApplication::translate("rw::cli_texts",
                                       "今回の出力にない古いシートのファイルを削除しました: %1")
        .arg(path);
}

QString writtenBeforeFailure() {
    return QCoreApplication::translate("rw::cli_texts", "エラーの前に書き込まれたファイル:");
}

QString standardOutputName() {
    return QCoreApplication::translate("rw::cli_texts", "標準出力 (stdout)");
}

QString usageHint() {
    return QCoreApplication::translate("rw::cli_texts",
                                       "See ribwright-cli --help for the options.");
}

QString applicationDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Writes the rib files of an airfoil: the CSV coordinates, the DXF drawing and the sheet "
        "image, exactly as the Ribwright window writes them.");
}

QString airfoilFileDescription() {
    return QCoreApplication::translate("rw::cli_texts",
                                       "airfoil coordinate file (loop or two-surface), tidied as "
                                       "it is imported; several files with --out-dir");
}

QString rootChordDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Root chord in mm (text as typed).");
}

QString tipChordDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Tip chord in mm.");
}

QString ribsDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Number of ribs including the tip rib.");
}

QString noTaperDescription() {
    return QCoreApplication::translate("rw::cli_texts", "A single rib (no taper).");
}

QString skinDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Skin thickness in mm.");
}

QString sparDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Spar position in % of chord.");
}

QString rootThicknessDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Root thickness change in %.");
}

QString tipThicknessDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Tip thickness change in %.");
}

QString pointsDescription() {
    return QCoreApplication::translate("rw::cli_texts",
                                       "Data point marks on the sheet and in the DXF.");
}

QString noSparLineDescription() {
    return QCoreApplication::translate("rw::cli_texts", "No spar line or rib number on the sheet.");
}

QString noGridDescription() {
    return QCoreApplication::translate("rw::cli_texts", "No grid on the sheet.");
}

QString sheetDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Sheet image size in pixels.");
}

QString outDirDescription() {
    return QCoreApplication::translate("rw::cli_texts",
                                       "Write all three files with the proposed name.");
}

QString nameDescription() {
    return QCoreApplication::translate("rw::cli_texts",
                                       "Print the proposed file-name stem and nothing else.");
}

QString paperDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Paper of the PDF: A4, A3 or Letter.");
}

QString stockDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Stock sheet of the laser files in mm.");
}

QString kerfDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Width the laser burns away, 0 to 2 mm: the laser files cut half of it outside each "
        "part, so the parts come out at their drawn size.");
}

QString sidesDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Ribs for both wings, the left or the right one, labelled R3, L3 (default: one set "
        "numbered as the series).");
}

QString copiesDescription() {
    return QCoreApplication::translate("rw::cli_texts",
                                       "Sets of ribs on the stock, 1 to 50 (default 1).");
}

QString gapDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Gap between parts and from the stock's edge in mm, at least the kerf (default 5).");
}

QString nestDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Nest the ribs on the stock instead of rows: bottom-left, every other rib turned half "
        "round; the stock used is told on stderr.");
}

QString allDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts", "With --out-dir, also write STEM.pdf, STEM.svg and STEM_cut.dxf.");
}

QString langDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Language of the messages and this help: en or ja (also RIBWRIGHT_LANG); files do not "
        "change with it.");
}

QString spanDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Half-span of the wing panel in mm: the ribs then stand at stations along it.");
}

QString planformDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Planform: straight (root to tip chord, swept by --sweep), elliptical (the quarter-chord "
        "line straight, then swept), or a CSV table of sections (see the help page).");
}

QString sweepDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts", "How far the tip's leading edge lies behind the root's, in mm.");
}

QString minTipChordDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts", "Least chord of an elliptical tip in mm, so the tip rib can be cut.");
}

QString stationsDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Where the ribs stand: N evenly from root to tip, every:MM (the tip rib always there), "
        "or a list of positions in mm such as 0,120,260,400.");
}

QString tipAirfoilDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Airfoil file of the tip: each rib's section is blended from the root airfoil by its "
        "place along the span.");
}

QString planDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "End the PDF with the building plan: the panel from above at 1:1, edges, rib stations "
        "and spars (needs --span or a planform table).");
}

QString asPastedDescription() {
    return QCoreApplication::translate(
        "rw::cli_texts",
        "Read the file exactly as the window's paste would, without import tidying.");
}

QString helpDescription() {
    return QCoreApplication::translate("rw::cli_texts", "Displays this help.");
}

QString airfoilFileNeeded() {
    return QCoreApplication::translate("rw::cli_texts", "an AIRFOIL_FILE is needed");
}

QString allNeedsOutDir() {
    return QCoreApplication::translate("rw::cli_texts", "--all needs --out-dir");
}

QString qtOptionRefused(const QString& option) {
    return QCoreApplication::translate(
               "rw::cli_texts",
               "%1 is a Qt option; ribwright-cli always draws off screen and takes none of Qt's "
               "options")
        .arg(option);
}

QString severalFilesNeedOutDir(const QString& pathOptions) {
    //: %1 lists the options that name an output file, e.g. "--csv, --dxf".
    return QCoreApplication::translate("rw::cli_texts",
                                       "several AIRFOIL_FILEs need --out-dir, without %1")
        .arg(pathOptions);
}

QString badSheetSize(int maxSide, const QString& typed) {
    return QCoreApplication::translate(
               "rw::cli_texts",
               "--sheet takes WIDTHxHEIGHT in pixels, each from 1 to %1, such as 1600x1000: %2")
        .arg(QString::number(maxSide), typed);
}

QString imageNeedsExtension(const QString& path) {
    return QCoreApplication::translate("rw::cli_texts", "--image must end in .png or .jpg: %1")
        .arg(path);
}

QString badPaper(const QString& typed) {
    return QCoreApplication::translate("rw::cli_texts", "--paper takes A4, A3 or Letter: %1")
        .arg(typed);
}

QString badStock(const QString& typed) {
    return QCoreApplication::translate("rw::cli_texts",
                                       "--stock takes WIDTHxHEIGHT in millimetres, each from 1 to "
                                       "10000, such as 600x300: %1")
        .arg(typed);
}

QString badKerf(const QString& typed) {
    return QCoreApplication::translate("rw::cli_texts",
                                       "--kerf takes millimetres from 0 to 2, such as 0.2: %1")
        .arg(typed);
}

QString badSides(const QString& typed) {
    return QCoreApplication::translate("rw::cli_texts", "--sides takes both, left or right: %1")
        .arg(typed);
}

QString badCopies(const QString& typed) {
    return QCoreApplication::translate("rw::cli_texts",
                                       "--copies takes a whole number from 1 to 50: %1")
        .arg(typed);
}

QString badGap(const QString& typed) {
    return QCoreApplication::translate("rw::cli_texts",
                                       "--gap takes millimetres from 0 to 100, such as 5: %1")
        .arg(typed);
}

QString gapBelowKerf(const QString& gap, const QString& kerf) {
    return QCoreApplication::translate(
               "rw::cli_texts",
               "--gap %1 is narrower than --kerf %2: the cuts of neighbouring parts would run "
               "together")
        .arg(gap, kerf);
}

QString nothingToWrite(const QString& pathOptions) {
    //: %1 lists the options that name an output file, e.g. "--csv, --dxf".
    return QCoreApplication::translate("rw::cli_texts",
                                       "nothing to write: give %1, --out-dir or --name")
        .arg(pathOptions);
}

}  // namespace rw::cli_texts
