#include "export/paper_size.h"

namespace rw {
namespace {

struct PaperRow {
    PaperSize size;
    const char* name;
    QSizeF portraitMm;
};

const PaperRow kPapers[] = {
    {PaperSize::A4, "A4", {210, 297}},
    {PaperSize::A3, "A3", {297, 420}},
    {PaperSize::Letter, "Letter", {215.9, 279.4}},
};

}  // namespace

QString paperSizeName(PaperSize paper) {
    for (const PaperRow& row : kPapers) {
        if (row.size == paper)
            return QLatin1String(row.name);
    }
    return QString();
}

std::optional<PaperSize> paperSizeNamed(const QString& name) {
    for (const PaperRow& row : kPapers) {
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.size;
    }
    return std::nullopt;
}

QStringList paperSizeNames() {
    QStringList names;
    for (const PaperRow& row : kPapers) names << QLatin1String(row.name);
    return names;
}

QSizeF portraitPaperSize(PaperSize paper) {
    for (const PaperRow& row : kPapers) {
        if (row.size == paper)
            return row.portraitMm;
    }
    return kPapers[0].portraitMm;
}

}  // namespace rw
