#include "cli/cli_options.h"

#include "cli/cli_texts.h"
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
    parser.setApplicationDescription(cli_texts::applicationDescription());
    parser.addPositionalArgument(QStringLiteral("AIRFOIL_FILE"),
                                 cli_texts::airfoilFileDescription(),
                                 QStringLiteral("AIRFOIL_FILE..."));
    // The window's initial settings are the defaults.
    const RibSettings defaults = defaultRibSettings(decimalSeparator);
    const QCommandLineOption rootChord("root-chord", cli_texts::rootChordDescription(), "TEXT",
                                       defaults.rootChordText);
    const QCommandLineOption tipChord("tip-chord", cli_texts::tipChordDescription(), "TEXT",
                                      defaults.tipChordText);
    const QCommandLineOption ribs("ribs", cli_texts::ribsDescription(), "TEXT",
                                  defaults.ribCountText);
    const QCommandLineOption noTaper("no-taper", cli_texts::noTaperDescription());
    const QCommandLineOption skin("skin", cli_texts::skinDescription(), "TEXT",
                                  defaults.skinThicknessText);
    const QCommandLineOption spar("spar", cli_texts::sparDescription(), "TEXT",
                                  defaults.sparPercentText);
    const QCommandLineOption rootThickness("root-thickness", cli_texts::rootThicknessDescription(),
                                           "TEXT");
    const QCommandLineOption tipThickness("tip-thickness", cli_texts::tipThicknessDescription(),
                                          "TEXT");
    const QCommandLineOption points("points", cli_texts::pointsDescription());
    const QCommandLineOption noSparLine("no-spar-line", cli_texts::noSparLineDescription());
    const QCommandLineOption noGrid("no-grid", cli_texts::noGridDescription());
    const QCommandLineOption sheet("sheet", cli_texts::sheetDescription(), "WIDTHxHEIGHT",
                                   "1600x1000");
    const QCommandLineOption csv("csv", "Write the CSV file.", "PATH");
    const QCommandLineOption dxf("dxf", "Write the DXF file.", "PATH");
    const QCommandLineOption image("image", "Write the sheet image (.png or .jpg).", "PATH");
    const QCommandLineOption outDir("out-dir", cli_texts::outDirDescription(), "DIR");
    const QCommandLineOption name("name", cli_texts::nameDescription());
    const QCommandLineOption pdf("pdf", "Write the true-scale PDF to print at 100 %.", "PATH");
    const QCommandLineOption paper("paper", cli_texts::paperDescription(), "SIZE",
                                   paperSizeName(PaperSize::A4));
    const QCommandLineOption svg(
        "svg", "Write the laser SVG; ribs beyond one stock sheet go to PATH-2, PATH-3, ...",
        "PATH");
    const QCommandLineOption cutDxf("cut-dxf", "Write the cut DXF (mm, layers CUT and MARK).",
                                    "PATH");
    const QCommandLineOption stock("stock", cli_texts::stockDescription(), "WxH",
                                   QStringLiteral("600x300"));
    const QCommandLineOption all("all", cli_texts::allDescription());
    const QCommandLineOption asPasted("as-pasted", cli_texts::asPastedDescription());
    parser.addOptions({rootChord,     tipChord,     ribs,   noTaper,    skin,   spar,
                       rootThickness, tipThickness, points, noSparLine, noGrid, sheet,
                       csv,           dxf,          image,  outDir,     name,   pdf,
                       paper,         svg,          cutDxf, stock,      all,    asPasted});
    const FeatureOptions featureOptions;
    parser.addOptions({featureOptions.sparNotch, featureOptions.upperSkin, featureOptions.lowerSkin,
                       featureOptions.trailingEdge, featureOptions.holes});
    // Not the parser's own help option: that one also offers --help-all for the toolkit's
    // options, which the exporter does not take.
    const QCommandLineOption help({"h", "help"}, cli_texts::helpDescription());
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();

    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (isToolkitOption(argument)) {
            return usageError(cli_texts::qtOptionRefused(argument.section(QLatin1Char('='), 0, 0)),
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
        return usageError(cli_texts::airfoilFileNeeded(), parser.helpText());
    // Each file of a batch needs files of its own, which only the proposed names give.
    if (positional.size() > 1 &&
        (!parser.isSet(outDir) || parser.isSet(csv) || parser.isSet(dxf) || parser.isSet(image) ||
         parser.isSet(pdf) || parser.isSet(svg) || parser.isSet(cutDxf))) {
        return usageError(cli_texts::severalFilesNeedOutDir(
                              QStringLiteral("--csv, --dxf, --image, --pdf, --svg or --cut-dxf")),
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
        return usageError(cli_texts::badSheetSize(kMaxSheetSide, parser.value(sheet)),
                          parser.helpText());
    }
    o.sheetSize = *size;
    o.csvPath = parser.value(csv);
    o.dxfPath = parser.value(dxf);
    o.imagePath = parser.value(image);
    o.outDir = parser.value(outDir);
    o.printName = parser.isSet(name);

    if (!o.imagePath.isEmpty() && imageFormatForPath(o.imagePath) == ImageFormat::None) {
        return usageError(cli_texts::imageNeedsExtension(o.imagePath), parser.helpText());
    }
    o.pdfPath = parser.value(pdf);
    o.svgPath = parser.value(svg);
    o.cutDxfPath = parser.value(cutDxf);
    const std::optional<PaperSize> paperSize = paperSizeNamed(parser.value(paper));
    if (!paperSize) {
        return usageError(cli_texts::badPaper(parser.value(paper)), parser.helpText());
    }
    o.paper = *paperSize;
    const std::optional<QSizeF> stockSize = parseStockSize(parser.value(stock));
    if (!stockSize) {
        return usageError(cli_texts::badStock(parser.value(stock)), parser.helpText());
    }
    o.stockSize = *stockSize;
    o.allWithOutDir = parser.isSet(all);
    if (o.allWithOutDir && o.outDir.isEmpty())
        return usageError(cli_texts::allNeedsOutDir(), parser.helpText());

    if (!o.printName && o.csvPath.isEmpty() && o.dxfPath.isEmpty() && o.imagePath.isEmpty() &&
        o.outDir.isEmpty() && o.pdfPath.isEmpty() && o.svgPath.isEmpty() &&
        o.cutDxfPath.isEmpty()) {
        return usageError(cli_texts::nothingToWrite(
                              QStringLiteral("--csv, --dxf, --image, --pdf, --svg, --cut-dxf")),
                          parser.helpText());
    }
    CliParseResult result;
    result.options = std::move(o);
    return result;
}

}  // namespace rw::cli
