// Drives the real main window the way a user would: through its window, at the place of
// a widget found by object name. Brings the Qt Test and widget headers the tests share.
#pragma once

#include "layout/keyboard_layout.h"
#include "ui/Allkeys/all_keys_form.h"
#include "ui/program_windows.h"
#include "ui/toolkit/byte_button.h"
#include "ui/toolkit/byte_label.h"
#include "ui/toolkit/fonts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>

namespace kbd::test {

// A data function's columns in one line, and a test's fetch of them in another:
// Columns<int, QString>("key", "text"), then auto [key, text] = Fetch<int, QString>("key", "text").
template <typename... T, typename... Name> void Columns(Name... names) {
    (QTest::addColumn<T>(names), ...);
}
template <typename... T, typename... Name> std::tuple<T...> Fetch(Name... names) {
    return {*static_cast<T*>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// Real files in a test's folder: empty for one that cannot be read, false where the write
// fails.
QByteArray FileBytes(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);
bool SaveLayout(const KeyboardLayout& layout, const QString& path);

// The base of a test class that drives the whole program: for each test function all five
// windows afresh over a layout reset to the defaults, the main window shown and active,
// with the font substitutes the program installs at start.
class ProgramTest : public QObject {
    Q_OBJECT
protected:
    // What a chooser offered when it showed, and the message box that followed, if any.
    struct ChooserSeen {
        QString proposed;
        std::optional<QString> boxText;
        QString boxTitle;
    };
    struct DropOutcome {
        bool accepted = false; // the widget under the mouse took the drag
        bool dropped = false;  // and then the drop
    };

    ProgramWindows& windows() { return *windows_; }
    TAllKeysForm* form() { return &windows_->AllKeysForm; }
    template <typename W> W* Child(const QString& name) { return form()->findChild<W*>(name); }
    toolkit::ByteButton* Key(int n) {
        return Child<toolkit::ByteButton>(QString("Button%1").arg(n));
    }
    toolkit::ByteLabel* Cell(int n) { return Child<toolkit::ByteLabel>(QString("Label%1").arg(n)); }
    toolkit::ByteLabel* Magnifier() { return Child<toolkit::ByteLabel>("LabelBigLet"); }
    QRadioButton* Radio(const char* name) { return Child<QRadioButton>(name); }
    QAction* Item(const char* name) { return Child<QAction>(name); } // a menu item
    // Drags palette cell `cell` onto key `key`; whether the key took the drop.
    bool Drop(int cell, int key);
    // The mouse moves, no button held, to the middle of `widget`.
    void Hover(QWidget* widget);
    // Drags `data` into the window at the middle of `widget`, moves once, and releases.
    DropOutcome DragAndDrop(QWidget* widget, const QMimeData& data);
    // Picks menu item `item`, answers its chooser `name` with `path`, or cancels it for an
    // empty one, and reads and closes any message box that follows.
    ChooserSeen Choose(const char* item, const QString& name, const QString& path);

private slots:
    void initTestCase() { toolkit::InstallFontSubstitutes(); }
    void init();
    void cleanup() { windows_.reset(); }

private:
    std::unique_ptr<ProgramWindows> windows_;
};

// Closes the next modal window through its frame, as the close box does, after `act` has
// run on it.
QPointer<QTimer> CloseModalAfter(std::function<void(QWidget*)> act = {});

// Offers every modal window that shows up, while the caller blocks in it, to `act` until it
// returns true. Deleting the returned timer stops the watch.
QPointer<QTimer> WhenModalShows(std::function<bool(QWidget*)> act);

} // namespace kbd::test
