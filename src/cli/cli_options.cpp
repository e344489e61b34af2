#include "cli/cli_options.h"

#include "cli/cli_texts.h"
#include "cli/panel_options.h"
#include "export/image_format.h"
#include "export/laser_options.h"
#include "export/number_format.h"
#include "geometry/features/feature_units.h"
#include "geometry/rib_features.h"
#include "panel/control_table.h"
#include "platform/errors.h"
#include "platform/text_trim.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>

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

// One line that says what is wrong and one that says where the options are explained: the
// whole help would bury the line that matters.
CliParseResult usageError(const QString& message) {
    CliParseResult result;
    result.exitCode = kUsageError;
    result.isError = true;
    result.output = QStringLiteral("ribwright-cli: %1\n%2\n")
                        .arg(shortenedWords(message), cli_texts::usageHint());
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

// Millimetres as typed, with '.' for decimals whatever the locale, from 0 to `largest`.
std::optional<double> parseMillimetres(const QString& text, double largest) {
    static const QRegularExpression pattern(QStringLiteral("^\\d{1,4}(?:\\.\\d+)?$"));
    if (!pattern.match(text.trimmed()).hasMatch())
        return std::nullopt;
    const double mm = text.trimmed().toDouble();
    if (mm > largest)
        return std::nullopt;
    return mm;
}

// The laser shop's options into `outputs`; the usage error naming the option, or empty.
QString readLaserOptions(const QCommandLineParser& parser, const QCommandLineOption& kerf,
                         const QCommandLineOption& sides, const QCommandLineOption& copies,
                         const QCommandLineOption& gap, const QCommandLineOption& nest,
                         OutputOptions& outputs) {
    if (parser.isSet(kerf)) {
        const auto mm = parseMillimetres(parser.value(kerf), kMaxKerf);
        if (!mm)
            return cli_texts::badKerf(parser.value(kerf));
        outputs.kerf = *mm;
    }
    if (parser.isSet(sides)) {
        const auto named = ribSidesNamed(parser.value(sides));
        if (!named)
            return cli_texts::badSides(parser.value(sides));
        outputs.sides = *named;
    }
    if (parser.isSet(copies)) {
        static const QRegularExpression whole(QStringLiteral("^\\d{1,3}$"));
        const QString text = parser.value(copies).trimmed();
        const int count = whole.match(text).hasMatch() ? text.toInt() : 0;
        if (count < 1 || count > kMaxCopies)
            return cli_texts::badCopies(parser.value(copies));
        outputs.copies = count;
    }
    if (parser.isSet(gap)) {
        const auto mm = parseMillimetres(parser.value(gap), kMaxPartGap);
        if (!mm)
            return cli_texts::badGap(parser.value(gap));
        outputs.gap = *mm;
    }
    if (outputs.gap < outputs.kerf) {
        return cli_texts::gapBelowKerf(formatGeneralNumber(outputs.gap),
                                       formatGeneralNumber(outputs.kerf));
    }
    outputs.nest = parser.isSet(nest);
    return {};
}

// The toolkit's own options. The exporter hands none of them to the toolkit (it always draws off
// screen), so they are refused by name rather than read as a row of unknown one-letter options.
bool isToolkitOption(const QString& argument) {
    static const QRegularExpression pattern(QStringLiteral(
        "^--?(platform|platformpluginpath|platformtheme|plugin|display|geometry|qwindowgeometry|"
        "qwindowicon|qwindowtitle|reverse|session|title|visual|qmljsdebugger)(=.*)?$"));
    return pattern.match(argument).hasMatch();
}

// Every output of the table, each with its own option taking a path.
struct OutputPathOptions {
    std::vector<std::pair<OutputFormat, QCommandLineOption>> options;
    OutputPathOptions() {
        for (const OutputFormatRow& format : outputFormats()) {
            options.emplace_back(
                format.id, QCommandLineOption(QLatin1String(format.option), format.optionHelp(),
                                              QStringLiteral("PATH")));
        }
    }
    // "--csv, --dxf, ..., --cut-dxf", for the messages that list them.
    QString names() const {
        QStringList names;
        for (const auto& [format, option] : options)
            names << QStringLiteral("--") + option.names().front();
        return names.join(QStringLiteral(", "));
    }
};

// The rib features, one option per feature of the list. Their texts are read with '.' whatever
// the locale, so a command means the same on every machine.
struct FeatureOptions {
    std::vector<std::pair<const RibFeatureUnit*, QCommandLineOption>> options;
    FeatureOptions() {
        for (const RibFeatureUnit& unit : ribFeatureUnits()) {
            options.emplace_back(&unit,
                                 QCommandLineOption(QLatin1String(unit.key), unit.optionHelp(),
                                                    QLatin1String(unit.valueName)));
        }
    }
};

// The rib features as the options give them. Throws RibwrightError naming the option whose text
// does not parse.
RibFeatures readFeatureOptions(const QCommandLineParser& parser, const FeatureOptions& f) {
    RibFeatures features;
    for (const auto& [unit, option] : f.options) {
        if (!parser.isSet(option))
            continue;
        const QStringList values =
            unit->repeatable ? parser.values(option) : QStringList{parser.value(option)};
        for (const QString& text : values) unit->read(text, features);
    }
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
    const OutputPathOptions outputPaths;
    const QCommandLineOption outDir("out-dir", cli_texts::outDirDescription(), "DIR");
    const QCommandLineOption name("name", cli_texts::nameDescription());
    const QCommandLineOption paper("paper", cli_texts::paperDescription(), "SIZE",
                                   paperSizeName(OutputOptions{}.paper));
    const OutputOptions outputDefaults;
    const QCommandLineOption stock("stock", cli_texts::stockDescription(), "WxH",
                                   formatStockSize(outputDefaults.stock));
    const QCommandLineOption kerf("kerf", cli_texts::kerfDescription(), "MM");
    const QCommandLineOption sides("sides", cli_texts::sidesDescription(), "both|left|right");
    const QCommandLineOption copies("copies", cli_texts::copiesDescription(), "N");
    const QCommandLineOption gap("gap", cli_texts::gapDescription(), "MM");
    const QCommandLineOption nest("nest", cli_texts::nestDescription());
    const QCommandLineOption all("all", cli_texts::allDescription());
    const QCommandLineOption asPasted("as-pasted", cli_texts::asPastedDescription());
    // Taken out of the arguments before they reach here (the help must already be in the
    // language); listed so that the help shows it.
    const QCommandLineOption lang("lang", cli_texts::langDescription(), "en|ja");
    parser.addOptions({rootChord, tipChord, ribs, noTaper, skin, spar, rootThickness, tipThickness,
                       points, noSparLine, noGrid, sheet});
    for (const auto& [format, option] : outputPaths.options) parser.addOption(option);
    parser.addOptions(
        {outDir, name, paper, stock, kerf, sides, copies, gap, nest, all, asPasted, lang});
    const FeatureOptions featureOptions;
    for (const auto& [unit, option] : featureOptions.options) parser.addOption(option);
    const PanelOptions panelOptions;
    for (const QCommandLineOption& option : panelOptions.all()) parser.addOption(option);
    // Not the parser's own help option: that one also offers --help-all for the toolkit's
    // options, which the exporter does not take.
    const QCommandLineOption help({"h", "help"}, cli_texts::helpDescription());
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();

    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (isToolkitOption(argument)) {
            return usageError(cli_texts::qtOptionRefused(argument.section(QLatin1Char('='), 0, 0)));
        }
    }
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, 0, parser.helpText(), false};
    if (parser.isSet(version)) {
        return {std::nullopt, 0, QStringLiteral("ribwright-cli " RIBWRIGHT_VERSION "\n"), false};
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(cli_texts::airfoilFileNeeded());
    // Each file of a batch needs files of its own, which only the proposed names give.
    const bool anyOutputPath =
        std::any_of(outputPaths.options.begin(), outputPaths.options.end(),
                    [&](const auto& entry) { return parser.isSet(entry.second); });
    if (positional.size() > 1 && (!parser.isSet(outDir) || anyOutputPath)) {
        return usageError(cli_texts::severalFilesNeedOutDir(outputPaths.names()));
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
        p.panel = panelOptions.read(parser);
    } catch (const RibwrightError& e) {
        return usageError(e.text());
    }

    const auto size = parseSheetSize(parser.value(sheet));
    if (!size) {
        return usageError(cli_texts::badSheetSize(kMaxSheetSide, parser.value(sheet)));
    }
    o.sheetSize = *size;
    for (const auto& [format, option] : outputPaths.options) {
        if (parser.isSet(option))
            o.outputPaths[format] = parser.value(option);
    }
    o.outDir = parser.value(outDir);
    o.printName = parser.isSet(name);

    // The image is PNG or JPEG by its name, as the window decides.
    const QString imagePath = o.outputPaths[OutputFormat::Image];
    if (imagePath.isEmpty())
        o.outputPaths.erase(OutputFormat::Image);
    else if (imageFormatForPath(imagePath) == ImageFormat::None) {
        return usageError(cli_texts::imageNeedsExtension(imagePath));
    }
    const std::optional<PaperSize> paperSize = paperSizeNamed(parser.value(paper));
    if (!paperSize) {
        return usageError(cli_texts::badPaper(parser.value(paper)));
    }
    o.outputs.paper = *paperSize;
    const std::optional<QSizeF> stockSize = parseStockSize(parser.value(stock));
    if (!stockSize) {
        return usageError(cli_texts::badStock(parser.value(stock)));
    }
    o.outputs.stock = *stockSize;
    if (const QString refused = readLaserOptions(parser, kerf, sides, copies, gap, nest, o.outputs);
        !refused.isEmpty())
        return usageError(refused);
    o.outputs.plan = parser.isSet(panelOptions.plan);
    o.allWithOutDir = parser.isSet(all);
    if (o.allWithOutDir && o.outDir.isEmpty())
        return usageError(cli_texts::allNeedsOutDir());

    if (!o.printName && o.outputPaths.empty() && o.outDir.isEmpty()) {
        return usageError(cli_texts::nothingToWrite(outputPaths.names()));
    }
    CliParseResult result;
    result.options = std::move(o);
    return result;
}

}  // namespace rw::cli
