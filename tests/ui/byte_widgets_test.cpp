// The keys and the palette cells as a user meets them: how a key looks beside a push
// button, which widgets take focus, which keys of the keyboard click a key, access letters,
// what a press on a cell drags, and the screen following a change of code page.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/flash.h"

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

class ByteWidgetsTest : public ProgramTest {
    Q_OBJECT
private slots:

    // Each beside the standard widget it stands for: a key beside a push button, a cell and
    // the magnifier beside a plain-text label on white.
    void looksLikeTheStandardWidget_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<State>("state");
        QTest::newRow("key, ampersand shown once") << "Button8" << State::Up; // in Shift
        QTest::newRow("key pressed") << "Button14" << State::Pressed;
        QTest::newRow("key focused") << "Button14" << State::Focused;
        QTest::newRow("key hovered") << "Button14" << State::Hovered;
        QTest::newRow("key flashed") << "Button14" << State::Flashed; // by a finding
        QTest::newRow("cell, ampersand as it is") << "Label7" << State::Up;
        QTest::newRow("cell, undefined byte") << "Label98" << State::Up;       // 0x81
        QTest::newRow("magnifier, letter") << "LabelBigLet" << State::Hovered; // over cell 34
    }

    void looksLikeTheStandardWidget() {
        QFETCH(QString, name);
        QFETCH(State, state);
        form()->ShowLayer(LayerShift);
        auto* shown = form()->findChild<QWidget*>(name);
        QWidget* standard = nullptr;
        if (auto* key = qobject_cast<toolkit::ByteButton*>(shown)) {
            standard = new QPushButton(key->text(), shown->parentWidget());
        } else {
            auto* cell = static_cast<toolkit::ByteLabel*>(shown);
            if (state == State::Hovered) {
                Hover(form(), Cell(form(), 34));
                state = State::Up;
            }
            auto* label = new QLabel(cell->text(), shown->parentWidget());
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(cell == Magnifier(form()) ? Qt::AlignHCenter | Qt::AlignTop
                                                          : Qt::AlignCenter);
            if (cell->testAttribute(Qt::WA_SetFont)) {
                label->setFont(cell->font());
            }
            QPalette white = label->palette();
            white.setColor(QPalette::Window, Qt::white);
            label->setPalette(white);
            label->setAutoFillBackground(true);
            standard = label;
        }
        standard->setGeometry(shown->geometry());
        standard->show();
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
        const QImage expected = look(standard);
        standard->hide();
        QCOMPARE(look(shown), expected);
    }

    void focusMovesThroughTheKeysOnly_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
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
    // An access letter clicks its button after showing it pressed for a moment.
    QString AltQ() {
        return DialogOpenedBy([this] { QTest::keyClick(form(), Qt::Key_Q, Qt::AltModifier); },
                              kAccessClickMs);
    }
    static constexpr int kAccessClickMs = 600;
};

QTEST_MAIN(ByteWidgetsTest)
#include "byte_widgets_test.moc"
