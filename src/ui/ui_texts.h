#pragma once

#include <QString>
#include <QStringList>

// Every message the window shows the user (captions stay with their controls: the control table
// and the rib details dialog). Kept together so the wording is reviewed, and tested, in one place.
namespace rw::ui_texts {

QString alreadyRunning();  // a second start hands over to the running window
QString messageTitle();
QString helpFileMissing(const QString& nativePath);

// The question after an export, offering the program that opens the file.
QString openImageQuestion();
QString openSpreadsheetQuestion();
QString openDxfQuestion();
QString openPdfQuestion();
QString openSvgQuestion();

// The note under the rib button after a file was imported, one line per change.
QString importNote(const QString& fileName, const QStringList& changes);
QString airfoilFileFilter();

// The rib details dialog's refusals of what was typed. `field` names the field, as made by the
// field-name functions below.
QString missingValue(const QString& field);
QString notANumber(const QString& field, const QString& text);
QString sparNotchField(int index);
QString fieldPart(const QString& field, const char* part);  // e.g. "の幅"
QString upperSurface();
QString lowerSurface();
QString skinField(const QString& surface);
QString notchValuesHint(const QString& notch, bool positionInMm);
QString skinValueHint(const QString& skin);
QString stockValuesHint(const QString& stock);
QString holeValuesHint(const QString& holes);

}  // namespace rw::ui_texts
