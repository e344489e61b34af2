#pragma once

#include "desktop/desktop.h"
#include "platform/data_folders.h"
#include "ui/window_state.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QScrollArea;

namespace rw {

class AirfoilView;
class PanelWidget;
class RibDetailsDialog;
class RibPanel;
class WingPanelDialog;
class WorkshopDialog;
struct JigTabs;
struct RibFeatures;
struct WingPanel;
struct WingPanelBasis;
struct WorkshopSettings;

// The program's one window. It shows either the airfoil view or the rib sheet view (the sheet
// with its settings column), holds the state every action leaves behind, and carries out what
// the two views ask for. Every action runs inside one guard that shows the program's error
// texts, so no error reaches the event loop.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    MainWindow(Desktop& desktop, DataFolders folders, QWidget* parent = nullptr);
    ~MainWindow() override;

    const WindowState& state() const { return state_; }
    const DataFolders& folders() const { return folders_; }

    // A later start of the program asked this window to come forward.
    void bringToFront();
    // What closing the window does; by default it ends the application at once.
    void setCloseAction(std::function<void()> action) { closeAction_ = std::move(action); }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Construction and start-up (main_window.cpp).
    void buildSheetView();
    void connectViews();
    void runGuarded(const std::function<void()>& action);
    template <typename Sender, typename Signal, typename Handler>
    void onSignal(Sender* sender, Signal signal, Handler handler);
    void startUp();

    // The two views (view_mode.cpp).
    void applyViewMode();
    void settleAirfoilViewFrame();
    QSize frameSize() const;
    void finishAirfoilViewFrame();
    void layoutSheetView();
    void centreOnDesktop();
    void showRibSheetView();
    void showAirfoilView();
    void sheetViewResized();

    // Airfoil text in and out (text_chain.cpp).
    void airfoilTextChanged();
    void pasteFromClipboard();
    void pasteOnRightButton(Qt::MouseButton button);
    void openFromLibrary();
    void registerInLibrary();
    void loadAirfoilText(const QString& path);
    void pasteText(const QString& text);
    // Files from outside the library, dropped or opened, are tidied on the way in.
    void importAirfoilFromFile(const QString& path);
    void openAirfoilFile();

    // The sheet, its files, the help and web pages (sheet_actions.cpp, export_actions.cpp,
    // viewer_actions.cpp).
    SheetJob drawRibSheet();
    void showSheet();
    void clearSheet();
    void exportSheet(OutputFormat format);
    void removeStaleSheets(const QString& path, int sheetCount);
    void viewSavedFile(OutputFormat format);
    void openHelpPage();
    void openDatabasePage();
    void openOnDesktop(const QString& pathOrAddress);

    // The rib details: remembered in the data folder, set in their dialog
    // (rib_details_actions.cpp).
    void loadRibDetails();
    void editRibDetails();
    void checkRibDetails(const RibFeatures& features, const WingPanel* panel = nullptr) const;
    void takeRibDetails(const RibFeatures& features);
    void keepRibDetails(const RibFeatures& features);

    // The wing panel: remembered in the data folder, set in its dialog (wing_panel_actions.cpp).
    void loadWingPanel();
    void editWingPanel();
    WingPanelBasis wingPanelBasis() const;
    void takeWingPanel(const WingPanel& panel, const JigTabs& tabs);

    // The laser shop's settings: remembered in the data folder, set in their dialog
    // (workshop_actions.cpp).
    void loadWorkshopSettings();
    void editWorkshopSettings();
    void takeWorkshopSettings(const WorkshopSettings& settings);

    Desktop& desktop_;
    DataFolders folders_;
    WindowState state_;
    std::function<void()> closeAction_;
    bool shownOnce_ = false;
    bool outerSizePending_ = false;  // the airfoil view's outer size still to be laid down
    QRect normalPlace_;              // where the airfoil view stood before the sheet view
    QString importDir_;              // folder of the last imported file
    int actionDepth_ = 0;            // guarded actions running, nested in message loops
    bool redrawPending_ = false;     // a resize came while another action was running
    bool lastDrawRefused_ = false;   // the latest redraw ended in a message

    AirfoilView* airfoilView_ = nullptr;
    PanelWidget* sheetView_ = nullptr;  // covers the window in the sheet view
    QLabel* sheetImage_ = nullptr;      // shows the drawn sheet
    QWidget* sheetPaintArea_ = nullptr;
    QScrollArea* settingsScroll_ = nullptr;  // the settings column, scrolled when too short
    RibPanel* ribPanel_ = nullptr;
    QPointer<RibDetailsDialog> ribDetailsDialog_;  // while it is open
    QPointer<WingPanelDialog> wingPanelDialog_;    // while it is open
    QPointer<WorkshopDialog> workshopDialog_;      // while it is open
};

}  // namespace rw

namespace rw {

// Connects a signal to a member handler (taking the signal's arguments) that runs inside the
// error guard.
template <typename Sender, typename Signal, typename Handler>
void MainWindow::onSignal(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler](auto... arguments) {
        runGuarded([&] { (this->*handler)(arguments...); });
    });
}

}  // namespace rw
