#include "export/workshop_files.h"

#include "platform/atomic_file.h"

namespace rw {
namespace {

const std::pair<PaperSize, const char*> kPaperNames[] = {
    {PaperSize::A4, "A4"},
    {PaperSize::A3, "A3"},
    {PaperSize::Letter, "Letter"},
};

using SheetWriter = void (*)(const WorkshopLayout&, int, QIODevice&);

QStringList saveStockSheets(const QString& path, const WorkshopLayout& layout,
                            SheetWriter writeSheet) {
    QStringList written;
    for (int sheet = 0; sheet < layout.sheetCount; ++sheet) {
        const QString sheetPath = stockSheetPath(path, sheet);
        writeFileAtomically(sheetPath,
                            [&](QIODevice& device) { writeSheet(layout, sheet, device); });
        written << sheetPath;
    }
    return written;
}

}  // namespace

QString paperSizeName(PaperSize paper) {
    for (const auto& [size, name] : kPaperNames) {
        if (size == paper)
            return QLatin1String(name);
    }
    return QString();
}

std::optional<PaperSize> paperSizeNamed(const QString& name) {
    for (const auto& [size, known] : kPaperNames) {
        if (name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return size;
    }
    return std::nullopt;
}

QStringList paperSizeNames() {
    QStringList names;
    for (const auto& entry : kPaperNames) names << QLatin1String(entry.second);
    return names;
}

void saveTrueScalePdf(const QString& path, const AirfoilState& airfoil, const RibParameters& params,
                      PaperSize paper, const RibFeatures& features) {
    writeFileAtomically(path, [&](QIODevice& device) {
        writeTrueScalePdf(airfoil, params, paper, device, features);
    });
}

QStringList saveLaserSvg(const QString& path, const WorkshopLayout& layout) {
    return saveStockSheets(path, layout, writeLaserSvg);
}

QStringList saveCutDxf(const QString& path, const WorkshopLayout& layout) {
    return saveStockSheets(path, layout, writeCutDxf);
}

}  // namespace rw
