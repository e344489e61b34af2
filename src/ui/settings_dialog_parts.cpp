#include "ui/settings_dialog_parts.h"

#include "ui/control_factory.h"
#include "ui/ui_texts.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace rw {

void dressSettingsDialog(QDialog& dialog, QWidget* parent, const char* name, const QString& title) {
    dialog.setObjectName(QLatin1String(name));
    dialog.setWindowTitle(title);
    if (parent) {
        dialog.setFont(parent->font());
        dialog.setPalette(parent->palette());
    }
    dialog.setAutoFillBackground(true);
}

QGroupBox* settingsGroup(QWidget* parent, const char* name, const QString& caption,
                         QLayout* layout) {
    QGroupBox* box = makeGroupBox(parent, name, QRect(), caption);
    layout->setContentsMargins(10, 16, 10, 8);
    box->setLayout(layout);
    return box;
}

QWidget* settingsButtonRow(QDialog& dialog, const std::function<void()>& reset) {
    auto* row = new QWidget(&dialog);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 0);
    QPushButton* resetButton = makeButton(row, "ResetButton", QRect(), ui_texts::resetButton());
    QPushButton* ok = makeButton(row, "OkButton", QRect(), ui_texts::okButton());
    QPushButton* cancel = makeButton(row, "CancelButton", QRect(), ui_texts::cancelButton());
    for (QPushButton* button : {resetButton, ok, cancel}) button->setMinimumWidth(77);
    ok->setDefault(true);
    layout->addWidget(resetButton);
    layout->addStretch();
    layout->addWidget(ok);
    layout->addWidget(cancel);
    QObject::connect(resetButton, &QPushButton::clicked, &dialog, reset);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return row;
}

}  // namespace rw
