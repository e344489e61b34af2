#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/features/spar_notch.h"
#include "geometry/wing/wing_panel.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace rw {

// What the panel is drawn for, taken from the settings column when the dialog opens.
struct WingPanelBasis {
    AirfoilProfile rootAirfoil;
    double rootChord = 0;
    double tipChord = 0;
    int ribCount = 0;
    std::vector<SparNotch> notches;  // the spar lines to draw over the ribs
    QString libraryFolder;           // the airfoil library, offered for the tip airfoil
};

// Each notch's centre line across the ribs, root to tip, in the planform's mm.
std::vector<PlanLine> sparLines(const ResolvedPanel& panel, const std::vector<SparNotch>& notches);

// The wing panel seen from above, root on the left and the leading edge at the top: both edges,
// every rib with its number and the spar lines. A panel that cannot be made shows its message in
// the drawing's place.
class WingPanelDrawing : public QWidget {
    Q_OBJECT
  public:
    explicit WingPanelDrawing(QWidget* parent);

    void setBasis(WingPanelBasis basis) { basis_ = std::move(basis); }
    // Resolves `panel` against the basis and draws it, or its refusal.
    void showPanel(const WingPanel& panel);
    void showMessage(const QString& message);

    const std::optional<ResolvedPanel>& resolved() const { return resolved_; }
    const QString& message() const { return message_; }

    QSize sizeHint() const override { return {520, 240}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WingPanelBasis basis_;
    std::optional<ResolvedPanel> resolved_;
    std::vector<PlanLine> spars_;
    QString message_;
};

}  // namespace rw
