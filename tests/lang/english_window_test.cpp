// The window in English: the control table's captions come out English and whole in their fixed
// places, the help page and the toolkit's dialogs follow, and the language button keeps its
// choice for the next start without touching the table's controls.
#include "ui/window_fixture.h"

#include "desktop/language_toggle.h"
#include "panel/control_table.h"
#include "platform/ui_language.h"
#include "ui/toolkit_translations.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTranslator>

namespace rw::test {
namespace {

const QRegularExpression kJapanese(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"));

// The width a control's caption needs inside it, by the style's own margins and indicator.
int neededWidth(const QWidget& control, const QString& text) {
    const int textWidth = control.fontMetrics().horizontalAdvance(text);
    const QStyle* style = control.style();
    if (qobject_cast<const QCheckBox*>(&control)) {
        return textWidth + style->pixelMetric(QStyle::PM_IndicatorWidth) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    }
    if (qobject_cast<const QPushButton*>(&control))
        return textWidth + 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    if (qobject_cast<const QGroupBox*>(&control))
        return textWidth + 2 * style->pixelMetric(QStyle::PM_LayoutLeftMargin);
    return textWidth;
}

QString shownCaption(const QWidget& control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&control))
        return group->title();
    return QString();
}

class EnglishWindow : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(installUiLanguage(*QCoreApplication::instance(), UiLanguage::English,
                                      QStringLiteral(RIBWRIGHT_BIN_DIR)))
            << "no compiled English translation beside the programs";
    }
    void TearDown() override {
        window.reset();
        // Back to the source language for whatever runs next in this program.
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(translator);
        installUiLanguage(*QCoreApplication::instance(), UiLanguage::Japanese, QString());
    }
};

TEST_F(EnglishWindow, CaptionsAreEnglishAndFitTheirPlaces) {
    open();
    openSheetView();
    int checked = 0;
    for (const auto* rows : {&airfoilViewControls(), &settingsColumnControls()}) {
        for (const ControlSpec& row : *rows) {
            if (row.caption.isEmpty() || row.kind == ControlKind::Edit ||
                row.kind == ControlKind::DropDown || row.kind == ControlKind::TextBox ||
                row.kind == ControlKind::HelpPanel)
                continue;
            SCOPED_TRACE(row.name);
            auto* control = find<QWidget>(QLatin1String(row.name));
            ASSERT_NE(control, nullptr);
            const QString shown = shownCaption(*control);
            EXPECT_EQ(shown, QCoreApplication::translate(kControlTableContext,
                                                         row.caption.toUtf8().constData()));
            EXPECT_FALSE(shown.contains(kJapanese)) << shown.toStdString();
            EXPECT_LE(neededWidth(*control, shown), row.place.width()) << shown.toStdString();
            // A label's line is centred in its place: a place lower than the line cuts off the
            // tails of p, g and brackets, which Japanese captions hardly have.
            if (row.kind == ControlKind::Label)
                EXPECT_LE(control->fontMetrics().height(), row.place.height());
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
    EXPECT_EQ(find<QPushButton>(QStringLiteral("Button3"))->text(), QStringLiteral("Draw ribs"));
}

TEST_F(EnglishWindow, HelpPageAndToolkitDialogsFollowTheLanguage) {
    const DataFolders shipped = dataFoldersFromExeDir(QStringLiteral(RIBWRIGHT_BIN_DIR));
    EXPECT_TRUE(shipped.helpFile.endsWith(QStringLiteral("HELP_ribwright_en.html")));
    EXPECT_TRUE(QFileInfo(shipped.helpFile).isFile()) << shipped.helpFile.toStdString();

    QTranslator* toolkit =
        installToolkitTranslations(*QCoreApplication::instance(), UiLanguage::English);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ribwright"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), "Yes");
    if (toolkit)
        QCoreApplication::removeTranslator(toolkit);
}

TEST_F(EnglishWindow, LanguageButtonKeepsTheNextStartsChoiceClearOfTheTable) {
    for (const ControlSpec& row : airfoilViewControls()) {
        if (QLatin1String(row.parent) == QLatin1String("AirfoilView"))
            EXPECT_FALSE(row.place.intersects(kLanguageTogglePlace)) << row.name;
    }
    EXPECT_FALSE(kPreviewArea.intersects(kLanguageTogglePlace));

    QWidget host;
    const QString choice = uiLanguageFile(folders.dataDir);
    QAbstractButton* toggle =
        addLanguageToggle(host, kLanguageTogglePlace, choice, UiLanguage::English, desktop);
    EXPECT_EQ(toggle->text(), QStringLiteral("日本語"));
    toggle->click();
    EXPECT_EQ(readSavedUiLanguage(choice), UiLanguage::Japanese);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages.back().contains(QStringLiteral("next start")));
    // A second click takes the choice back.
    EXPECT_EQ(toggle->text(), QStringLiteral("English"));
    toggle->click();
    EXPECT_EQ(readSavedUiLanguage(choice), UiLanguage::English);
    EXPECT_EQ(readBytes(choice), QByteArray("en\n"));
}

}  // namespace
}  // namespace rw::test
