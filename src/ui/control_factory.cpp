#include "ui/control_factory.h"

#include "ui/panel_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace rw {

namespace {

// Most controls are placed before the window's font reaches them.
QFont controlFont(const QWidget* parent) {
    return parent ? parent->font() : QFont();
}

template <typename Control>
Control* placed(Control* control, const char* name, QRect place) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    return control;
}

// The design's face is narrower than the Japanese faces found on other desktops. Rather than
// move controls, a caption that would not fit its room is drawn slightly condensed.
void condenseToFit(QWidget* control, const QString& caption, int room) {
    QFont font = controlFont(control->parentWidget());
    const int natural = QFontMetrics(font).horizontalAdvance(caption);
    if (caption.isEmpty() || room <= 0 || natural <= room)
        return;
    const int stretch = std::max(70, room * 100 / natural);
    font.setStretch(stretch);
    control->setFont(font);
}

}  // namespace

QPushButton* makeButton(QWidget* parent, const char* name, QRect place, const QString& caption,
                        const QString& hint) {
    auto* button = placed(new QPushButton(caption, parent), name, place);
    condenseToFit(button, caption, place.width() - 8);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect place, const QString& caption) {
    auto* label = placed(new QLabel(caption, parent), name, place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    condenseToFit(label, caption, place.width());
    return label;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, QRect place, const QString& text) {
    auto* edit = placed(new QLineEdit(text, parent), name, place);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QComboBox* makeDropDown(QWidget* parent, const char* name, QRect place) {
    auto* list = placed(new QComboBox(parent), name, place);
    list->setEditable(true);
    // Typed text is read as it stands: no completion, and Enter does not add it to the list.
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, QRect place, const QString& caption,
                        bool checked) {
    auto* box = placed(new QCheckBox(caption, parent), name, place);
    box->setChecked(checked);
    const QStyle* style = box->style();
    condenseToFit(box, caption,
                  place.width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) -
                      style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box));
    return box;
}

QGroupBox* makeGroupBox(QWidget* parent, const char* name, QRect place, const QString& caption) {
    auto* group = placed(new QGroupBox(caption, parent), name, place);
    // Frame and caption as on the design: the caption sits on the frame's top line.
    group->setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid #808080; margin-top: 6px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px;"
                       " background-color: #c0c0c0; }"));
    return group;
}

PanelWidget* makePanel(QWidget* parent, const char* name, QRect place, const QColor& colour) {
    auto* panel = placed(new PanelWidget(parent), name, place);
    panel->setColour(colour);
    return panel;
}

}  // namespace rw
