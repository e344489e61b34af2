// Every caption, tooltip and list entry of the window and the rib details dialog reaches the
// user through the translation: with a translator installed that marks each text it is asked
// for, no text shows unmarked, and the control table's texts arrive in the table's context.
#include "window_fixture.h"

#include "panel/control_table.h"
#include "ui/panel_widget.h"
#include "ui/rib_details_dialog.h"
#include "ui/wing_panel_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTranslator>

namespace rw::test {
namespace {

// Translates every text into "[context]source".
class MarkingTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        return marked(QString::fromUtf8(context), QString::fromUtf8(sourceText));
    }
    static QString marked(const QString& context, const QString& source) {
        return QLatin1Char('[') + context + QLatin1Char(']') + source;
    }
};

bool isOurs(const QString& shown) {
    return shown.startsWith(QLatin1String("[rw::"));
}

// The texts a widget shows: caption or title, tooltip, and a list's entries. Panels show the
// airfoil's name or a "?", and the settings' lists show values: neither is a text to translate.
QStringList shownTexts(const QWidget* widget, bool listsHoldValues) {
    QStringList texts{widget->toolTip()};
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        texts << button->text();
    const bool panel = qobject_cast<const PanelWidget*>(widget) != nullptr;
    if (auto* label = qobject_cast<const QLabel*>(widget); label && !panel)
        texts << label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        texts << group->title();
    if (auto* list = qobject_cast<const QComboBox*>(widget); list && !listsHoldValues) {
        for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    }
    texts.removeAll(QString());
    return texts;
}

void expectAllMarked(const QWidget* top, bool listsHoldValues) {
    for (const QWidget* widget : top->findChildren<QWidget*>()) {
        for (const QString& text : shownTexts(widget, listsHoldValues)) {
            EXPECT_TRUE(isOurs(text))
                << widget->objectName().toStdString() << ": " << text.toStdString();
        }
    }
}

class TranslatedTexts : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    }
    void TearDown() override {
        window.reset();
        QCoreApplication::removeTranslator(&translator);
    }

    MarkingTranslator translator;
};

TEST_F(TranslatedTexts, WindowShowsTheControlTableTranslatedInItsContext) {
    open();
    openSheetView();
    expectAllMarked(window.get(), true);
    for (const auto* rows : {&airfoilViewControls(), &settingsColumnControls()}) {
        for (const ControlSpec& row : *rows) {
            SCOPED_TRACE(row.name);
            auto* control = find<QWidget>(QLatin1String(row.name));
            ASSERT_NE(control, nullptr);
            if (!row.hint.isEmpty()) {
                EXPECT_EQ(control->toolTip(),
                          MarkingTranslator::marked(kControlTableContext, row.hint));
            }
            const auto* button = qobject_cast<const QAbstractButton*>(control);
            if (button && !row.caption.isEmpty()) {
                EXPECT_EQ(button->text(),
                          MarkingTranslator::marked(kControlTableContext, row.caption));
            }
        }
    }
}

TEST_F(TranslatedTexts, RibDetailsDialogShowsOnlyTranslatedTexts) {
    open();
    openSheetView();
    click(QStringLiteral("RibDetailsButton"));
    auto* dialog = window->findChild<RibDetailsDialog*>();
    ASSERT_NE(dialog, nullptr);
    // An empty list shows its note; a row shows its units, surfaces and remove button.
    expectAllMarked(dialog, false);
    dialog->findChild<QAbstractButton*>(QStringLiteral("AddNotchButton"))->click();
    settle();
    EXPECT_TRUE(isOurs(dialog->windowTitle()));
    expectAllMarked(dialog, false);
    dialog->reject();
}

TEST_F(TranslatedTexts, WingPanelDialogShowsOnlyTranslatedTexts) {
    open();
    openSheetView();
    click(QStringLiteral("WingPanelButton"));
    auto* dialog = window->findChild<WingPanelDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(isOurs(dialog->windowTitle()));
    expectAllMarked(dialog, false);
    dialog->reject();
}

}  // namespace
}  // namespace rw::test
