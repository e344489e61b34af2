#pragma once

#include <QSize>
#include <QString>

// Every text the sheet layer shows the user: the rib settings it cannot read and a sheet too large
// for memory. Kept together so the wording is reviewed, and tested, in one place.
namespace rw::sheet_texts {

QString badRootChord();  // "翼弦長のデータが不正です"
QString badSparPosition();
QString badTipChord();
QString noMemoryForSheet(QSize size);
QString tooManyRibs(int limit);  // a rib count above what any wing needs

}  // namespace rw::sheet_texts
