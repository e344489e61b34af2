#include "ui/rib_details_dialog.h"

#include "desktop/desktop.h"
#include "geometry/geometry_texts.h"
#include "ui/control_factory.h"
#include "ui/handler_guard.h"
#include "ui/settings_dialog_parts.h"
#include "ui/spar_notch_list.h"
#include "ui/ui_texts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace rw {
namespace {

constexpr int kNumberWidth = 52;

QLineEdit* numberEdit(QWidget* parent, const char* name) {
    QLineEdit* edit = makeEdit(parent, name, QRect(), QString());
    edit->setFixedWidth(kNumberWidth);
    return edit;
}

QRadioButton* radio(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

RibDetailsDialog::RibDetailsDialog(Desktop& desktop, QWidget* parent)
    : QDialog(parent), desktop_(desktop), separator_(desktop.decimalSeparator()) {
    dressSettingsDialog(*this, parent, "RibDetailsDialog", ui_texts::ribDetailsTitle());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildNotchGroup());
    layout->addWidget(buildSheetingGroup());
    layout->addWidget(buildTrailingEdgeGroup());
    layout->addWidget(buildHolesGroup());
    layout->addWidget(buildMinimumWebGroup());
    layout->addWidget(settingsButtonRow(*this, [this] { showFields(RibDetailsFields{}); }));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QAbstractButton* choice :
         std::initializer_list<QAbstractButton*>{upperSkinBox_, lowerSkinBox_, noStockButton_,
                                                 flatStockButton_, notchStockButton_, holesBox_}) {
        connect(choice, &QAbstractButton::toggled, this, [this] { enableChosenFields(); });
    }
    showFields(RibDetailsFields{});
}

QWidget* RibDetailsDialog::buildNotchGroup() {
    auto* layout = new QVBoxLayout;
    QGroupBox* box = settingsGroup(this, "NotchGroup", ui_texts::notchGroup(), layout);
    notchList_ = new SparNotchList(box);
    layout->addWidget(notchList_);
    return box;
}

QWidget* RibDetailsDialog::buildSheetingGroup() {
    auto* layout = new QGridLayout;
    QGroupBox* box = settingsGroup(this, "SheetingGroup", ui_texts::sheetingGroup(), layout);
    upperSkinBox_ = makeCheckBox(box, "UpperSkinBox", QRect(), ui_texts::upperSkinSwitch(), false);
    upperSkinEdit_ = numberEdit(box, "UpperSkinEdit");
    lowerSkinBox_ = makeCheckBox(box, "LowerSkinBox", QRect(), ui_texts::lowerSkinSwitch(), false);
    lowerSkinEdit_ = numberEdit(box, "LowerSkinEdit");
    layout->addWidget(upperSkinBox_, 0, 0);
    layout->addWidget(upperSkinEdit_, 0, 1);
    layout->addWidget(lowerSkinBox_, 0, 3);
    layout->addWidget(lowerSkinEdit_, 0, 4);
    layout->setColumnMinimumWidth(2, 24);
    layout->setColumnStretch(5, 1);
    layout->addWidget(makeLabel(box, "SheetingNote", QRect(), ui_texts::sheetingNote()), 1, 0, 1,
                      6);
    return box;
}

QWidget* RibDetailsDialog::buildTrailingEdgeGroup() {
    auto* layout = new QGridLayout;
    QGroupBox* box =
        settingsGroup(this, "TrailingEdgeGroup", ui_texts::trailingEdgeGroup(), layout);
    noStockButton_ = radio(box, "NoStockButton", ui_texts::noStockChoice());
    flatStockButton_ = radio(box, "FlatStockButton", ui_texts::flatStockChoice());
    notchStockButton_ = radio(box, "NotchStockButton", ui_texts::notchStockChoice());
    stockDistanceEdit_ = numberEdit(box, "StockDistanceEdit");
    stockLengthEdit_ = numberEdit(box, "StockLengthEdit");
    stockHeightEdit_ = numberEdit(box, "StockHeightEdit");
    layout->addWidget(noStockButton_, 0, 0);
    layout->addWidget(flatStockButton_, 1, 0);
    layout->addWidget(makeLabel(box, "StockDistanceLabel", QRect(), ui_texts::stockDistanceLabel()),
                      1, 1);
    layout->addWidget(stockDistanceEdit_, 1, 2);
    layout->addWidget(notchStockButton_, 2, 0);
    layout->addWidget(makeLabel(box, "StockLengthLabel", QRect(), ui_texts::stockLengthLabel()), 2,
                      1);
    layout->addWidget(stockLengthEdit_, 2, 2);
    layout->addWidget(makeLabel(box, "StockHeightLabel", QRect(), ui_texts::stockHeightLabel()), 2,
                      3);
    layout->addWidget(stockHeightEdit_, 2, 4);
    layout->setColumnStretch(5, 1);
    return box;
}

QWidget* RibDetailsDialog::buildHolesGroup() {
    auto* layout = new QGridLayout;
    QGroupBox* box = settingsGroup(this, "HolesGroup", lighteningHolesName(), layout);
    holesBox_ = makeCheckBox(box, "HolesBox", QRect(), ui_texts::holesSwitch(), false);
    holeDiameterEdit_ = numberEdit(box, "HoleDiameterEdit");
    holeWebEdit_ = numberEdit(box, "HoleWebEdit");
    layout->addWidget(holesBox_, 0, 0, 1, 5);
    layout->addWidget(makeLabel(box, "HoleDiameterLabel", QRect(), ui_texts::holeDiameterLabel()),
                      1, 0);
    layout->addWidget(holeDiameterEdit_, 1, 1);
    layout->addWidget(makeLabel(box, "HoleWebLabel", QRect(), ui_texts::holeWebLabel()), 1, 2);
    layout->addWidget(holeWebEdit_, 1, 3);
    layout->setColumnStretch(4, 1);
    return box;
}

QWidget* RibDetailsDialog::buildMinimumWebGroup() {
    auto* layout = new QGridLayout;
    QGroupBox* box = settingsGroup(this, "MinimumWebGroup", ui_texts::minimumWebGroup(), layout);
    minimumWebEdit_ = numberEdit(box, "MinimumWebEdit");
    layout->addWidget(makeLabel(box, "MinimumWebLabel", QRect(), ui_texts::minimumWebLabel()), 0,
                      0);
    layout->addWidget(minimumWebEdit_, 0, 1);
    layout->setColumnStretch(2, 1);
    return box;
}

void RibDetailsDialog::setFeatures(const RibFeatures& features) {
    features_ = features;
    showFields(ribDetailsFields(features, separator_));
}

void RibDetailsDialog::showFields(const RibDetailsFields& fields) {
    notchList_->setNotches(fields.notches);
    upperSkinBox_->setChecked(fields.upperSkinOn);
    upperSkinEdit_->setText(fields.upperSkin);
    lowerSkinBox_->setChecked(fields.lowerSkinOn);
    lowerSkinEdit_->setText(fields.lowerSkin);
    noStockButton_->setChecked(fields.trailingEdge == TrailingEdgeCut::None);
    flatStockButton_->setChecked(fields.trailingEdge == TrailingEdgeCut::Flat);
    notchStockButton_->setChecked(fields.trailingEdge == TrailingEdgeCut::Notch);
    stockDistanceEdit_->setText(fields.trailingEdgeDistance);
    stockLengthEdit_->setText(fields.trailingEdgeLength);
    stockHeightEdit_->setText(fields.trailingEdgeHeight);
    holesBox_->setChecked(fields.holesOn);
    holeDiameterEdit_->setText(fields.holeDiameter);
    holeWebEdit_->setText(fields.holeWeb);
    minimumWebEdit_->setText(fields.minimumWeb);
    enableChosenFields();
}

RibDetailsFields RibDetailsDialog::fields() const {
    RibDetailsFields fields;
    fields.notches = notchList_->notches();
    fields.upperSkinOn = upperSkinBox_->isChecked();
    fields.upperSkin = upperSkinEdit_->text();
    fields.lowerSkinOn = lowerSkinBox_->isChecked();
    fields.lowerSkin = lowerSkinEdit_->text();
    fields.trailingEdge = flatStockButton_->isChecked()    ? TrailingEdgeCut::Flat
                          : notchStockButton_->isChecked() ? TrailingEdgeCut::Notch
                                                           : TrailingEdgeCut::None;
    fields.trailingEdgeDistance = stockDistanceEdit_->text();
    fields.trailingEdgeLength = stockLengthEdit_->text();
    fields.trailingEdgeHeight = stockHeightEdit_->text();
    fields.holesOn = holesBox_->isChecked();
    fields.holeDiameter = holeDiameterEdit_->text();
    fields.holeWeb = holeWebEdit_->text();
    fields.minimumWeb = minimumWebEdit_->text();
    return fields;
}

// A field is open only while its feature is switched on; what it holds is kept meanwhile.
void RibDetailsDialog::enableChosenFields() {
    upperSkinEdit_->setEnabled(upperSkinBox_->isChecked());
    lowerSkinEdit_->setEnabled(lowerSkinBox_->isChecked());
    stockDistanceEdit_->setEnabled(flatStockButton_->isChecked());
    stockLengthEdit_->setEnabled(notchStockButton_->isChecked());
    stockHeightEdit_->setEnabled(notchStockButton_->isChecked());
    holeDiameterEdit_->setEnabled(holesBox_->isChecked());
    holeWebEdit_->setEnabled(holesBox_->isChecked());
}

void RibDetailsDialog::accept() {
    bool taken = false;
    runHandlerGuarded(desktop_, [&] {
        RibFeatures features = readRibDetailsFields(fields(), separator_);
        // The jig tabs are set with the wing panel; this dialog keeps them as they are.
        features.jigTabs = features_.jigTabs;
        if (check_)
            check_(features);
        features_ = std::move(features);
        taken = true;
    });
    if (taken)
        QDialog::accept();
}

}  // namespace rw
