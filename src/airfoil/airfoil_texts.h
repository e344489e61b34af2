#pragma once

#include <QString>

// Every text the airfoil layer shows the user: the parser's refusals and what an import of a
// published file changed. Kept together so the wording is reviewed, and tested, in one place.
namespace rw::airfoil_texts {

QString tooFewPoints();                 // "データが不足しています"
QString tooManyLines(int limit);        // the text has more lines than the parser keeps
QString tooManyUpperPoints(int limit);  // more points before the blank line than it keeps

// Refusals of an import; `line` counts from 1.
QString noCoordinateLines();
QString notACoordinateLine(int line, const QString& text);
QString countsDisagree(int line, int upperCount, int points);
QString fileTooLarge(int megabytes);
QString outlineHasNoArea();
QString outlineIsOpen(double gapPercent);
QString outlineCrossesItself(int point);

// What an import changed, one short sentence each.
QString droppedLeadingBlankLines();
QString titleFromFileName(const QString& title);
QString droppedLinesBeforeCoordinates(int count);
QString splitSurfacesByCounts(int upperCount);
QString rewroteCoordinateLines(int count);
QString droppedNotes(int count);
QString lineEndsMadeCrLf();
QString droppedBlankLinesAfterCoordinates();
QString splitSurfacesByShape(int upperCount);
QString surfacesTurnedToRunFromLeadingEdge();
QString countsLineIgnored(int line, int upperCount, int lowerCount, int points);
QString droppedSecondAirfoil(int line);
QString droppedSurfaceLabel(int line);
QString thinnedPoints(int from, int to, double deviationPercent);
QString dividedByHundred();
QString normalisedToChord();
QString turnedChordLevel(double degrees);
QString droppedThirdColumn();

}  // namespace rw::airfoil_texts
