#pragma once

#include "ui/workshop_settings_file.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace rw {

class Desktop;

// 工作設定: how the laser files cut the ribs (the kerf) and lay them out (sides, sets, the gap
// between parts, nesting). OK reads every field; a field that does not read shows its message and
// the dialog stays open with nothing taken. Like the other dialogs it never blocks: the window
// takes `settings()` when it reports `accepted`.
class WorkshopDialog : public QDialog {
    Q_OBJECT
  public:
    WorkshopDialog(Desktop& desktop, QWidget* parent);

    void setSettings(const WorkshopSettings& settings);
    const WorkshopSettings& settings() const { return settings_; }

    void accept() override;

  private:
    QWidget* buildFields();
    void showSettings(const WorkshopSettings& settings);
    // Throws RibwrightError naming the first field that does not read.
    WorkshopSettings readFields() const;

    Desktop& desktop_;
    QChar separator_;
    WorkshopSettings settings_;

    QLineEdit* kerfEdit_ = nullptr;
    QComboBox* sidesList_ = nullptr;
    QSpinBox* copiesBox_ = nullptr;
    QLineEdit* gapEdit_ = nullptr;
    QCheckBox* nestBox_ = nullptr;
};

}  // namespace rw
