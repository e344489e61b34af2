#pragma once

#include "geometry/wing/wing_panel.h"
#include "ui/wing_panel_drawing.h"
#include "ui/wing_panel_fields.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace rw {

class Desktop;

// 翼平面: the half-span, the planform (straight taper, ellipse or a table), the sweep, the rib
// stations and the tip airfoil, with the panel drawn from above as the fields change. OK reads
// the fields and the files they name and makes the panel once; what refuses shows its message and
// the dialog stays open with nothing taken. Like the rib details it never blocks: the window takes
// `panel()` when it reports `accepted`.
class WingPanelDialog : public QDialog {
    Q_OBJECT
  public:
    WingPanelDialog(Desktop& desktop, WingPanelBasis basis, QWidget* parent);

    void setPanel(const WingPanel& panel);
    // What OK took, its files read.
    const WingPanel& panel() const { return panel_; }
    const WingPanelDrawing& drawing() const { return *drawing_; }

    void accept() override;

  private:
    QWidget* buildFields();
    QWidget* buildButtons();
    void showFields(const WingPanelFields& fields);
    WingPanelFields fields() const;
    void enableChosenFields();
    void browse(QLineEdit* edit, const QString& filter);
    // The fields' panel with its files read; a file read before is not read again while its
    // name stays the same.
    WingPanel readPanel(bool fresh);
    void redraw();

    Desktop& desktop_;
    QChar separator_;
    WingPanelBasis basis_;
    WingPanel panel_;
    WingPanel filesRead_;  // the files of the latest read, kept by their names

    QLineEdit* halfSpanEdit_ = nullptr;
    QComboBox* planformList_ = nullptr;
    QLineEdit* sweepEdit_ = nullptr;
    QLineEdit* minTipChordEdit_ = nullptr;
    QLineEdit* tableEdit_ = nullptr;
    QPushButton* tableBrowseButton_ = nullptr;
    QLineEdit* stationsEdit_ = nullptr;
    QLineEdit* tipAirfoilEdit_ = nullptr;
    WingPanelDrawing* drawing_ = nullptr;
};

}  // namespace rw
