#include "ui/rib_panel.h"

#include "desktop/desktop.h"
#include "panel/control_table.h"
#include "platform/errors.h"
#include "ui/control_factory.h"
#include "ui/ui_texts.h"
#include "ui/wing_panel_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rw {

namespace {

QStringList integers(int from, int to) {
    QStringList entries;
    for (int i = from; i <= to; ++i) entries << QString::number(i);
    return entries;
}

void fill(QComboBox* list, const QStringList& entries, const QString& text) {
    list->clear();
    list->addItems(entries);
    const int index = list->findText(text);
    if (index >= 0)
        list->setCurrentIndex(index);
    list->setEditText(text);
}

}  // namespace

RibPanel::RibPanel(Desktop& desktop, QWidget* parent) : PanelWidget(parent), desktop_(desktop) {
    setObjectName(QStringLiteral("Panel2"));
    setColour(QColor(192, 192, 192));
    buildControls();
    fillDropDownLists();
    connectControls();
}

template <typename Control>
Control* RibPanel::control(const char* name) const {
    return findChild<Control*>(QLatin1String(name));
}

void RibPanel::buildControls() {
    for (const ControlSpec& row : settingsColumnControls()) {
        QWidget* parent = objectName() == QLatin1String(row.parent) ? static_cast<QWidget*>(this)
                                                                    : control<QWidget>(row.parent);
        makeControl(parent, row);
    }
    rootChordEdit_ = control<QLineEdit>("Edit2");
    tipChordEdit_ = control<QLineEdit>("Edit3");
    sparPercentEdit_ = control<QLineEdit>("Edit4");
    skinThicknessList_ = control<QComboBox>("ComboBox1");
    ribCountList_ = control<QComboBox>("ComboBox2");
    rootThicknessList_ = control<QComboBox>("ComboBox3");
    tipThicknessList_ = control<QComboBox>("ComboBox4");
    taperBox_ = control<QCheckBox>("CheckBox1");
    sparLineBox_ = control<QCheckBox>("CheckBox2");
    sheetPointsBox_ = control<QCheckBox>("CheckBox4");
    gridBox_ = control<QCheckBox>("CheckBox5");
    rootThicknessBox_ = control<QCheckBox>("CheckBox6");
    tipThicknessBox_ = control<QCheckBox>("CheckBox7");
    tipChordLabel_ = control<QLabel>("Label3");
    ribCountLabel_ = control<QLabel>("Label4");
    skinSwatch_ = control<PanelWidget>("Panel4");
    ribSwatch_ = control<PanelWidget>("Panel5");
    gridSwatch_ = control<PanelWidget>("Panel6");
    drawButton_ = control<QPushButton>("Button8");
    backButton_ = control<QPushButton>("Button4");
    helpPanel_ = control<PanelWidget>("Panel9");
    paperList_ = control<QComboBox>("PaperList");
    stockEdit_ = control<QLineEdit>("StockEdit");
    ribDetailsButton_ = control<QPushButton>("RibDetailsButton");
    wingPanelButton_ = control<QPushButton>("WingPanelButton");
    workshopButton_ = control<QPushButton>("WorkshopButton");
    chordsByTableNote_ = control<QLabel>("WingTableNote");
    planBox_ = control<QCheckBox>("PlanBox");
    for (const OutputFormatRow& format : outputFormats())
        exportButtons_.emplace_back(control<QPushButton>(format.exportButton), format.id);
}

// The skin list in steps of half a millimetre, written with the locale's separator; its first
// text uses that separator too, so the very first redraw reads it in every locale.
void RibPanel::fillDropDownLists() {
    const QChar separator = desktop_.decimalSeparator();
    const RibSettings defaults = defaultRibSettings(separator);
    QStringList skin;
    for (int i = 0; i <= 10; ++i)
        skin << QString::number(i / 2.0, 'f', 2).replace(QLatin1Char('.'), separator);
    fill(skinThicknessList_, skin, defaults.skinThicknessText);
    fill(ribCountList_, integers(2, 16), defaults.ribCountText);
    fill(rootThicknessList_, integers(80, 120), defaults.rootThicknessText);
    fill(tipThicknessList_, integers(80, 120), defaults.tipThicknessText);
    // Only the sizes the print knows: a choice, not a field to type in.
    paperList_->setEditable(false);
    paperList_->addItems(paperSizeNames());
    paperList_->setCurrentText(settingsControl("PaperList").caption);
}

void RibPanel::connectControls() {
    // A changed chord, skin or rib count makes the last sheet out of date until the next redraw.
    auto outOfDate = [this] { setExportsEnabled(false); };
    connect(rootChordEdit_, &QLineEdit::textChanged, this, outOfDate);
    connect(tipChordEdit_, &QLineEdit::textChanged, this, outOfDate);
    connect(skinThicknessList_, &QComboBox::editTextChanged, this, outOfDate);
    connect(ribCountList_, &QComboBox::editTextChanged, this, outOfDate);

    connect(drawButton_, &QPushButton::clicked, this, &RibPanel::redrawRequested);
    connect(sheetPointsBox_, &QCheckBox::clicked, this, &RibPanel::redrawRequested);
    connect(gridBox_, &QCheckBox::clicked, this, &RibPanel::redrawRequested);
    connect(sparLineBox_, &QCheckBox::clicked, this, [this] {
        setExportsEnabled(false);
        emit redrawRequested();
    });
    connect(taperBox_, &QCheckBox::clicked, this, [this] {
        applyTaper();
        emit redrawRequested();
    });
    for (PanelWidget* swatch : {skinSwatch_, ribSwatch_, gridSwatch_}) {
        connect(swatch, &PanelWidget::clicked, this,
                [this, swatch] { chooseSwatchColour(swatch); });
    }
    for (const auto& [button, format] : exportButtons_) {
        connect(button, &QPushButton::clicked, this,
                [this, format = format] { emit exportRequested(format); });
    }
    connect(backButton_, &QPushButton::clicked, this, &RibPanel::backRequested);
    connect(helpPanel_, &PanelWidget::clicked, this, &RibPanel::helpRequested);
    connect(ribDetailsButton_, &QPushButton::clicked, this, &RibPanel::ribDetailsRequested);
    connect(wingPanelButton_, &QPushButton::clicked, this, &RibPanel::wingPanelRequested);
    connect(workshopButton_, &QPushButton::clicked, this, &RibPanel::workshopRequested);
}

// The tip controls belong to the taper; the tip thickness stays usable without it. A wing panel
// may decide the chords or the rib count itself (applyWingPanel).
void RibPanel::applyTaper() {
    const bool taper = taperBox_->isChecked();
    for (QWidget* tipControl :
         {static_cast<QWidget*>(tipChordLabel_), static_cast<QWidget*>(tipChordEdit_),
          static_cast<QWidget*>(ribCountLabel_), static_cast<QWidget*>(ribCountList_)}) {
        tipControl->setEnabled(taper);
    }
    applyWingPanel();
}

void RibPanel::setWingPanel(const WingPanel& panel) {
    wingPanel_ = panel;
    applyTaper();
}

// A table gives every chord, and stations other than an even count of the column's ribs give
// the ribs: those fields are greyed, what they hold is kept for when the panel lets go of them.
void RibPanel::applyWingPanel() {
    const bool byTable = isWingPanelSet(wingPanel_) && wingPanel_.planform == PlanformKind::Table;
    const RibStations& stations = wingPanel_.stations;
    const bool byStations =
        isWingPanelSet(wingPanel_) && !(stations.kind == StationKind::Count && stations.count == 0);
    const bool taper = taperBox_->isChecked();
    rootChordEdit_->setEnabled(!byTable);
    tipChordEdit_->setEnabled(taper && !byTable);
    tipChordLabel_->setEnabled(taper && !byTable);
    ribCountList_->setEnabled(taper && !byStations);
    ribCountLabel_->setEnabled(taper && !byStations);
    const QString chordsHint = byTable ? wing_panel_texts::chordsByTableHint() : QString();
    for (QWidget* chord :
         {static_cast<QWidget*>(rootChordEdit_), static_cast<QWidget*>(tipChordEdit_)}) {
        chord->setToolTip(chordsHint);
    }
    chordsByTableNote_->setText(byTable ? wing_panel_texts::chordsByTableNote() : QString());
    ribCountList_->setToolTip(byStations ? wing_panel_texts::ribCountByStationsHint() : QString());
    showPanelValues(byTable, byStations);
}

namespace {

// Gives `field` the panel's text, keeping what the user typed the first time; gives the typed
// text back once the panel no longer decides the field.
template <typename SetText>
void overrule(std::optional<QString>& typed, const QString& current,
              const std::optional<QString>& decided, SetText setText) {
    if (decided) {
        if (!typed)
            typed = current;
        setText(*decided);
    } else if (typed) {
        setText(*typed);
        typed.reset();
    }
}

}  // namespace

// The greyed fields show what the panel makes of them, so the sheet's notes and the proposed
// file names tell the ribs that are cut rather than a value the panel overrules.
void RibPanel::showPanelValues(bool byTable, bool byStations) {
    const QChar separator = desktop_.decimalSeparator();
    const auto typedNumber = [&](double value) {
        QString text = QString::number(value, 'g', 7);
        return text.replace(QLatin1Char('.'), separator);
    };
    std::optional<QString> root, tip, count;
    try {
        double span = wingPanel_.halfSpan.value_or(0);
        if (byTable && !wingPanel_.sections.empty()) {
            if (span <= 0)
                span = wingPanel_.sections.back().span;
            root = typedNumber(planformAt(wingPanel_, span, 0, 0, 0).chord);
            tip = typedNumber(planformAt(wingPanel_, span, 0, 0, span).chord);
        }
        if (byStations) {
            const int fieldCount = ribCountList_->currentText().toInt();
            count = QString::number(ribStations(wingPanel_.stations, span, fieldCount).size());
        }
    } catch (const RibwrightError&) {
        // A panel that cannot be placed says so when the sheet is drawn; the fields stay.
    }
    overrule(typedRootChord_, rootChordEdit_->text(), root,
             [&](const QString& text) { rootChordEdit_->setText(text); });
    overrule(typedTipChord_, tipChordEdit_->text(), tip,
             [&](const QString& text) { tipChordEdit_->setText(text); });
    overrule(typedRibCount_, ribCountList_->currentText(), count,
             [&](const QString& text) { ribCountList_->setEditText(text); });
}

// The picker opens with whatever colour was last chosen in it, not the swatch's own colour.
void RibPanel::chooseSwatchColour(PanelWidget* swatch) {
    const std::optional<QColor> chosen = desktop_.chooseColour();
    if (!chosen)
        return;
    swatch->setColour(*chosen);
    emit redrawRequested();
}

void RibPanel::setExportsEnabled(bool enabled) {
    for (const auto& [button, format] : exportButtons_) button->setEnabled(enabled);
}

OutputOptions RibPanel::outputOptions() const {
    OutputOptions options;
    options.paper = paperSizeNamed(paperList_->currentText()).value_or(options.paper);
    const std::optional<QSizeF> stock = parseStockSize(stockEdit_->text());
    if (!stock)
        throw RibwrightError(ui_texts::badStockSize(stockEdit_->text()));
    options.stock = *stock;
    options.plan = planBox_->isChecked();
    applyWorkshopSettings(workshop_, options);
    return options;
}

RibSettings RibPanel::snapshot() const {
    RibSettings panel;
    panel.rootChordText = rootChordEdit_->text();
    panel.tipChordText = tipChordEdit_->text();
    panel.sparPercentText = sparPercentEdit_->text();
    panel.skinThicknessText = skinThicknessList_->currentText();
    panel.ribCountText = ribCountList_->currentText();
    panel.rootThicknessText = rootThicknessList_->currentText();
    panel.tipThicknessText = tipThicknessList_->currentText();
    panel.taperOn = taperBox_->isChecked();
    panel.showSparLine = sparLineBox_->isChecked();
    panel.showSheetPoints = sheetPointsBox_->isChecked();
    panel.showGrid = gridBox_->isChecked();
    panel.rootThicknessOn = rootThicknessBox_->isChecked();
    panel.tipThicknessOn = tipThicknessBox_->isChecked();
    panel.skinColour = skinSwatch_->colour();
    panel.ribColour = ribSwatch_->colour();
    panel.gridColour = gridSwatch_->colour();
    panel.decimalSeparator = desktop_.decimalSeparator();
    panel.features = features_;
    panel.panel = wingPanel_;
    return panel;
}

}  // namespace rw
