#pragma once

#include "export/output_formats.h"
#include "export/output_options.h"
#include "sheet/rib_settings.h"
#include "ui/panel_widget.h"
#include "ui/workshop_settings_file.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rw {

class Desktop;

// The settings column of the sheet view: rib settings, colour swatches, export buttons. It owns
// its controls, keeps their small rules to itself (the taper switches the tip controls, a changed
// setting marks the exports out of date, a swatch picks its colour) and hands out the settings
// as one snapshot. What the window must do is asked for by a signal.
class RibPanel : public PanelWidget {
    Q_OBJECT
  public:
    RibPanel(Desktop& desktop, QWidget* parent);

    RibSettings snapshot() const;
    // The export buttons are a hint: on after every redraw, off once a setting has changed.
    void setExportsEnabled(bool enabled);
    // The paper, the stock and the laser shop's settings for the workshop files. A stock that does
    // not read throws RibwrightError with the message to show.
    OutputOptions outputOptions() const;
    // The rib details set in their dialog; the snapshot carries them to the engine.
    const RibFeatures& features() const { return features_; }
    void setFeatures(const RibFeatures& features) { features_ = features; }
    // The wing panel set in its dialog. Where it decides the chords or the rib count, those
    // fields are greyed and say why.
    const WingPanel& wingPanel() const { return wingPanel_; }
    void setWingPanel(const WingPanel& panel);
    // The laser shop's settings set in the workshop dialog; outputOptions() carries them.
    const WorkshopSettings& workshop() const { return workshop_; }
    void setWorkshop(const WorkshopSettings& settings) { workshop_ = settings; }

  signals:
    void redrawRequested();
    void exportRequested(rw::OutputFormat format);
    void backRequested();
    void helpRequested();
    void ribDetailsRequested();
    void wingPanelRequested();
    void workshopRequested();

  private:
    void buildControls();
    void fillDropDownLists();
    void connectControls();
    void applyTaper();
    void applyWingPanel();
    void chooseSwatchColour(PanelWidget* swatch);
    template <typename Control>
    Control* control(const char* name) const;

    Desktop& desktop_;

    QLineEdit* rootChordEdit_ = nullptr;
    QLineEdit* tipChordEdit_ = nullptr;
    QLineEdit* sparPercentEdit_ = nullptr;
    QComboBox* skinThicknessList_ = nullptr;
    QComboBox* ribCountList_ = nullptr;
    QComboBox* rootThicknessList_ = nullptr;
    QComboBox* tipThicknessList_ = nullptr;
    QCheckBox* taperBox_ = nullptr;
    QCheckBox* sparLineBox_ = nullptr;
    QCheckBox* sheetPointsBox_ = nullptr;
    QCheckBox* gridBox_ = nullptr;
    QCheckBox* rootThicknessBox_ = nullptr;
    QCheckBox* tipThicknessBox_ = nullptr;
    QLabel* tipChordLabel_ = nullptr;
    QLabel* ribCountLabel_ = nullptr;
    PanelWidget* skinSwatch_ = nullptr;
    PanelWidget* ribSwatch_ = nullptr;
    PanelWidget* gridSwatch_ = nullptr;
    QPushButton* drawButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    PanelWidget* helpPanel_ = nullptr;
    QComboBox* paperList_ = nullptr;
    QLineEdit* stockEdit_ = nullptr;
    QPushButton* ribDetailsButton_ = nullptr;
    QPushButton* wingPanelButton_ = nullptr;
    QPushButton* workshopButton_ = nullptr;
    QLabel* chordsByTableNote_ = nullptr;
    QCheckBox* planBox_ = nullptr;
    RibFeatures features_;
    WingPanel wingPanel_;
    WorkshopSettings workshop_;
    // What the user had typed in the fields the panel now fills; given back when it lets go.
    std::optional<QString> typedRootChord_;
    std::optional<QString> typedTipChord_;
    std::optional<QString> typedRibCount_;
    void showPanelValues(bool byTable, bool byStations);
    // Each export button with the format it writes.
    std::vector<std::pair<QPushButton*, OutputFormat>> exportButtons_;
};

}  // namespace rw
