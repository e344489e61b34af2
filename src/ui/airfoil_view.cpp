#include "ui/airfoil_view.h"

#include "airfoil/airfoil_preview.h"
#include "panel/control_table.h"
#include "platform/text_trim.h"
#include "ui/control_factory.h"
#include "ui/dropped_file.h"
#include "ui/memo_box.h"
#include "ui/panel_widget.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace rw {

namespace {

// Buttons that only pass the request on, by object name.
struct Request {
    const char* button;
    void (AirfoilView::*signal)();
};
const Request kRequests[] = {
    {"Button1", &AirfoilView::pasteRequested},
    {"Button2", &AirfoilView::databasePageRequested},
    {"Button3", &AirfoilView::ribSheetRequested},
    {"Button15", &AirfoilView::openLibraryRequested},
    {"Button16", &AirfoilView::registerRequested},
    {"OpenFileButton", &AirfoilView::openFileRequested},
};

}  // namespace

AirfoilView::AirfoilView(const AirfoilState& airfoil, QImage& preview, QWidget* parent)
    : QWidget(parent), airfoil_(airfoil), preview_(preview) {
    setObjectName(QStringLiteral("AirfoilView"));
    for (const ControlSpec& row : airfoilViewControls()) {
        QWidget* owner = objectName() == QLatin1String(row.parent)
                             ? this
                             : findChild<QWidget*>(QLatin1String(row.parent));
        makeControl(owner, row);
    }
    textBox_ = findChild<MemoBox*>(QStringLiteral("Memo1"));
    titleStrip_ = findChild<PanelWidget*>(QStringLiteral("Panel3"));
    previewPointsBox_ = findChild<QCheckBox*>(QStringLiteral("CheckBox3"));
    ribButton_ = findChild<QPushButton*>(QStringLiteral("Button3"));
    importNote_ = findChild<QLabel*>(QStringLiteral("ImportNote"));
    importNote_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    importNote_->setWordWrap(true);
    // Files dropped on a button, the title or the preview land here; the text box takes its own.
    setAcceptDrops(true);
    auto* helpPanel = findChild<PanelWidget*>(QStringLiteral("Panel7"));
    helpPanel->setCaptionStyle(19, true);
    auto* viewers = findChild<QWidget*>(QStringLiteral("GroupBox2"));
    viewers->setStyleSheet(viewers->styleSheet() +
                           QStringLiteral("QGroupBox::title { color: white; }"));

    for (const Request& request : kRequests) {
        connect(findChild<QPushButton*>(QLatin1String(request.button)), &QPushButton::clicked, this,
                request.signal);
    }
    // The viewer buttons, each opening saved files of its format.
    for (const OutputFormatRow& format : outputFormats()) {
        if (format.viewerButton == nullptr)
            continue;
        connect(findChild<QPushButton*>(QLatin1String(format.viewerButton)), &QPushButton::clicked,
                this, [this, id = format.id] { emit viewSavedFileRequested(id); });
    }
    connect(helpPanel, &PanelWidget::clicked, this, &AirfoilView::helpRequested);
    connect(previewPointsBox_, &QCheckBox::clicked, this, &AirfoilView::redrawPreview);
    connect(textBox_, &MemoBox::textChanged, this, &AirfoilView::textEdited);
    connect(textBox_, &MemoBox::mouseDown, this, &AirfoilView::textMouseDown);
    connect(textBox_, &MemoBox::fileDropped, this, &AirfoilView::passOnDroppedFile);
}

QString AirfoilView::text() const {
    return textBox_->text();
}

void AirfoilView::setText(const QString& text) {
    textBox_->setText(text);
}

void AirfoilView::enableRibButton() {
    ribButton_->setEnabled(true);
}

void AirfoilView::setImportNote(const QString& note) {
    importNote_->setText(note);
}

void AirfoilView::renderPreview() {
    drawAirfoilPreview(preview_, airfoil_.profile, previewPointsBox_->isChecked());
    showTitle(trimControl(airfoil_.name));
}

// A title too long for the strip keeps its start: cut at the right with an ellipsis and set
// from the left edge, the whole of it in the tooltip. A short one stays centred.
void AirfoilView::showTitle(const QString& title) {
    constexpr int kMargin = 6;
    const int room = titleStrip_->contentsRect().width() - 2 * kMargin;
    const QString shown = titleStrip_->fontMetrics().elidedText(title, Qt::ElideRight, room);
    const bool cut = shown != title;
    titleStrip_->setAlignment(cut ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    titleStrip_->setIndent(cut ? kMargin : -1);
    titleStrip_->setToolTip(cut ? title : QString());
    if (titleStrip_->text() != shown)
        titleStrip_->setText(shown);
}

// In the sheet view the sheet panel covers the preview; it shows again on the way back.
void AirfoilView::redrawPreview() {
    renderPreview();
    update(kPreviewArea);
}

// Every repaint draws the preview afresh from the current profile.
void AirfoilView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    renderPreview();
    QPainter painter(this);
    painter.drawImage(kPreviewOrigin, preview_);
}

void AirfoilView::dragEnterEvent(QDragEnterEvent* event) {
    takeAirfoilDrag(event);
}

void AirfoilView::dragMoveEvent(QDragMoveEvent* event) {
    takeAirfoilDrag(event);
}

void AirfoilView::dropEvent(QDropEvent* event) {
    const QString path = takeAirfoilDrag(event);
    if (!path.isEmpty())
        passOnDroppedFile(path);
}

// The import runs once the drop is over: a refusal's message box must not hold the file
// manager's drag open while it waits for the user.
void AirfoilView::passOnDroppedFile(const QString& path) {
    QTimer::singleShot(0, this, [this, path] { emit fileDropped(path); });
}

}  // namespace rw
