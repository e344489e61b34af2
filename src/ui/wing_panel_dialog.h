#pragma once

#include "geometry/wing/wing_panel.h"
#include "ui/jig_tab_fields.h"
#include "ui/wing_panel_drawing.h"
#include "ui/wing_panel_fields.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace rw {

class Desktop;

// 翼平面: the half-span, the planform (straight taper, ellipse or a table), the sweep, the rib
// stations, the tip airfoil, the washout with its pivot and the jig tabs, with the panel drawn from
// above as the fields change. OK reads the fields and the files they name and makes the panel once;
// what refuses shows its message and the dialog stays open with nothing taken. Like the rib details
// it never blocks: the window takes `panel()` when it reports `accepted`.
class WingPanelDialog : public QDialog {
    Q_OBJECT
  public:
    WingPanelDialog(Desktop& desktop, WingPanelBasis basis, QWidget* parent);

    void setPanel(const WingPanel& panel);
    // The jig tabs are a rib feature the rib details keep too; the dialog shows and takes them
    // with the panel, since the twist decides how the ribs stand on their board.
    void setJigTabs(const JigTabs& tabs);
    // What OK took, its files read.
    const WingPanel& panel() const { return panel_; }
    const JigTabs& jigTabs() const { return jigTabs_; }
    // Run on OK with what is about to be taken; throws RibwrightError to keep the dialog open
    // with its message, as an output made from the taken values would refuse them.
    using Check = std::function<void(const WingPanel&, const JigTabs&)>;
    void setCheck(Check check) { check_ = std::move(check); }
    const WingPanelDrawing& drawing() const { return *drawing_; }

    void accept() override;

  private:
    QWidget* buildFields();
    QWidget* buildTwistFields();
    void showFields(const WingPanelFields& fields);
    WingPanelFields fields() const;
    JigTabFields tabFields() const;
    void showTabFields(const JigTabFields& fields);
    void enableChosenFields();
    QComboBox* tipLibraryList(QWidget* parent);
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
    JigTabs jigTabs_;
    Check check_;

    QLineEdit* halfSpanEdit_ = nullptr;
    QComboBox* planformList_ = nullptr;
    QLineEdit* sweepEdit_ = nullptr;
    QLineEdit* minTipChordEdit_ = nullptr;
    QLineEdit* tableEdit_ = nullptr;
    QPushButton* tableBrowseButton_ = nullptr;
    QLineEdit* stationsEdit_ = nullptr;
    QLineEdit* tipAirfoilEdit_ = nullptr;
    QLineEdit* washoutEdit_ = nullptr;
    QLineEdit* pivotEdit_ = nullptr;
    QCheckBox* jigTabsBox_ = nullptr;
    QLineEdit* tabPositionsEdit_ = nullptr;
    QLineEdit* tabWidthEdit_ = nullptr;
    QLineEdit* tabMinHeightEdit_ = nullptr;
    WingPanelDrawing* drawing_ = nullptr;
};

}  // namespace rw
