#pragma once

#include <QString>

// Every text the wing panel shows the user: the refusals of its options, of the planform table
// and of a panel that cannot be made. Kept together so the wording is reviewed in one place.
namespace rw {

// The option texts that do not read. `option` is the option as the command line spells it.
QString stationsOptionRefusedText(const QString& text);
QString stationsCountRefusedText(const QString& text, int most);
QString stationsListRefusedText(const QString& text);
QString planformOptionRefusedText();
QString panelLengthRefusedText(const QString& option, const QString& text);
QString panelLengthTooSmallText(const QString& option, const QString& text, double least);
QString washoutOptionRefusedText(const QString& text, double most);
QString pivotOptionRefusedText(const QString& text);

// The command line's lines for --washout and --pivot.
QString washoutDescription();
QString pivotDescription();

// A panel whose ribs cannot be placed.
QString spanNeededText();
QString spanBeyondTableText(double span, double tableSpan);
QString stationOutsideSpanText(double station, double span);
QString tooManyRibsText(int most);
QString chordTooSmallText(int ribNumber, double chord);
QString ellipticalChordTooSmallText(int ribNumber, double chord);
QString airfoilWithoutLeadingEdgeText();

// The planform table. `line` counts from 1.
QString tableLineRefusedText(int line, const QString& text);
QString tableColumnMissingText(const QString& column);
QString tableTooFewSectionsText();
QString tableTooManySectionsText(int most);
QString tableSpanNotIncreasingText(int line);
QString tableChordRefusedText(int line);
QString tableAirfoilRefusedText(int line, const QString& file, const QString& detail);
// A table or an airfoil the panel names could not be read: its path and what was wrong.
QString planformTableRefusedText(const QString& nativePath, const QString& detail);
QString tipAirfoilRefusedText(const QString& nativePath, const QString& detail);

}  // namespace rw
