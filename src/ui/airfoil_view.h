#pragma once

#include "airfoil/airfoil_data.h"
#include "export/output_formats.h"

#include <QImage>
#include <QWidget>

class QCheckBox;
class QLabel;
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
    // The line under the rib button telling what the last import tidied; empty hides it.
    void setImportNote(const QString& note);

  signals:
    void textEdited();
    void textMouseDown(Qt::MouseButton button);
    void pasteRequested();
    void openLibraryRequested();
    void openFileRequested();
    // An airfoil file was dropped anywhere on the view.
    void fileDropped(const QString& path);
    void registerRequested();
    void ribSheetRequested();
    void databasePageRequested();
    void helpRequested();
    void viewSavedFileRequested(rw::OutputFormat format);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void renderPreview();
    void showTitle(const QString& title);
    void passOnDroppedFile(const QString& path);

    const AirfoilState& airfoil_;
    QImage& preview_;
    MemoBox* textBox_ = nullptr;
    PanelWidget* titleStrip_ = nullptr;
    QCheckBox* previewPointsBox_ = nullptr;
    QPushButton* ribButton_ = nullptr;
    QLabel* importNote_ = nullptr;
};

}  // namespace rw
