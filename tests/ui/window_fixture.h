#pragma once

#include "export/export_texts.h"
#include "panel/control_table.h"
#include "platform/data_folders.h"
#include "platform/errors.h"
#include "support/fake_desktop.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace rw::test {

// A window over a scripted desktop, with the data folder laid out in a temporary folder as the
// build lays it out beside the executable.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folders = dataFoldersFromExeDir(dir.path());
        for (const QString& folder :
             {folders.winglistDir, folders.spreadsheetDir, folders.dxfDir, folders.picturesDir,
              folders.helpDir, folders.pdfDir, folders.svgDir}) {
            ASSERT_TRUE(QDir().mkpath(folder));
        }
    }

    // Creates the window and shows it, which runs its start-up.
    MainWindow& open() {
        window = std::make_unique<MainWindow>(desktop, folders);
        window->setCloseAction({});
        window->show();
        settle();
        return *window;
    }

    template <typename Control = QWidget>
    Control* find(const QString& name) const {
        auto* control = window->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    void click(const QString& buttonName) {
        auto* button = find<QPushButton>(buttonName);
        ASSERT_NE(button, nullptr);
        button->click();
        settle();
    }

    static void settle() { QCoreApplication::processEvents(); }

    // Lets queued window-system events (state and geometry changes) arrive.
    static bool waitUntil(const std::function<bool()>& condition, int milliseconds = 2000) {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > milliseconds)
                return false;
            QTest::qWait(10);
        }
        return true;
    }

    // Clicks `button` and returns the dialog of type `Dialog` it opens.
    template <typename Dialog>
    Dialog* openDialog(const QString& button) {
        click(button);
        auto* dialog = window->findChild<Dialog*>();
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    // A control inside a dialog or a row, by name.
    template <typename Control = QWidget>
    static Control* in(const QWidget* parent, const char* name) {
        auto* control = parent->findChild<Control*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // Puts `text` into a field as an input method would: the test keyboard has no full-width
    // digits.
    static void type(const QWidget* parent, const char* field, const QString& text) {
        auto* edit = in<QLineEdit>(parent, field);
        edit->clear();
        edit->insert(text);
    }

    static void press(const QWidget* parent, const char* button) {
        in<QAbstractButton>(parent, button)->click();
        settle();
    }

    // Pastes `text` through the paste button.
    void paste(const QString& text) {
        desktop.clipboard = text;
        click(QStringLiteral("Button1"));
    }

    // Pastes the two-surface test airfoil and switches to the sheet view.
    void openSheetView() {
        paste(readTestFile(QStringLiteral("naca2412_two_surface.dat")));
        click(QStringLiteral("Button3"));
        ASSERT_TRUE(waitUntil([this] { return window->isMaximized(); }));
        settle();
    }

    static QString readTestFile(const QString& name) {
        QFile file(QStringLiteral(RIBWRIGHT_TEST_DATA) + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(file.readAll());
    }

    static QByteArray readBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    DataFolders folders;
    FakeDesktop desktop;
    std::unique_ptr<MainWindow> window;
};

// A caption or tooltip of the control table as the window shows it, in the installed language.
inline QString tableText(const QString& source) {
    return source.isEmpty()
               ? source
               : QCoreApplication::translate(kControlTableContext, source.toUtf8().constData());
}

// The text a refusal throws, to compare a message with in whatever language the window runs.
template <typename Refusal>
QString refusalText(Refusal&& refuse) {
    try {
        refuse();
    } catch (const RibwrightError& error) {
        return error.text();
    }
    return QStringLiteral("(nothing refused)");
}

// The start of `text` up to where `standIn` stands in it: a message made with a stand-in for a
// figure the test does not pin down (a rib's height) is compared up to that figure.
inline QString textBefore(const QString& text, const QString& standIn) {
    const qsizetype at = text.indexOf(standIn);
    return at < 0 ? text : text.left(at);
}

// Whether `line` is the nesting's tally of `sheets` stock sheets, at whatever use.
inline bool isStockTally(const QString& line, int sheets) {
    for (int percent = 0; percent <= 100; ++percent) {
        if (line == export_texts::stockUsed(sheets, percent))
            return true;
    }
    return false;
}

// The loop-layout example airfoil: eleven points, CR LF after every line.
inline QString loopExampleText() {
    return QStringLiteral(
        "EXAMPLE FOIL A\r\n1.0000  0.0000\r\n0.7500  0.0400\r\n0.5000  0.0600\r\n"
        "0.2500  0.0550\r\n0.1000  0.0350\r\n0.0000  0.0000\r\n0.1000  -0.0200\r\n"
        "0.2500  -0.0250\r\n0.5000  -0.0200\r\n0.7500  -0.0100\r\n1.0000  0.0000\r\n");
}

}  // namespace rw::test
