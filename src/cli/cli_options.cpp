#include "cli/cli_options.h"

#include "export/image_format.h"
#include "geometry/rib_feature_options.h"
#include "panel/control_table.h"
#include "platform/errors.h"
#include "platform/text_trim.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace rw::cli {
namespace {

constexpr int kUsageError = 1;
// Sheets beyond this many pixels a side are not a drawing anybody cuts from.
constexpr int kMaxSheetSide = 20000;

// Every word of a usage message is cut to a readable length: the parser quotes unknown options
// and bad values whole.
QString shortenedWords(const QString& message) {
    static const QRegularExpression word(QStringLiteral("\\S{41,}"));
    QString result;
    qsizetype from = 0;
    for (auto it = word.globalMatch(message); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += QStringView(message).mid(from, match.capturedStart() - from);
        result += shortenedToken(match.captured());
        from = match.capturedEnd();
    }
    result += QStringView(message).mid(from);
    return result;
}

CliParseResult usageError(const QString& message, const QString& help) {
    CliParseResult result;
    result.exitCode = kUsageError;
    result.isError = true;
    result.output = QStringLiteral("ribwright-cli: %1\n\n%2").arg(shortenedWords(message), help);
    return result;
}

std::optional<QSize> parseSheetSize(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < 1 || size.height() < 1 || size.width() > kMaxSheetSide ||
        size.height() > kMaxSheetSide) {
        return std::nullopt;
    }
    return size;
}

// The toolkit's own options. The exporter hands none of them to the toolkit (it always draws off
// screen), so they are refused by name rather than read as a row of unknown one-letter options.
bool isToolkitOption(const QString& argument) {
    static const QRegularExpression pattern(QStringLiteral(
        "^--?(platform|platformpluginpath|platformtheme|plugin|display|geometry|qwindowgeometry|"
        "qwindowicon|qwindowtitle|reverse|session|title|visual|qmljsdebugger)(=.*)?$"));
    return pattern.match(argument).hasMatch();
}

// Stock sheets are given in millimetres; beyond ten metres a side is no laser bed.
std::optional<QSizeF> parseStockSize(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,5}(?:\\.\\d+)?)x(\\d{1,5}(?:\\.\\d+)?)$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSizeF size(match.captured(1).toDouble(), match.captured(2).toDouble());
    if (size.width() < 1 || size.height() < 1 || size.width() > 10000 || size.height() > 10000)
        return std::nullopt;
    return size;
}

// The rib features. Their texts are read with '.' whatever the locale (see
// rib_feature_options.h), so a command means the same on every machine.
struct FeatureOptions {
    QCommandLineOption sparNotch{"spar-notch",
                                 "Spar notch POS:WIDTHxDEPTH[:top|bottom|both], square to the "
                                 "chord: POS in % of the chord (45mm: from the leading edge), "
                                 "WIDTH and DEPTH in mm, top by default. Repeatable.",
                                 "NOTCH"};
    QCommandLineOption upperSkin{"upper-skin", "Sheeting of the upper surface in mm (--skin).",
                                 "MM"};
    QCommandLineOption lowerSkin{"lower-skin", "Sheeting of the lower surface in mm (--skin).",
                                 "MM"};
    QCommandLineOption trailingEdge{"te-stock",
                                    "Trailing-edge stock: the rib ends MM ahead of the trailing "
                                    "edge (LENGTHxHEIGHT: a slot).",
                                    "MM"};
    QCommandLineOption holes{"holes",
                             "Lightening holes between the spars: diameter in % of the rib "
                             "height, web in mm.",
                             "PCT:WEB_MM"};
};

// The rib features as the options give them. Throws RibwrightError naming the option whose text
// does not parse.
RibFeatures readFeatureOptions(const QCommandLineParser& parser, const FeatureOptions& f) {
    RibFeatures features;
    for (const QString& text : parser.values(f.sparNotch))
        features.sparNotches.push_back(parseSparNotchOption(text));
    if (parser.isSet(f.upperSkin))
        features.upperSkin =
            parseSkinOption(QStringLiteral("--upper-skin"), parser.value(f.upperSkin));
    if (parser.isSet(f.lowerSkin))
        features.lowerSkin =
            parseSkinOption(QStringLiteral("--lower-skin"), parser.value(f.lowerSkin));
    if (parser.isSet(f.trailingEdge))
        features.trailingEdge = parseTrailingEdgeStockOption(parser.value(f.trailingEdge));
    if (parser.isSet(f.holes))
        features.holes = parseHolesOption(parser.value(f.holes));
    return features;
}

}  // namespace

CliParseResult parseCliArguments(const QStringList& arguments, QChar decimalSeparator) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the rib files of an airfoil: the CSV coordinates, the DXF drawing and the sheet "
        "image, exactly as the Ribwright window writes them."));
    parser.addPositionalArgument(
        QStringLiteral("AIRFOIL_FILE"),
        QStringLiteral("airfoil coordinate file (loop or two-surface), tidied as it is imported; "
                       "several files with --out-dir"),
        QStringLiteral("AIRFOIL_FILE..."));
    // The window's initial settings are the defaults.
    const RibSettings defaults = defaultRibSettings(decimalSeparator);
    const QCommandLineOption rootChord("root-chord", "Root chord in mm (text as typed).", "TEXT",
                                       defaults.rootChordText);
    const QCommandLineOption tipChord("tip-chord", "Tip chord in mm.", "TEXT",
                                      defaults.tipChordText);
    const QCommandLineOption ribs("ribs", "Number of ribs including the tip rib.", "TEXT",
                                  defaults.ribCountText);
    const QCommandLineOption noTaper("no-taper", "A single rib (no taper).");
    const QCommandLineOption skin("skin", "Skin thickness in mm.", "TEXT",
                                  defaults.skinThicknessText);
    const QCommandLineOption spar("spar", "Spar position in % of chord.", "TEXT",
                                  defaults.sparPercentText);
    const QCommandLineOption rootThickness("root-thickness", "Root thickness change in %.", "TEXT");
    const QCommandLineOption tipThickness("tip-thickness", "Tip thickness change in %.", "TEXT");
    const QCommandLineOption points("points", "Data point marks on the sheet and in the DXF.");
    const QCommandLineOption noSparLine("no-spar-line", "No spar line or rib number on the sheet.");
    const QCommandLineOption noGrid("no-grid", "No grid on the sheet.");
    const QCommandLineOption sheet("sheet", "Sheet image size in pixels.", "WIDTHxHEIGHT",
                                   "1600x1000");
    const QCommandLineOption csv("csv", "Write the CSV file.", "PATH");
    const QCommandLineOption dxf("dxf", "Write the DXF file.", "PATH");
    const QCommandLineOption image("image", "Write the sheet image (.png or .jpg).", "PATH");
    const QCommandLineOption outDir("out-dir", "Write all three files with the proposed name.",
                                    "DIR");
    const QCommandLineOption name("name", "Print the proposed file-name stem and nothing else.");
    const QCommandLineOption pdf("pdf", "Write the true-scale PDF to print at 100 %.", "PATH");
    const QCommandLineOption paper("paper", "Paper of the PDF: A4, A3 or Letter.", "SIZE",
                                   paperSizeName(PaperSize::A4));
    const QCommandLineOption svg(
        "svg", "Write the laser SVG; ribs beyond one stock sheet go to PATH-2, PATH-3, ...",
        "PATH");
    const QCommandLineOption cutDxf("cut-dxf", "Write the cut DXF (mm, layers CUT and MARK).",
                                    "PATH");
    const QCommandLineOption stock("stock", "Stock sheet of the laser files in mm.", "WxH",
                                   QStringLiteral("600x300"));
    const QCommandLineOption all("all",
                                 "With --out-dir, also write STEM.pdf, STEM.svg and STEM_cut.dxf.");
    const QCommandLineOption asPasted(
        "as-pasted", "Read the file exactly as the window's paste would, without import tidying.");
    parser.addOptions({rootChord,     tipChord,     ribs,   noTaper,    skin,   spar,
                       rootThickness, tipThickness, points, noSparLine, noGrid, sheet,
                       csv,           dxf,          image,  outDir,     name,   pdf,
                       paper,         svg,          cutDxf, stock,      all,    asPasted});
    const FeatureOptions featureOptions;
    parser.addOptions({featureOptions.sparNotch, featureOptions.upperSkin, featureOptions.lowerSkin,
                       featureOptions.trailingEdge, featureOptions.holes});
    // Not the parser's own help option: that one also offers --help-all for the toolkit's
    // options, which the exporter does not take.
    const QCommandLineOption help({"h", "help"}, "Displays this help.");
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();

    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (isToolkitOption(argument)) {
            return usageError(QStringLiteral("%1 is a Qt option; ribwright-cli always draws off "
                                             "screen and takes none of Qt's options")
                                  .arg(argument.section(QLatin1Char('='), 0, 0)),
                              parser.helpText());
        }
    }
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), parser.helpText());
    if (parser.isSet(help))
        return {std::nullopt, 0, parser.helpText(), false};
    if (parser.isSet(version)) {
        return {std::nullopt, 0, QStringLiteral("ribwright-cli " RIBWRIGHT_VERSION "\n"), false};
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QStringLiteral("an AIRFOIL_FILE is needed"), parser.helpText());
    // Each file of a batch needs files of its own, which only the proposed names give.
    if (positional.size() > 1 &&
        (!parser.isSet(outDir) || parser.isSet(csv) || parser.isSet(dxf) || parser.isSet(image) ||
         parser.isSet(pdf) || parser.isSet(svg) || parser.isSet(cutDxf))) {
        return usageError(QStringLiteral("several AIRFOIL_FILEs need --out-dir, without --csv, "
                                         "--dxf, --image, --pdf, --svg or --cut-dxf"),
                          parser.helpText());
    }

    CliOptions o;
    o.airfoilFiles = positional;
    o.asPasted = parser.isSet(asPasted);
    o.panel = defaults;
    RibSettings& p = o.panel;
    p.rootChordText = parser.value(rootChord);
    p.tipChordText = parser.value(tipChord);
    p.ribCountText = parser.value(ribs);
    p.taperOn = !parser.isSet(noTaper);
    p.skinThicknessText = parser.value(skin);
    p.sparPercentText = parser.value(spar);
    p.rootThicknessOn = parser.isSet(rootThickness);
    if (p.rootThicknessOn)
        p.rootThicknessText = parser.value(rootThickness);
    p.tipThicknessOn = parser.isSet(tipThickness);
    if (p.tipThicknessOn)
        p.tipThicknessText = parser.value(tipThickness);
    p.showSheetPoints = parser.isSet(points);
    p.showSparLine = !parser.isSet(noSparLine);
    p.showGrid = !parser.isSet(noGrid);
    try {
        p.features = readFeatureOptions(parser, featureOptions);
    } catch (const RibwrightError& e) {
        return usageError(e.text(), parser.helpText());
    }

    const auto size = parseSheetSize(parser.value(sheet));
    if (!size) {
        return usageError(QStringLiteral("--sheet takes WIDTHxHEIGHT in pixels, each from 1 to "
                                         "%1, such as 1600x1000: %2")
                              .arg(kMaxSheetSide)
                              .arg(parser.value(sheet)),
                          parser.helpText());
    }
    o.sheetSize = *size;
    o.csvPath = parser.value(csv);
    o.dxfPath = parser.value(dxf);
    o.imagePath = parser.value(image);
    o.outDir = parser.value(outDir);
    o.printName = parser.isSet(name);

    if (!o.imagePath.isEmpty() && imageFormatForPath(o.imagePath) == ImageFormat::None) {
        return usageError(QStringLiteral("--image must end in .png or .jpg: %1").arg(o.imagePath),
                          parser.helpText());
    }
    o.pdfPath = parser.value(pdf);
    o.svgPath = parser.value(svg);
    o.cutDxfPath = parser.value(cutDxf);
    const std::optional<PaperSize> paperSize = paperSizeNamed(parser.value(paper));
    if (!paperSize) {
        return usageError(
            QStringLiteral("--paper takes A4, A3 or Letter: %1").arg(parser.value(paper)),
            parser.helpText());
    }
    o.paper = *paperSize;
    const std::optional<QSizeF> stockSize = parseStockSize(parser.value(stock));
    if (!stockSize) {
        return usageError(
            QStringLiteral("--stock takes WIDTHxHEIGHT in millimetres, each from 1 to "
                           "10000, such as 600x300: %1")
                .arg(parser.value(stock)),
            parser.helpText());
    }
    o.stockSize = *stockSize;
    o.allWithOutDir = parser.isSet(all);
    if (o.allWithOutDir && o.outDir.isEmpty())
        return usageError(QStringLiteral("--all needs --out-dir"), parser.helpText());

    if (!o.printName && o.csvPath.isEmpty() && o.dxfPath.isEmpty() && o.imagePath.isEmpty() &&
        o.outDir.isEmpty() && o.pdfPath.isEmpty() && o.svgPath.isEmpty() &&
        o.cutDxfPath.isEmpty()) {
        return usageError(QStringLiteral("nothing to write: give --csv, --dxf, --image, --pdf, "
                                         "--svg, --cut-dxf, --out-dir or --name"),
                          parser.helpText());
    }
    CliParseResult result;
    result.options = std::move(o);
    return result;
}

}  // namespace rw::cli
