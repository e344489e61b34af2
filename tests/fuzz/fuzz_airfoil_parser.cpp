// Feeds arbitrary text to the airfoil parser: it must never crash, read or write out of bounds,
// or keep more lines and points than its capacity. The same bytes go through the import of
// published files, whose text, when it gives one, must parse.
#include "airfoil/airfoil_import.h"
#include "airfoil/airfoil_parser.h"
#include "platform/errors.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    rw::AirfoilState state;
    state.text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
        try {
            rw::parseAirfoilText(state, separator);
        } catch (const rw::RibwrightError&) {
        }
        if (state.lineCount() > rw::kMaxSourceLines)
            std::abort();
        if (state.profile.pointCount() >= rw::kMaxSourceLines)
            std::abort();
        if (state.profile.x.size() != state.profile.y.size())
            std::abort();
        try {
            rw::AirfoilState imported;
            imported.text = rw::importAirfoilFile(
                                QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                                QStringLiteral("fuzz.dat"), separator, rw::LegacyEncoding::Cp932)
                                .text;
            try {
                rw::parseAirfoilText(imported, separator);
            } catch (const rw::RibwrightError&) {
                std::abort();
            }
        } catch (const rw::RibwrightError&) {
        }
    }
    return 0;
}
