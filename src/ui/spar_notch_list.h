#pragma once

#include "ui/rib_details_fields.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace rw {

// The spar notches of the rib details dialog: a row of fields per notch (position and its unit,
// width, depth, side, a remove button) under one line of column titles, and a button that adds
// a row. Rows are the `SparNotchRow` children, top to bottom in notch order.
class SparNotchList : public QWidget {
  public:
    explicit SparNotchList(QWidget* parent);

    std::vector<SparNotchFields> notches() const;
    void setNotches(const std::vector<SparNotchFields>& notches);

  private:
    // Returns the new row; its fields come before the add button in the Tab order.
    QWidget* addRow(const SparNotchFields& fields);
    void removeRow(QWidget* row);
    void showWhetherEmpty();

    QVBoxLayout* rowsLayout_ = nullptr;
    QLabel* emptyNote_ = nullptr;
    QPushButton* addButton_ = nullptr;
    int unitWidth_ = 0;  // wide enough for the longest unit's name
};

}  // namespace rw
