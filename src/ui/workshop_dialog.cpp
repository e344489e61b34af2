#include "ui/workshop_dialog.h"

#include "desktop/desktop.h"
#include "export/laser_options.h"
#include "geometry/features/option_numbers.h"
#include "platform/errors.h"
#include "ui/control_factory.h"
#include "ui/handler_guard.h"
#include "ui/settings_dialog_parts.h"
#include "ui/ui_texts.h"
#include "ui/workshop_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>

#include <algorithm>
#include <iterator>

namespace rw {
namespace {

constexpr int kNumberWidth = 64;

// The sides list's entries, in the order the list shows them.
constexpr RibSides kSides[] = {RibSides::One, RibSides::Right, RibSides::Left, RibSides::Both};

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    return makeLabel(parent, name, QRect(), caption);
}

// Millimetres typed with the locale's separator, from 0 to `largest`; `refused` otherwise.
double readMillimetres(const QString& typed, QChar separator, double largest,
                       const QString& refused) {
    static const QRegularExpression pattern(QStringLiteral("^\\d{1,4}(?:\\.\\d+)?$"));
    QString text = typed.trimmed();
    text.replace(separator, QLatin1Char('.'));
    if (!pattern.match(text).hasMatch() || text.toDouble() > largest)
        throw RibwrightError(refused);
    return text.toDouble();
}

}  // namespace

WorkshopDialog::WorkshopDialog(Desktop& desktop, QWidget* parent)
    : QDialog(parent), desktop_(desktop), separator_(desktop.decimalSeparator()) {
    dressSettingsDialog(*this, parent, "WorkshopDialog", workshop_texts::dialogTitle());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFields());
    QLabel* note = label(this, "WorkshopNote", workshop_texts::note());
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(settingsButtonRow(*this, [this] { showSettings(WorkshopSettings{}); }));
    showSettings(WorkshopSettings{});
}

QWidget* WorkshopDialog::buildFields() {
    auto* layout = new QGridLayout;
    QGroupBox* box = settingsGroup(this, "LaserGroup", workshop_texts::laserGroup(), layout);

    kerfEdit_ = makeEdit(box, "KerfEdit", QRect(), QString());
    kerfEdit_->setMinimumWidth(kNumberWidth);
    sidesList_ = new QComboBox(box);
    sidesList_->setObjectName(QStringLiteral("SidesList"));
    sidesList_->addItems({workshop_texts::oneSetChoice(), workshop_texts::rightChoice(),
                          workshop_texts::leftChoice(), workshop_texts::bothChoice()});
    copiesBox_ = new QSpinBox(box);
    copiesBox_->setObjectName(QStringLiteral("CopiesBox"));
    copiesBox_->setRange(1, kMaxCopies);
    gapEdit_ = makeEdit(box, "GapEdit", QRect(), QString());
    gapEdit_->setMinimumWidth(kNumberWidth);
    nestBox_ = makeCheckBox(box, "NestBox", QRect(), workshop_texts::nestBox(), false);

    layout->addWidget(label(box, "KerfLabel", workshop_texts::kerfLabel()), 0, 0);
    layout->addWidget(kerfEdit_, 0, 1);
    layout->addWidget(label(box, "GapLabel", workshop_texts::gapLabel()), 0, 2);
    layout->addWidget(gapEdit_, 0, 3);
    layout->addWidget(label(box, "SidesLabel", workshop_texts::sidesLabel()), 1, 0);
    layout->addWidget(sidesList_, 1, 1);
    layout->addWidget(label(box, "CopiesLabel", workshop_texts::copiesLabel()), 1, 2);
    layout->addWidget(copiesBox_, 1, 3);
    layout->addWidget(nestBox_, 2, 0, 1, 4);
    layout->setColumnStretch(4, 1);
    return box;
}

void WorkshopDialog::setSettings(const WorkshopSettings& settings) {
    settings_ = settings;
    showSettings(settings);
}

void WorkshopDialog::showSettings(const WorkshopSettings& settings) {
    const auto typed = [this](double mm) {
        return shortestOptionNumber(mm).replace(QLatin1Char('.'), separator_);
    };
    kerfEdit_->setText(typed(settings.kerf));
    gapEdit_->setText(typed(settings.gap));
    sidesList_->setCurrentIndex(
        int(std::find(std::begin(kSides), std::end(kSides), settings.sides) - std::begin(kSides)));
    copiesBox_->setValue(settings.copies);
    nestBox_->setChecked(settings.nest);
}

WorkshopSettings WorkshopDialog::readFields() const {
    WorkshopSettings settings;
    settings.kerf = readMillimetres(kerfEdit_->text(), separator_, kMaxKerf,
                                    workshop_texts::badKerf(kerfEdit_->text().trimmed()));
    settings.gap = readMillimetres(gapEdit_->text(), separator_, kMaxPartGap,
                                   workshop_texts::badGap(gapEdit_->text().trimmed()));
    if (settings.gap < settings.kerf)
        throw RibwrightError(workshop_texts::gapBelowKerf());
    settings.sides = kSides[std::clamp(sidesList_->currentIndex(), 0, 3)];
    // The box holds only whole numbers in range; text typed over it is checked all the same.
    if (!copiesBox_->hasAcceptableInput())
        throw RibwrightError(workshop_texts::badCopies(copiesBox_->text()));
    settings.copies = copiesBox_->value();
    settings.nest = nestBox_->isChecked();
    return settings;
}

void WorkshopDialog::accept() {
    bool taken = false;
    runHandlerGuarded(desktop_, [&] {
        settings_ = readFields();
        taken = true;
    });
    if (taken)
        QDialog::accept();
}

}  // namespace rw
