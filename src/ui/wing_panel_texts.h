#pragma once

#include <QString>
#include <QStringList>

// The wing panel dialog's captions and messages, and the notes the settings column shows while
// the panel decides one of its fields.
namespace rw::wing_panel_texts {

QString dialogTitle();
QString panelGroup();
QString halfSpanLabel();
QString halfSpanPlaceholder();
QString planformLabel();
QString straightChoice();
QString ellipticalChoice();
QString tableChoice();
QString sweepLabel();
QString minTipChordLabel();
QString tableLabel();
QString browseButton();
QString stationsLabel();
QString stationsPlaceholder();
QString tipAirfoilLabel();
QString tipAirfoilPlaceholder();
// The first entry of the list of library airfoils offered for the tip.
QString tipLibraryChoice();
QString sparNote();
QString twistGroup();
QString washoutLabel();
QString pivotLabel();
QString jigTabsBox();
QString jigTabPositionsLabel();
QString jigTabPositionsPlaceholder();
QString jigTabWidthLabel();
QString jigTabMinHeightLabel();
QString jigTabsNote();
QString tableFileFilter();
// In the drawing's place while the panel has no span to draw it along.
QString noSpanNote();

// The fields as the refusals name them.
QString halfSpanField();
QString sweepField();
QString minTipChordField();
QString tableField();
QString outOfRange(const QString& field, const QString& typed);
QString badStations(const QString& typed);
QString washoutField();
QString pivotField();
QString badWashout(const QString& typed);
QString badPivot(const QString& typed);
QString jigTabPositionsField();
QString jigTabWidthField();
QString badJigTabs(const QString& typed);

// The settings column while a table gives the chords, or the stations give the rib count.
QString chordsByTableNote();
QString chordsByTableHint();
QString ribCountByStationsHint();

// The kept panel could not be read whole at start; `problems` one per line.
QString fileProblems(const QString& nativePath, const QStringList& problems);

}  // namespace rw::wing_panel_texts
