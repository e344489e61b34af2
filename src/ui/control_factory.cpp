#include "ui/control_factory.h"

#include "panel/control_table.h"
#include "ui/memo_box.h"
#include "ui/panel_widget.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace rw {

namespace {

const QColor kDisabledText(112, 112, 112);

// Most controls are placed before the window's font reaches them.
QFont controlFont(const QWidget* parent) {
    return parent ? parent->font() : QFont();
}

// Each control takes its parent's font outright: a group box's style sheet would otherwise hand
// the controls inside it the toolkit's default face instead of the window's.
template <typename Control>
Control* placed(Control* control, const char* name, QRect place) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    control->setFont(controlFont(control->parentWidget()));
    return control;
}

// The preferred Windows face is narrower than the Japanese faces on other desktops. Rather than
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

// The table holds source texts; each is translated as its control is built, so the translation
// installed at start-up reaches every caption and tooltip.
QString translated(const QString& source) {
    if (source.isEmpty())
        return source;
    return QCoreApplication::translate(kControlTableContext, source.toUtf8().constData());
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
    // The typing field and the drop-down are made inside the list: they take its font too.
    list->lineEdit()->setFont(list->font());
    list->view()->setFont(list->font());
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
    // A thin grey frame with the caption sitting on its top line.
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

// Panels that act as buttons stand out from the surface and show a pointing hand.
static PanelWidget* makeClickablePanel(QWidget* parent, const ControlSpec& row,
                                       const QColor& colour) {
    PanelWidget* panel = makePanel(parent, row.name, row.place, colour);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setCursor(Qt::PointingHandCursor);
    panel->setKeyboardClickable();
    return panel;
}

QWidget* makeControl(QWidget* parent, const ControlSpec& row) {
    const QColor highlight = parent->palette().color(QPalette::Highlight);
    const QString caption = translated(row.caption);
    QWidget* control = nullptr;
    switch (row.kind) {
        case ControlKind::Button:
            control = makeButton(parent, row.name, row.place, caption);
            break;
        case ControlKind::Label:
            control = makeLabel(parent, row.name, row.place, caption);
            break;
        case ControlKind::Edit:
            control = makeEdit(parent, row.name, row.place, row.caption);
            break;
        case ControlKind::DropDown:
            // Filled, and given its first text, once its entries are known.
            control = makeDropDown(parent, row.name, row.place);
            break;
        case ControlKind::CheckBox:
            control = makeCheckBox(parent, row.name, row.place, caption, row.checked);
            break;
        case ControlKind::GroupBox:
            control = makeGroupBox(parent, row.name, row.place, caption);
            break;
        case ControlKind::Swatch:
            control = makeClickablePanel(parent, row, row.colour);
            break;
        case ControlKind::HelpPanel: {
            PanelWidget* panel = makeClickablePanel(parent, row, highlight);
            panel->setText(row.caption);
            panel->setCaptionStyle(16, true);
            control = panel;
            break;
        }
        case ControlKind::TitleStrip: {
            PanelWidget* panel = makePanel(parent, row.name, row.place, highlight);
            panel->setCaptionStyle(16, false);
            panel->setFrameStyle(QFrame::NoFrame);
            control = panel;
            break;
        }
        case ControlKind::TextBox: {
            auto* memo = placed(new MemoBox(parent), row.name, row.place);
            memo->setPlainText(row.caption);
            control = memo;
            break;
        }
    }
    // The style's own grey for switched-off text nearly matches the silver background. Set on
    // each control: a group box's style sheet stops the window's palette from reaching it.
    QPalette palette = control->palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, kDisabledText);
    }
    control->setPalette(palette);
    control->setToolTip(translated(row.hint));
    control->setEnabled(row.enabled);
    return control;
}

}  // namespace rw
