#include "ui/wing_panel_dialog.h"

#include "desktop/desktop.h"
#include "geometry/features/option_numbers.h"
#include "geometry/wing/wing_panel_options.h"
#include "platform/errors.h"
#include "ui/control_factory.h"
#include "ui/handler_guard.h"
#include "ui/settings_dialog_parts.h"
#include "ui/ui_texts.h"
#include "ui/wing_panel_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <iterator>

namespace rw {
namespace {

constexpr int kNumberWidth = 64;
constexpr int kPathWidth = 300;

QLineEdit* edit(QWidget* parent, const char* name, int width) {
    QLineEdit* field = makeEdit(parent, name, QRect(), QString());
    field->setMinimumWidth(width);
    return field;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    return makeLabel(parent, name, QRect(), caption);
}

// The planform list's entries, in the order of PlanformKind.
constexpr PlanformKind kPlanforms[] = {PlanformKind::Straight, PlanformKind::Elliptical,
                                       PlanformKind::Table};

}  // namespace

WingPanelDialog::WingPanelDialog(Desktop& desktop, WingPanelBasis basis, QWidget* parent)
    : QDialog(parent),
      desktop_(desktop),
      separator_(desktop.decimalSeparator()),
      basis_(std::move(basis)) {
    dressSettingsDialog(*this, parent, "WingPanelDialog", wing_panel_texts::dialogTitle());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFields());
    layout->addWidget(buildTwistFields());
    QLabel* note = label(this, "SparNote", wing_panel_texts::sparNote());
    note->setWordWrap(true);
    layout->addWidget(note);
    drawing_ = new WingPanelDrawing(this);
    drawing_->setBasis(basis_);
    layout->addWidget(drawing_, 1);
    layout->addWidget(settingsButtonRow(*this, [this] {
        showFields(WingPanelFields{});
        showTabFields(JigTabFields{});
    }));

    for (QLineEdit* field : {halfSpanEdit_, sweepEdit_, minTipChordEdit_, tableEdit_, stationsEdit_,
                             tipAirfoilEdit_, washoutEdit_, pivotEdit_}) {
        connect(field, &QLineEdit::textChanged, this, [this] { redraw(); });
    }
    connect(jigTabsBox_, &QCheckBox::toggled, this, [this] { enableChosenFields(); });
    connect(planformList_, &QComboBox::currentIndexChanged, this, [this] {
        enableChosenFields();
        redraw();
    });
    showFields(WingPanelFields{});
}

QWidget* WingPanelDialog::buildFields() {
    auto* layout = new QGridLayout;
    QGroupBox* box = settingsGroup(this, "WingPanelGroup", wing_panel_texts::panelGroup(), layout);

    halfSpanEdit_ = edit(box, "HalfSpanEdit", kNumberWidth);
    planformList_ = new QComboBox(box);
    planformList_->setObjectName(QStringLiteral("PlanformList"));
    planformList_->addItems({wing_panel_texts::straightChoice(),
                             wing_panel_texts::ellipticalChoice(),
                             wing_panel_texts::tableChoice()});
    sweepEdit_ = edit(box, "SweepEdit", kNumberWidth);
    minTipChordEdit_ = edit(box, "MinTipChordEdit", kNumberWidth);
    tableEdit_ = edit(box, "TableEdit", kPathWidth);
    tableBrowseButton_ =
        makeButton(box, "TableBrowseButton", QRect(), wing_panel_texts::browseButton());
    stationsEdit_ = edit(box, "StationsEdit", kPathWidth);
    stationsEdit_->setPlaceholderText(wing_panel_texts::stationsPlaceholder());
    tipAirfoilEdit_ = edit(box, "TipAirfoilEdit", kPathWidth);
    tipAirfoilEdit_->setPlaceholderText(wing_panel_texts::tipAirfoilPlaceholder());
    QPushButton* tipBrowse =
        makeButton(box, "TipAirfoilBrowseButton", QRect(), wing_panel_texts::browseButton());

    layout->addWidget(label(box, "HalfSpanLabel", wing_panel_texts::halfSpanLabel()), 0, 0);
    layout->addWidget(halfSpanEdit_, 0, 1);
    layout->addWidget(label(box, "SweepLabel", wing_panel_texts::sweepLabel()), 0, 2);
    layout->addWidget(sweepEdit_, 0, 3);
    layout->addWidget(label(box, "PlanformLabel", wing_panel_texts::planformLabel()), 1, 0);
    layout->addWidget(planformList_, 1, 1);
    layout->addWidget(label(box, "MinTipChordLabel", wing_panel_texts::minTipChordLabel()), 1, 2);
    layout->addWidget(minTipChordEdit_, 1, 3);
    layout->addWidget(label(box, "TableLabel", wing_panel_texts::tableLabel()), 2, 0);
    layout->addWidget(tableEdit_, 2, 1, 1, 3);
    layout->addWidget(tableBrowseButton_, 2, 4);
    layout->addWidget(label(box, "StationsLabel", wing_panel_texts::stationsLabel()), 3, 0);
    layout->addWidget(stationsEdit_, 3, 1, 1, 3);
    layout->addWidget(label(box, "TipAirfoilLabel", wing_panel_texts::tipAirfoilLabel()), 4, 0);
    layout->addWidget(tipAirfoilEdit_, 4, 1, 1, 3);
    layout->addWidget(tipBrowse, 4, 4);
    if (QComboBox* library = tipLibraryList(box))
        layout->addWidget(library, 5, 1, 1, 3);
    layout->setColumnStretch(3, 1);

    connect(tableBrowseButton_, &QPushButton::clicked, this,
            [this] { browse(tableEdit_, wing_panel_texts::tableFileFilter()); });
    connect(tipBrowse, &QPushButton::clicked, this,
            [this] { browse(tipAirfoilEdit_, ui_texts::airfoilFileFilter()); });
    return box;
}

// The twist and the tabs the ribs stand on while the twisted panel is built.
QWidget* WingPanelDialog::buildTwistFields() {
    auto* layout = new QGridLayout;
    QGroupBox* box = settingsGroup(this, "TwistGroup", wing_panel_texts::twistGroup(), layout);

    washoutEdit_ = edit(box, "WashoutEdit", kNumberWidth);
    pivotEdit_ = edit(box, "PivotEdit", kNumberWidth);
    pivotEdit_->setPlaceholderText(formatTwistOption(kDefaultTwistPivot));
    jigTabsBox_ = makeCheckBox(box, "JigTabsBox", QRect(), wing_panel_texts::jigTabsBox(), false);
    tabPositionsEdit_ = edit(box, "JigTabPositionsEdit", kNumberWidth);
    tabPositionsEdit_->setPlaceholderText(wing_panel_texts::jigTabPositionsPlaceholder());
    tabWidthEdit_ = edit(box, "JigTabWidthEdit", kNumberWidth);
    tabMinHeightEdit_ = edit(box, "JigTabMinHeightEdit", kNumberWidth);
    tabMinHeightEdit_->setPlaceholderText(shortestOptionNumber(kDefaultJigTabHeight));
    for (QLineEdit* field : {washoutEdit_, pivotEdit_, tabWidthEdit_, tabMinHeightEdit_})
        field->setFixedWidth(kNumberWidth);
    tabPositionsEdit_->setFixedWidth(kNumberWidth * 3 / 2);

    // Two rows and the note as the group's tooltip: the dialog stays short enough for the
    // drawing to keep its room on a small screen.
    box->setToolTip(wing_panel_texts::jigTabsNote());
    layout->addWidget(label(box, "WashoutLabel", wing_panel_texts::washoutLabel()), 0, 0);
    layout->addWidget(washoutEdit_, 0, 1);
    layout->addWidget(label(box, "PivotLabel", wing_panel_texts::pivotLabel()), 0, 2);
    layout->addWidget(pivotEdit_, 0, 3);
    layout->addWidget(jigTabsBox_, 1, 0, 1, 2);
    layout->addWidget(label(box, "JigTabPositionsLabel", wing_panel_texts::jigTabPositionsLabel()),
                      1, 2);
    layout->addWidget(tabPositionsEdit_, 1, 3);
    layout->addWidget(label(box, "JigTabWidthLabel", wing_panel_texts::jigTabWidthLabel()), 1, 4);
    layout->addWidget(tabWidthEdit_, 1, 5);
    layout->addWidget(label(box, "JigTabMinHeightLabel", wing_panel_texts::jigTabMinHeightLabel()),
                      1, 6);
    layout->addWidget(tabMinHeightEdit_, 1, 7);
    layout->setColumnStretch(8, 1);
    return box;
}

void WingPanelDialog::setPanel(const WingPanel& panel) {
    panel_ = panel;
    filesRead_ = panel;
    showFields(wingPanelFields(panel, separator_));
}

void WingPanelDialog::setJigTabs(const JigTabs& tabs) {
    jigTabs_ = tabs;
    showTabFields(jigTabFields(tabs, separator_));
}

void WingPanelDialog::showTabFields(const JigTabFields& fields) {
    jigTabsBox_->setChecked(fields.on);
    tabPositionsEdit_->setText(fields.positions);
    tabWidthEdit_->setText(fields.width);
    tabMinHeightEdit_->setText(fields.minHeight);
    enableChosenFields();
}

JigTabFields WingPanelDialog::tabFields() const {
    return {jigTabsBox_->isChecked(), tabPositionsEdit_->text(), tabWidthEdit_->text(),
            tabMinHeightEdit_->text()};
}

void WingPanelDialog::showFields(const WingPanelFields& fields) {
    // One redraw for the whole set, not one per field.
    const QSignalBlocker blocker(planformList_);
    for (QLineEdit* field : {halfSpanEdit_, sweepEdit_, minTipChordEdit_, tableEdit_, stationsEdit_,
                             tipAirfoilEdit_, washoutEdit_, pivotEdit_}) {
        field->blockSignals(true);
    }
    halfSpanEdit_->setText(fields.halfSpan);
    planformList_->setCurrentIndex(
        int(std::find(std::begin(kPlanforms), std::end(kPlanforms), fields.planform) -
            std::begin(kPlanforms)));
    sweepEdit_->setText(fields.sweep);
    minTipChordEdit_->setText(fields.minTipChord);
    tableEdit_->setText(fields.tablePath);
    stationsEdit_->setText(fields.stations);
    tipAirfoilEdit_->setText(fields.tipAirfoilPath);
    washoutEdit_->setText(fields.washout);
    pivotEdit_->setText(fields.pivot);
    for (QLineEdit* field : {halfSpanEdit_, sweepEdit_, minTipChordEdit_, tableEdit_, stationsEdit_,
                             tipAirfoilEdit_, washoutEdit_, pivotEdit_}) {
        field->blockSignals(false);
    }
    enableChosenFields();
    redraw();
}

WingPanelFields WingPanelDialog::fields() const {
    WingPanelFields fields;
    fields.halfSpan = halfSpanEdit_->text();
    fields.planform = kPlanforms[std::clamp(planformList_->currentIndex(), 0, 2)];
    fields.sweep = sweepEdit_->text();
    fields.minTipChord = minTipChordEdit_->text();
    fields.tablePath = tableEdit_->text();
    fields.stations = stationsEdit_->text();
    fields.tipAirfoilPath = tipAirfoilEdit_->text();
    fields.washout = washoutEdit_->text();
    fields.pivot = pivotEdit_->text();
    return fields;
}

// A table gives its own leading edge and chords; the least tip chord only bounds the ellipse.
void WingPanelDialog::enableChosenFields() {
    const PlanformKind kind = fields().planform;
    tableEdit_->setEnabled(kind == PlanformKind::Table);
    tableBrowseButton_->setEnabled(kind == PlanformKind::Table);
    sweepEdit_->setEnabled(kind != PlanformKind::Table);
    minTipChordEdit_->setEnabled(kind == PlanformKind::Elliptical);
    halfSpanEdit_->setPlaceholderText(
        kind == PlanformKind::Table ? wing_panel_texts::halfSpanPlaceholder() : QString());
    for (QLineEdit* field : {tabPositionsEdit_, tabWidthEdit_, tabMinHeightEdit_})
        field->setEnabled(jigTabsBox_->isChecked());
}

// The airfoils of the library, by their entry names: choosing one makes its file the tip
// airfoil. None when the library is empty.
QComboBox* WingPanelDialog::tipLibraryList(QWidget* parent) {
    const QDir folder(basis_.libraryFolder);
    const QStringList files =
        basis_.libraryFolder.isEmpty()
            ? QStringList()
            : folder.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        return nullptr;
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("TipLibraryList"));
    list->addItem(wing_panel_texts::tipLibraryChoice());
    for (const QString& file : files)
        list->addItem(QFileInfo(file).completeBaseName(), folder.filePath(file));
    connect(list, &QComboBox::activated, this, [this, list](int index) {
        if (index > 0)
            tipAirfoilEdit_->setText(list->itemData(index).toString());
        list->setCurrentIndex(0);
    });
    return list;
}

void WingPanelDialog::browse(QLineEdit* edit, const QString& filter) {
    const QString current = edit->text().trimmed();
    const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    if (const std::optional<QString> path = desktop_.chooseFileToOpen({QString(), folder, filter}))
        edit->setText(*path);
}

WingPanel WingPanelDialog::readPanel(bool fresh) {
    WingPanel panel = readWingPanelFields(fields(), separator_);
    if (!fresh && panel.tablePath == filesRead_.tablePath &&
        panel.tipAirfoilPath == filesRead_.tipAirfoilPath) {
        panel.sections = filesRead_.sections;
        panel.tipAirfoil = filesRead_.tipAirfoil;
        panel.tipAirfoilName = filesRead_.tipAirfoilName;
        return panel;
    }
    loadWingPanelFiles(panel);
    filesRead_ = panel;
    return panel;
}

void WingPanelDialog::redraw() {
    try {
        drawing_->showPanel(readPanel(false));
    } catch (const RibwrightError& error) {
        drawing_->showMessage(error.text());
    }
}

void WingPanelDialog::accept() {
    bool taken = false;
    runHandlerGuarded(desktop_, [&] {
        // The files are read again: they may have changed since the drawing read them.
        WingPanel panel = readPanel(true);
        JigTabs tabs = readJigTabFields(tabFields(), separator_);
        if (isWingPanelSet(panel)) {
            resolveWingPanel(panel, basis_.rootAirfoil, basis_.rootChord, basis_.tipChord,
                             basis_.ribCount);
        }
        if (check_)
            check_(panel, tabs);
        panel_ = std::move(panel);
        jigTabs_ = std::move(tabs);
        taken = true;
    });
    if (taken)
        QDialog::accept();
}

}  // namespace rw
