#pragma once

#include "airfoil/airfoil_data.h"
#include "ui/output_kinds.h"

#include <QImage>
#include <QWidget>

class QCheckBox;
class QPushButton;

namespace rw {

class MemoBox;
class PanelWidget;

// The compact view: the airfoil text box, the title strip and preview, and the file buttons.
// It owns its controls and draws the preview of the airfoil it is given on every repaint; what
// the buttons ask for is left to the window through signals.
class AirfoilView : public QWidget {
    Q_OBJECT
  public:
    // `airfoil` is the window's current airfoil; `preview` receives the drawn preview.
    AirfoilView(const AirfoilState& airfoil, QImage& preview, QWidget* parent);

    QString text() const;
    // Runs textEdited when the text really changes.
    void setText(const QString& text);
    void enableRibButton();
    // Draws the preview now; it shows at the next paint.
    void redrawPreview();

  signals:
    void textEdited();
    void textMouseDown(Qt::MouseButton button);
    void pasteRequested();
    void openLibraryRequested();
    void registerRequested();
    void ribSheetRequested();
    void databasePageRequested();
    void helpRequested();
    void viewSavedFileRequested(rw::OutputKind kind);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void renderPreview();

    const AirfoilState& airfoil_;
    QImage& preview_;
    MemoBox* textBox_ = nullptr;
    PanelWidget* titleStrip_ = nullptr;
    QCheckBox* previewPointsBox_ = nullptr;
    QPushButton* ribButton_ = nullptr;
};

}  // namespace rw
