#pragma once

#include "geometry/features/jig_tabs.h"

#include <QChar>
#include <QString>

namespace rw {

// The jig tabs as the wing panel dialog's fields hold them. The positions keep the command
// line's form, a list separated by commas with '.' decimals; the lengths use the locale's
// separator. Switched off, the typed fields are kept but not read.
struct JigTabFields {
    bool on = false;
    QString positions;  // % of the chord
    QString width;      // mm
    QString minHeight;  // mm; empty for the default
    friend bool operator==(const JigTabFields&, const JigTabFields&) = default;
};

JigTabFields jigTabFields(const JigTabs& tabs, QChar separator);

// Reads the fields through the option's own parser, so the dialog takes what the rib details
// file and the command line take. Throws RibwrightError naming the field that does not read.
JigTabs readJigTabFields(const JigTabFields& fields, QChar separator);

}  // namespace rw
