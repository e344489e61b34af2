#include "ui/spar_notch_list.h"

#include "geometry/geometry_texts.h"
#include "ui/ui_texts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

namespace rw {
namespace {

// The column widths, shared by the titles and the rows so they line up.
constexpr int kNumberWidth = 60;
constexpr int kUnitWidth = 104;
constexpr int kSideWidth = 78;
constexpr int kRemoveWidth = 44;
// Room for four rows before the list scrolls.
constexpr int kListHeight = 112;

// In the order of NotchSide.
QStringList sideNames() {
    return {notchSideName(NotchSide::Top), notchSideName(NotchSide::Bottom),
            notchSideName(NotchSide::Both)};
}

QLineEdit* numberEdit(QWidget* row, const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, row);
    edit->setObjectName(QLatin1String(name));
    edit->setFixedWidth(kNumberWidth);
    return edit;
}

QComboBox* choice(QWidget* row, const char* name, const QStringList& entries, int index,
                  int width) {
    auto* list = new QComboBox(row);
    list->setObjectName(QLatin1String(name));
    list->addItems(entries);
    list->setCurrentIndex(index);
    list->setFixedWidth(width);
    return list;
}

QLabel* columnTitle(const QString& text, int width) {
    auto* label = new QLabel(text);
    label->setFixedWidth(width);
    return label;
}

// The unit names differ in length from one language and face to another; the list is made as
// wide as its longest name needs, never narrower than the column's usual width.
int unitColumnWidth(const QWidget* dialogPart) {
    QComboBox probe;
    probe.setFont(dialogPart->font());
    probe.addItems(ui_texts::notchPositionUnits());
    probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return std::max(kUnitWidth, probe.sizeHint().width());
}

template <typename Control>
Control* part(const QWidget* row, const char* name) {
    return row->findChild<Control*>(QLatin1String(name));
}

}  // namespace

SparNotchList::SparNotchList(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SparNotchList"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    unitWidth_ = unitColumnWidth(this);

    auto* titles = new QHBoxLayout;
    titles->addWidget(columnTitle(ui_texts::notchPositionColumn(), kNumberWidth));
    titles->addWidget(columnTitle(ui_texts::notchUnitColumn(), unitWidth_));
    titles->addWidget(columnTitle(ui_texts::notchWidthColumn(), kNumberWidth));
    titles->addWidget(columnTitle(ui_texts::notchDepthColumn(), kNumberWidth));
    titles->addWidget(columnTitle(ui_texts::notchSideColumn(), kSideWidth));
    titles->addWidget(columnTitle(QString(), kRemoveWidth));
    titles->addStretch();
    layout->addLayout(titles);

    auto* rows = new QWidget;
    rowsLayout_ = new QVBoxLayout(rows);
    rowsLayout_->setContentsMargins(0, 0, 0, 0);
    rowsLayout_->setSpacing(4);
    emptyNote_ = new QLabel(ui_texts::noNotchesNote(), rows);
    rowsLayout_->addWidget(emptyNote_);
    rowsLayout_->addStretch();

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("NotchScroll"));
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFixedHeight(kListHeight);
    // As wide as a whole row: the list scrolls down, never sideways.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(titles->sizeHint().width() +
                            style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    // The rows sit on the dialog's own silver, not on a white viewport.
    scroll->viewport()->setAutoFillBackground(false);
    rows->setAutoFillBackground(false);
    layout->addWidget(scroll);

    addButton_ = new QPushButton(ui_texts::addNotchButton(), this);
    addButton_->setObjectName(QStringLiteral("AddNotchButton"));
    addButton_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addStretch();
    layout->addLayout(buttons);
    // A row added by hand is typed into next.
    connect(addButton_, &QPushButton::clicked, this, [this] {
        part<QLineEdit>(addRow(SparNotchFields{}), "NotchPosition")->setFocus(Qt::TabFocusReason);
    });
}

QWidget* SparNotchList::addRow(const SparNotchFields& fields) {
    // Taken before the row joins the dialog, which may put the row's fields anywhere.
    QWidget* before = addButton_->previousInFocusChain();
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("SparNotchRow"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(numberEdit(row, "NotchPosition", fields.position));
    layout->addWidget(choice(row, "NotchUnit", ui_texts::notchPositionUnits(),
                             fields.positionInMm ? 1 : 0, unitWidth_));
    layout->addWidget(numberEdit(row, "NotchWidth", fields.width));
    layout->addWidget(numberEdit(row, "NotchDepth", fields.depth));
    layout->addWidget(choice(row, "NotchSide", sideNames(), int(fields.side), kSideWidth));
    auto* remove = new QPushButton(ui_texts::removeNotchButton(), row);
    remove->setObjectName(QStringLiteral("RemoveNotchButton"));
    remove->setAutoDefault(false);
    remove->setFixedWidth(kRemoveWidth);
    layout->addWidget(remove);
    layout->addStretch();
    connect(remove, &QPushButton::clicked, this, [this, row] { removeRow(row); });

    // Before the stretch that keeps the rows at the top.
    rowsLayout_->insertWidget(rowsLayout_->count() - 1, row);
    showWhetherEmpty();

    // Made after the dialog's own buttons, the row would otherwise be reached only after them.
    for (int i = 0; i < layout->count(); ++i) {
        QWidget* field = layout->itemAt(i)->widget();
        if (!field)
            continue;
        QWidget::setTabOrder(before, field);
        before = field;
    }
    QWidget::setTabOrder(before, addButton_);
    return row;
}

// The row goes at once, so the list reads without it; the widget itself is deleted once its
// button has finished reporting the click.
void SparNotchList::removeRow(QWidget* row) {
    rowsLayout_->removeWidget(row);
    row->hide();
    row->setParent(nullptr);
    row->deleteLater();
    showWhetherEmpty();
}

void SparNotchList::showWhetherEmpty() {
    emptyNote_->setVisible(rowsLayout_->count() <= 2);
}

std::vector<SparNotchFields> SparNotchList::notches() const {
    std::vector<SparNotchFields> notches;
    for (int i = 0; i < rowsLayout_->count(); ++i) {
        const QWidget* row = rowsLayout_->itemAt(i)->widget();
        if (!row || row->objectName() != QLatin1String("SparNotchRow"))
            continue;
        SparNotchFields fields;
        fields.position = part<QLineEdit>(row, "NotchPosition")->text();
        fields.positionInMm = part<QComboBox>(row, "NotchUnit")->currentIndex() == 1;
        fields.width = part<QLineEdit>(row, "NotchWidth")->text();
        fields.depth = part<QLineEdit>(row, "NotchDepth")->text();
        fields.side = NotchSide(part<QComboBox>(row, "NotchSide")->currentIndex());
        notches.push_back(fields);
    }
    return notches;
}

void SparNotchList::setNotches(const std::vector<SparNotchFields>& notches) {
    for (QWidget* row : findChildren<QWidget*>(QStringLiteral("SparNotchRow"))) removeRow(row);
    for (const SparNotchFields& fields : notches) addRow(fields);
}

}  // namespace rw
