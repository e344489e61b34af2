#pragma once

#include <QString>
#include <QStringList>

// Every message the window shows the user (captions stay with their controls: the control table
// and the rib details dialog). Kept together so the wording is reviewed, and tested, in one place.
namespace rw::ui_texts {

QString alreadyRunning();  // a second start hands over to the running window
QString messageTitle();
QString helpFileMissing(const QString& nativePath);

// The note under the rib button after a file was imported, one line per change.
QString importNote(const QString& fileName, const QStringList& changes);
QString airfoilFileFilter();

// The rib details dialog's refusals of what was typed. `field` names the field, as made by the
// field-name functions below; `notch`, `stock` and `holes` name the feature a field belongs to.
QString missingValue(const QString& field);
QString notANumber(const QString& field, const QString& text);
QString sparNotchField(int index);  // index from 1
QString notchPositionField(const QString& notch);
QString notchWidthField(const QString& notch);
QString notchDepthField(const QString& notch);
QString upperSkinField();
QString lowerSkinField();
QString stockDistanceField(const QString& stock);
QString stockLengthField(const QString& stock);
QString stockHeightField(const QString& stock);
QString holeDiameterField(const QString& holes);
QString holeWebField(const QString& holes);
QString notchValuesHint(const QString& notch, bool positionInMm);
QString skinValueHint(const QString& skin);
QString stockValuesHint(const QString& stock);
QString holeValuesHint(const QString& holes);

// The stock field of the workshop files does not read as WIDTHxHEIGHT in millimetres.
QString badStockSize(const QString& typed);

// The rib details dialog's captions: title, groups, fields and buttons.
QString ribDetailsTitle();
QString notchGroup();
QString sheetingGroup();
QString upperSkinSwitch();
QString lowerSkinSwitch();
QString sheetingNote();
QString trailingEdgeGroup();
QString noStockChoice();
QString flatStockChoice();
QString notchStockChoice();
QString stockDistanceLabel();
QString stockLengthLabel();
QString stockHeightLabel();
QString holesSwitch();
QString holeDiameterLabel();
QString holeWebLabel();
// The least web a notch or a trailing-edge slot may leave: its group, label, field and hint.
QString minimumWebGroup();
QString minimumWebLabel();
QString minimumWebHint();
QString resetButton();
QString okButton();
QString cancelButton();

// The spar notch list: column titles, the position's units in the order of the positionInMm flag,
// the note of an empty list and the buttons.
QString notchPositionColumn();
QString notchUnitColumn();
QString notchWidthColumn();
QString notchDepthColumn();
QString notchSideColumn();
QStringList notchPositionUnits();
QString noNotchesNote();
QString addNotchButton();
QString removeNotchButton();

// The desktop has no program to open a file or web page with; the user opens it by hand.
QString noLauncher(const QString& pathOrAddress);

// The rib details file was written by a later version of the program: asked before the details
// accepted in the dialog replace it. %1 is its path.
QString replaceNewerRibDetailsQuestion(const QString& nativePath);

// Further laser sheets of an earlier export, removed since this export wrote fewer.
QString staleSheetsRemoved(const QStringList& paths);

}  // namespace rw::ui_texts
