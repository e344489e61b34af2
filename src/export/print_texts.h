#pragma once

#include <QString>

// The texts of the true-scale print that are its own: the page map's title and the caption under
// a rib named by its label.
namespace rw::print_texts {

QString pageMapTitle();
// Under each rib: its label as engraved ("3", "R3"), chord in mm (as text), airfoil name.
QString ribCaption(const QString& label, const QString& chordMm, const QString& airfoilName);

}  // namespace rw::print_texts
