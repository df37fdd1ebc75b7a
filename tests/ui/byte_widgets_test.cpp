// The keys and the palette cells as a user meets them: how a key looks beside a push
// button, which widgets take focus, which keys of the keyboard click a key, access letters,
// what a press on a cell drags, and the screen following a change of code page.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/flash.h"
#include "ui/toolkit/fonts.h"

#include <QAccessible>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

using namespace kbd;
using namespace kbd::test;

namespace {

enum class State { Up, Pressed, Focused, Hovered, Flashed };

// What the window shows at `widget` right now, from the window's own back buffer: only a
// repaint that really happened changes it.
QImage OnScreen(QWidget* widget) {
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return widget->screen()
        ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage();
}

// Runs `act` with a watch for the code-assignment dialog, which a click on a key opens,
// and waits up to `waitMs` more for it; returns what its Norm list showed, or nothing when
// no dialog came up.
QString DialogOpenedBy(const std::function<void()>& act, int waitMs = 0) {
    QString shown;
    const QPointer<QTimer> watch = CloseModalAfter([&shown](QWidget* modal) {
        shown = modal->findChild<QComboBox*>(QStringLiteral("comb_mala"))->currentText();
    });
    act();
    QDeadlineTimer deadline(waitMs);
    while (shown.isEmpty() && !deadline.hasExpired()) {
        QTest::qWait(10);
    }
    delete watch.data();
    return shown;
}

} // namespace

class ByteWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { toolkit::InstallFontSubstitutes(); }
    void init() {
        windows_ = OpenProgram();
        QVERIFY(windows_);
        QVERIFY(QTest::qWaitForWindowActive(form()));
    }
    void cleanup() { windows_.reset(); }

    void keyLooksLikeAPushButton_data() {
        QTest::addColumn<int>("cell"); // dropped on key 14 first, 0 for none
        QTest::addColumn<State>("state");
        QTest::newRow("letter") << 0 << State::Up;
        QTest::newRow("ampersand shown once") << '&' - 31 << State::Up;
        QTest::newRow("pressed") << 0 << State::Pressed;
        QTest::newRow("focused") << 0 << State::Focused;
        QTest::newRow("hovered") << 0 << State::Hovered;
        QTest::newRow("flashed") << 0 << State::Flashed; // as a finding of the check points out
    }

    void keyLooksLikeAPushButton() {
        QFETCH(int, cell);
        QFETCH(State, state);
        QWidget* key = Key(form(), 14);
        if (cell > 0) {
            QVERIFY(DragAndDrop(form(), key, *toolkit::CellMimeData(cell, QString())).dropped);
        }
        auto* button = new QPushButton(Key(form(), 14)->text(), key->parentWidget());
        button->setGeometry(key->geometry());
        button->show();
        const auto look = [this, state](QWidget* widget) {
            if (state == State::Hovered) {
                Hover(form(), widget);
            } else if (state == State::Flashed) {
                toolkit::Flash(widget);
            } else if (state == State::Pressed) {
                QTest::mousePress(widget, Qt::LeftButton);
            } else if (state == State::Focused) {
                widget->setFocus(Qt::TabFocusReason);
            }
            const QImage image = widget->grab().toImage();
            if (state == State::Pressed) {
                QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(-5, -5));
            }
            return image;
        };
        const QImage expected = look(button);
        button->hide();
        QCOMPARE(look(key), expected);
    }

    void cellLooksLikeAWhiteLabel_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("hovered"); // a cell whose character the magnifier then shows
        QTest::newRow("letter") << "Label34" << 0;
        QTest::newRow("ampersand as it is") << "Label7" << 0;
        QTest::newRow("space") << "Label1" << 0;
        QTest::newRow("undefined byte") << "Label98" << 0; // 0x81
        QTest::newRow("magnifier, space") << "LabelBigLet" << 0;
        QTest::newRow("magnifier, letter") << "LabelBigLet" << 34;
    }

    void cellLooksLikeAWhiteLabel() {
        QFETCH(QString, name);
        QFETCH(int, hovered);
        if (hovered > 0) {
            Hover(form(), Cell(form(), hovered));
        }
        auto* cell = form()->findChild<toolkit::ByteLabel*>(name);
        auto* label = new QLabel(cell->text(), cell->parentWidget());
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(cell->geometry());
        label->setAlignment(name == "LabelBigLet" ? Qt::AlignHCenter | Qt::AlignTop
                                                  : Qt::AlignCenter);
        if (cell->testAttribute(Qt::WA_SetFont)) {
            label->setFont(cell->font());
        }
        QPalette white = label->palette();
        white.setColor(QPalette::Window, Qt::white);
        label->setPalette(white);
        label->setAutoFillBackground(true);
        QCOMPARE(cell->grab().toImage(), label->grab().toImage());
    }

    void focusMovesThroughTheKeysOnly_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("first key, Tab") << "Button1" << int(Qt::Key_Tab) << "Button2";
        QTest::newRow("Tab past a gap") << "Button13" << int(Qt::Key_Tab) << "Button14";
        QTest::newRow("last key to the layer") << "Button49" << int(Qt::Key_Tab) << "RB_mala";
        QTest::newRow("back from the layer") << "RB_mala" << int(Qt::Key_Backtab) << "Button49";
        QTest::newRow("arrow right") << "Button20" << int(Qt::Key_Right) << "Button21";
        QTest::newRow("arrow left") << "Button20" << int(Qt::Key_Left) << "Button19";
    }

    void focusMovesThroughTheKeysOnly() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        form()->findChild<QWidget*>(from)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }

    void clickOnACellLeavesTheFocus() {
        Key(form(), 5)->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(Cell(form(), 40), Qt::LeftButton);
        QTest::mouseClick(Magnifier(form()), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), Key(form(), 5));
    }

    void keyboardClicksAFocusedKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opened"); // the Norm list of the dialog, empty for none
        QTest::newRow("space") << int(Qt::Key_Space) << "q";
        QTest::newRow("return") << int(Qt::Key_Return) << "";
        QTest::newRow("enter") << int(Qt::Key_Enter) << "";
        QTest::newRow("a letter") << int(Qt::Key_Q) << "";
    }

    void keyboardClicksAFocusedKey() {
        QFETCH(int, key);
        QFETCH(QString, opened);
        QWidget* target = Key(form(), 14);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(DialogOpenedBy([&] { QTest::keyClick(target, Qt::Key(key)); }), opened);
    }

    void accessLetterOfACaptionClicksItsKey_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("opened");
        QTest::newRow("access letter") << "&q"
                                       << "q";
        QTest::newRow("doubled ampersand") << "&&q"
                                           << "";
        QTest::newRow("plain") << "q"
                               << "";
    }

    void accessLetterOfACaptionClicksItsKey() {
        QFETCH(QString, caption);
        QFETCH(QString, opened);
        Key(form(), 14)->setText(caption);
        QCOMPARE(Key(form(), 14)->text(), caption);
        Key(form(), 1)->setFocus(Qt::TabFocusReason);
        QCOMPARE(AltQ(), opened);
    }

    void captionFromALayerDropsTheAccessLetter() {
        Key(form(), 14)->setText(QStringLiteral("&q"));
        form()->ShowLayer(1);
        QCOMPARE(AltQ(), QString());
    }

    void screenReaderNamesKeysAndCells_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("said");
        QTest::newRow("key") << "Button14" << int(QAccessible::Button) << "Q";
        QTest::newRow("ampersand key") << "Button8" << int(QAccessible::Button) << "&";
        QTest::newRow("cell") << "Label34" << int(QAccessible::StaticText) << "A";
        QTest::newRow("magnifier") << "LabelBigLet" << int(QAccessible::StaticText) << " ";
    }

    void screenReaderNamesKeysAndCells() {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QString, said);
        Radio(form(), "rb_shift")->setChecked(true); // key 8 shows "&" in Shift
        QAccessibleInterface* described =
            QAccessible::queryAccessibleInterface(form()->findChild<QWidget*>(name));
        QVERIFY(described);
        QCOMPARE(int(described->role()), role);
        QCOMPARE(described->text(QAccessible::Name), said);
    }

    void screenReaderPressesAKey() {
        QAccessibleInterface* key = QAccessible::queryAccessibleInterface(Key(form(), 14));
        QVERIFY(key->actionInterface());
        QCOMPARE(DialogOpenedBy(
                     [key] {
                         key->actionInterface()->doAction(
                             QAccessibleActionInterface::pressAction());
                     },
                     kAccessClickMs),
                 QStringLiteral("q"));
    }

    void pressOnACellDragsItsNumberAndCharacter_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 1 << " ";
        QTest::newRow("ampersand as it is") << '&' - 31 << "&";
        QTest::newRow("last") << 224 << "\u02D9";
    }

    void pressOnACellDragsItsNumberAndCharacter() {
        QFETCH(int, cell);
        QFETCH(QString, text);
        QWidget* source = Cell(form(), cell);
        QTest::mousePress(source, Qt::LeftButton);
        // The platform here ends a drag at once; the drag object waits for deletion.
        const auto* drag = source->findChild<QDrag*>();
        QVERIFY(drag);
        QCOMPARE(toolkit::CellNumber(drag->mimeData()), cell);
        QCOMPARE(drag->mimeData()->text(), text);
        QTest::mouseRelease(source, Qt::LeftButton);
    }

    void screenFollowsTheCodePage_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("key") << "Button35";
        QTest::newRow("cell") << "Label132";
        QTest::newRow("magnifier") << "LabelBigLet";
    }

    void screenFollowsTheCodePage() {
        QFETCH(QString, name);
        Radio(form(), "rb_altgr")->setChecked(true); // key 35 shows 0xA3 in AltGr
        Hover(form(), Cell(form(), 0xA3 - 31));      // the magnifier too
        QWidget* widget = form()->findChild<QWidget*>(name);
        QCoreApplication::processEvents();
        const QImage before = OnScreen(widget);
        QVERIFY(form()->codePage().setNumber(1251));
        QCoreApplication::processEvents();
        QVERIFY(OnScreen(widget) != before);
    }

private:
    TAllKeysForm* form() { return &windows_->AllKeysForm; }

    // An access letter clicks its button after showing it pressed for a moment.
    QString AltQ() {
        return DialogOpenedBy([this] { QTest::keyClick(form(), Qt::Key_Q, Qt::AltModifier); },
                              kAccessClickMs);
    }
    static constexpr int kAccessClickMs = 600;

    std::unique_ptr<ProgramWindows> windows_;
};

QTEST_MAIN(ByteWidgetsTest)
#include "byte_widgets_test.moc"
