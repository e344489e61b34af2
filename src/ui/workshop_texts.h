#pragma once

#include <QString>
#include <QStringList>

// The workshop dialog's captions and messages: how the laser files cut and lay out the ribs.
namespace rw::workshop_texts {

QString dialogTitle();
QString laserGroup();
QString kerfLabel();
QString sidesLabel();
QString oneSetChoice();
QString rightChoice();
QString leftChoice();
QString bothChoice();
QString copiesLabel();
QString gapLabel();
QString nestBox();
QString note();

// The refusals, naming the field and what was typed.
QString badKerf(const QString& typed);
QString badGap(const QString& typed);
QString badCopies(const QString& typed);
QString gapBelowKerf();

// The kept settings could not be read whole at start; `problems` one per line.
QString fileProblems(const QString& nativePath, const QStringList& problems);

}  // namespace rw::workshop_texts
