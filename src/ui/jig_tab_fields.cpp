#include "ui/jig_tab_fields.h"

#include "geometry/features/option_numbers.h"
#include "platform/errors.h"
#include "ui/ui_texts.h"
#include "ui/wing_panel_texts.h"

#include <QStringList>

namespace rw {

JigTabFields jigTabFields(const JigTabs& tabs, QChar separator) {
    JigTabFields fields;
    if (!tabs.isSet())
        return fields;
    fields.on = true;
    QStringList positions;
    for (double position : tabs.positions) positions << shortestOptionNumber(position);
    fields.positions = positions.join(QLatin1Char(','));
    fields.width = shortestOptionNumber(tabs.width).replace(QLatin1Char('.'), separator);
    if (tabs.minHeight != kDefaultJigTabHeight)
        fields.minHeight =
            shortestOptionNumber(tabs.minHeight).replace(QLatin1Char('.'), separator);
    return fields;
}

JigTabs readJigTabFields(const JigTabFields& fields, QChar separator) {
    if (!fields.on)
        return {};
    const QString positions = fields.positions.trimmed();
    if (positions.isEmpty())
        throw RibwrightError(ui_texts::missingValue(wing_panel_texts::jigTabPositionsField()));
    QString width = fields.width.trimmed();
    if (width.isEmpty())
        throw RibwrightError(ui_texts::missingValue(wing_panel_texts::jigTabWidthField()));
    QString minHeight = fields.minHeight.trimmed();
    width.replace(separator, QLatin1Char('.'));
    minHeight.replace(separator, QLatin1Char('.'));
    // Each length is one number: a ':' typed into one would read as the next part of the option.
    const QString colon(QLatin1Char(':'));
    if (width.contains(colon) || minHeight.contains(colon) || positions.contains(colon)) {
        throw RibwrightError(
            wing_panel_texts::badJigTabs(positions + colon + width + colon + minHeight));
    }
    QString text = positions + QLatin1Char(':') + width;
    if (!minHeight.isEmpty())
        text += QLatin1Char(':') + minHeight;
    try {
        return parseJigTabsOption(text);
    } catch (const RibwrightError&) {
        throw RibwrightError(wing_panel_texts::badJigTabs(text));
    }
}

}  // namespace rw
