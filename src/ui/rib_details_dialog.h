#pragma once

#include "geometry/rib_features.h"
#include "ui/rib_details_fields.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace rw {

class Desktop;
class SparNotchList;

// リブ詳細: the features that make a rib a part that slots onto its spars (spar notches,
// sheeting per surface, trailing-edge stock, lightening holes). OK reads the fields and runs the
// check it was given; a value either refuses shows its message and the dialog stays open with
// nothing taken. The dialog never blocks: the window opens it and takes `features()` when it
// reports `accepted`.
class RibDetailsDialog : public QDialog {
    Q_OBJECT
  public:
    // Throws RibwrightError to refuse features the ribs cannot take.
    using Check = std::function<void(const RibFeatures&)>;

    RibDetailsDialog(Desktop& desktop, QWidget* parent);

    void setFeatures(const RibFeatures& features);
    void setCheck(Check check) { check_ = std::move(check); }
    // What OK took.
    const RibFeatures& features() const { return features_; }

    void accept() override;

  private:
    QWidget* buildNotchGroup();
    QWidget* buildSheetingGroup();
    QWidget* buildTrailingEdgeGroup();
    QWidget* buildHolesGroup();
    QWidget* buildMinimumWebGroup();
    void showFields(const RibDetailsFields& fields);
    RibDetailsFields fields() const;
    void enableChosenFields();

    Desktop& desktop_;
    QChar separator_;
    Check check_;
    RibFeatures features_;

    SparNotchList* notchList_ = nullptr;
    QCheckBox* upperSkinBox_ = nullptr;
    QLineEdit* upperSkinEdit_ = nullptr;
    QCheckBox* lowerSkinBox_ = nullptr;
    QLineEdit* lowerSkinEdit_ = nullptr;
    QRadioButton* noStockButton_ = nullptr;
    QRadioButton* flatStockButton_ = nullptr;
    QRadioButton* notchStockButton_ = nullptr;
    QLineEdit* stockDistanceEdit_ = nullptr;
    QLineEdit* stockLengthEdit_ = nullptr;
    QLineEdit* stockHeightEdit_ = nullptr;
    QCheckBox* holesBox_ = nullptr;
    QLineEdit* holeDiameterEdit_ = nullptr;
    QLineEdit* holeWebEdit_ = nullptr;
    QLineEdit* minimumWebEdit_ = nullptr;
};

}  // namespace rw
