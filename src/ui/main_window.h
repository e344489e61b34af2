#pragma once

#include "platform/data_folders.h"
#include "platform/desktop.h"
#include "ui/window_state.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rw {

class MemoBox;
class PanelWidget;

// The program's one window. It shows either the airfoil view (text box, preview, file buttons)
// or the rib sheet view (the sheet with its settings column), holds the state every action
// leaves behind, and is the only code that touches widgets. Every handler runs inside one guard
// that shows the program's error texts, so no error reaches the event loop.
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
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Construction (main_window.cpp, rib_panel.cpp).
    void FormCreate();
    void buildAirfoilView();
    void buildRibPanel();
    void buildSettingsColumn();
    void buildTaperGroup();
    void buildColourGroup();
    void fillDropDownLists();
    void connectHandlers();
    void connectRibPanelHandlers();
    void runGuarded(const std::function<void()>& action);
    template <typename Sender, typename Signal>
    void onSignal(Sender* sender, Signal signal, void (MainWindow::*handler)());

    // Start, paint, close and the two views (main_window.cpp, view_mode.cpp).
    void FormShow();
    void FormPaint();
    void FormClose();
    void applyViewMode();
    void settleAirfoilViewFrame();
    void finishAirfoilViewFrame();
    void layoutRibPanel();
    void centreOnDesktop();

    // The sheet and its settings (sheet_actions.cpp).
    void drawRibSheet();
    RibPanelSnapshot ribPanelSnapshot() const;
    void showSheet();
    void setExportButtonsEnabled(bool enabled);
    void Button3Click();
    void Button4Click();
    void Button8Click();
    void Panel1Resize();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void Edit2Change();
    void Edit3Change();
    void ComboBox1Change();
    void ComboBox2Change();

    // Colour swatches (colour_choice.cpp).
    void chooseSwatchColour(PanelWidget* swatch, QColor& sheetColour);
    void Panel4Click();
    void Panel5Click();
    void Panel6Click();

    // Airfoil text in and out, and the preview (text_chain.cpp, airfoil_view.cpp).
    void Memo1Change();
    void Memo1MouseDown(Qt::MouseButton button);
    void Button1Click();
    void Button15Click();
    void Button16Click();
    void loadAirfoilText(const QString& path);
    void pasteText(const QString& text);
    void drawAirfoilPreview();
    void renderAirfoilPreview();
    void CheckBox3Click();

    // Exports (export_actions.cpp) and viewers, help and web page (viewer_actions.cpp).
    void Button9Click();
    void Button10Click();
    void Button11Click();
    QString prepareExport(const QString& extension);
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void viewSavedFile(const QString& initialDir, const QString& filter, QString& lastFile);
    void openHelpPage();
    void Panel7Click();
    void Panel9Click();
    void Button2Click();

    Desktop& desktop_;
    DataFolders folders_;
    WindowState state_;
    std::function<void()> closeAction_;
    bool shownOnce_ = false;
    bool outerSizePending_ = false;  // the airfoil view's outer size still to be laid down
    QRect normalPlace_;              // where the airfoil view stood before the sheet view

    // Airfoil view.
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button12 = nullptr;
    QPushButton* Button13 = nullptr;
    QPushButton* Button14 = nullptr;
    QPushButton* Button15 = nullptr;
    QPushButton* Button16 = nullptr;
    MemoBox* Memo1 = nullptr;
    PanelWidget* Panel3 = nullptr;
    PanelWidget* Panel7 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QGroupBox* GroupBox2 = nullptr;

    // Rib sheet view.
    PanelWidget* Panel1 = nullptr;
    PanelWidget* Panel2 = nullptr;
    QLabel* Image2 = nullptr;
    QWidget* PaintBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QCheckBox* CheckBox7 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    PanelWidget* Panel4 = nullptr;
    PanelWidget* Panel5 = nullptr;
    PanelWidget* Panel6 = nullptr;
    PanelWidget* Panel9 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;
    QPushButton* Button10 = nullptr;
    QPushButton* Button11 = nullptr;
};

}  // namespace rw

namespace rw {

// Connects a control's signal to a handler that runs inside the error guard.
template <typename Sender, typename Signal>
void MainWindow::onSignal(Sender* sender, Signal signal, void (MainWindow::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
}

}  // namespace rw
