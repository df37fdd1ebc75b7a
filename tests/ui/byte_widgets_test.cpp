// The keys and the palette cells as a user meets them: how they look beside the standard
// widgets, which widgets take focus, what clicks a key, what a press on a cell drags, and
// the screen following a change of code page, whose combining marks Qt must agree on.
#include "form_driver.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/flash.h"

#include <QAccessible>
#include <QDeadlineTimer>
#include <QDrag>
#include <QScreen>

using namespace kbd;
using namespace kbd::test;
using namespace Qt::StringLiterals;

namespace {

enum class State { Up, Pressed, Focused, Hovered, Flashed };
constexpr QKeyCombination kScreenReader; // a press by a screen reader, not by a key

// What the window shows at `widget` once pending events ran, from the window's own back
// buffer: only a repaint that really happened changes it.
QImage OnScreen(QWidget* widget) {
    QCoreApplication::processEvents();
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return widget->screen()
        ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage();
}

// What the Norm list of the code-assignment dialog showed if `act`, or up to `waitMs`
// after it, opened the dialog; nothing when no dialog came up.
QString DialogOpenedBy(const std::function<void()>& act, int waitMs = 0) {
    QString shown;
    const QPointer<QTimer> watch = CloseModalAfter([&shown](QWidget* modal) {
        shown = modal->findChild<QComboBox*>(u"comb_mala"_s)->currentText();
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
    // Each beside the standard widget it stands for, on screen and to a screen reader: a key
    // beside a push button, a cell and the magnifier beside a plain-text label on white.
    void looksLikeTheStandardWidget_data() {
        Columns<QString, State>("name", "state");
        QTest::newRow("key, ampersand shown once") << "Button8" << State::Up; // in Shift
        QTest::newRow("key pressed") << "Button14" << State::Pressed;
        QTest::newRow("key focused") << "Button14" << State::Focused;
        QTest::newRow("key hovered") << "Button14" << State::Hovered;
        QTest::newRow("key flashed") << "Button14" << State::Flashed; // by a finding
        QTest::newRow("cell, ampersand as it is") << "Label7" << State::Up;
        QTest::newRow("cell, space") << "Label1" << State::Up;
        QTest::newRow("magnifier, letter") << "LabelBigLet" << State::Hovered; // over cell 34
    }

    void looksLikeTheStandardWidget() {
        auto [name, state] = Fetch<QString, State>("name", "state");
        form()->ShowLayer(LayerShift);
        auto* shown = Child<QWidget>(name);
        QWidget* standard = nullptr;
        if (auto* key = qobject_cast<toolkit::ByteButton*>(shown)) {
            standard = new QPushButton(key->text(), shown->parentWidget());
        } else {
            auto* cell = static_cast<toolkit::ByteLabel*>(shown);
            if (state == State::Hovered) {
                Hover(Cell(34));
                state = State::Up;
            }
            auto* label = new QLabel(cell->text(), shown->parentWidget());
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(cell == Magnifier() ? Qt::AlignHCenter | Qt::AlignTop
                                                    : Qt::AlignCenter);
            label->setFont(cell->font());
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
                Hover(widget);
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
        const auto said = [](QWidget* widget) {
            QAccessibleInterface* described = QAccessible::queryAccessibleInterface(widget);
            return std::pair(described->role(), described->text(QAccessible::Name));
        };
        QCOMPARE(said(shown), said(standard));
    }

    void focusMovesThroughTheKeysOnly_data() {
        Columns<QString, int, QString>("from", "key", "to");
        QTest::newRow("Tab past a gap") << "Button13" << int(Qt::Key_Tab) << "Button14";
        QTest::newRow("last key to the layer") << "Button49" << int(Qt::Key_Tab) << "RB_mala";
        QTest::newRow("back from the layer") << "RB_mala" << int(Qt::Key_Backtab) << "Button49";
        QTest::newRow("arrow right") << "Button20" << int(Qt::Key_Right) << "Button21";
        QTest::newRow("arrow left") << "Button20" << int(Qt::Key_Left) << "Button19";
    }

    void focusMovesThroughTheKeysOnly() {
        const auto [from, key, to] = Fetch<QString, int, QString>("from", "key", "to");
        Child<QWidget>(from)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }

    void clickOnACellLeavesTheFocus() {
        Key(5)->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(Cell(40), Qt::LeftButton);
        QTest::mouseClick(Magnifier(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), Key(5));
    }

    // Whether a key opens the code-assignment dialog as a push button would click.
    void opensTheDialogAsAPushButtonClicks_data() {
        // A caption given to key 14 first and a layer shown next, if any; the Norm list of
        // the dialog the press opened, empty for none.
        Columns<QString, int, QKeyCombination, QString>("caption", "layer", "press", "opened");
        const QKeyCombination altQ = Qt::AltModifier | Qt::Key_Q;
        QTest::newRow("Space") << "" << 0 << QKeyCombination(Qt::Key_Space) << "q";
        QTest::newRow("Return") << "" << 0 << QKeyCombination(Qt::Key_Return) << "";
        QTest::newRow("Enter") << "" << 0 << QKeyCombination(Qt::Key_Enter) << "";
        QTest::newRow("a letter") << "" << 0 << QKeyCombination(Qt::Key_Q) << "";
        QTest::newRow("access letter") << "&q" << 0 << altQ << "q";
        QTest::newRow("doubled ampersand") << "&&q" << 0 << altQ << "";
        QTest::newRow("plain caption") << "q" << 0 << altQ << "";
        QTest::newRow("caption from a layer") << "&q" << 1 << altQ << "";
        QTest::newRow("screen reader") << "" << 0 << kScreenReader << "q";
    }

    void opensTheDialogAsAPushButtonClicks() {
        const auto [caption, layer, press, opened] =
            Fetch<QString, int, QKeyCombination, QString>("caption", "layer", "press", "opened");
        toolkit::ByteButton* key = Key(14);
        if (!caption.isEmpty()) {
            key->setText(caption);
            QCOMPARE(key->text(), caption);
        }
        if (layer != 0) {
            form()->ShowLayer(layer);
        }
        key->setFocus(Qt::TabFocusReason);
        const auto act = [&] {
            if (press == kScreenReader) {
                QAccessible::queryAccessibleInterface(key)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            } else {
                QWidget* target = press.keyboardModifiers() ? static_cast<QWidget*>(form()) : key;
                QTest::keyClick(target, press.key(), press.keyboardModifiers());
            }
        };
        // An access letter or a screen reader clicks after showing the key pressed a moment.
        const bool later = press == kScreenReader || press.keyboardModifiers();
        QCOMPARE(DialogOpenedBy(act, later ? 600 : 0), opened);
    }

    void pressOnACellDragsItsNumberAndCharacter_data() {
        Columns<int, QString>("cell", "text");
        QTest::newRow("ampersand as it is") << '&' - 31 << "&";
        QTest::newRow("last") << 224 << "\u02D9";
    }

    void pressOnACellDragsItsNumberAndCharacter() {
        const auto [cell, text] = Fetch<int, QString>("cell", "text");
        QWidget* source = Cell(cell);
        QTest::mousePress(source, Qt::LeftButton);
        // The platform here ends a drag at once; the drag object waits for deletion.
        const auto* drag = source->findChild<QDrag*>();
        QVERIFY(drag);
        QCOMPARE(toolkit::CellNumber(drag->mimeData()), cell);
        QCOMPARE(drag->mimeData()->text(), text);
        QTest::mouseRelease(source, Qt::LeftButton);
    }

    void screenFollowsTheCodePage_data() {
        Columns<QString>("name");
        QTest::newRow("key") << "Button35";
        QTest::newRow("cell") << "Label132";
        QTest::newRow("magnifier") << "LabelBigLet";
    }

    void screenFollowsTheCodePage() {
        const auto [name] = Fetch<QString>("name");
        Radio("rb_altgr")->setChecked(true); // key 35 shows 0xA3 in AltGr
        Hover(Cell(0xA3 - 31));              // the magnifier too
        QWidget* widget = Child<QWidget>(name);
        QAccessibleInterface* said = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(said->text(QAccessible::Name), u"\u0141"_s);
        const QImage before = OnScreen(widget);
        QVERIFY(!form()->codePage().setNumber(99999)); // unknown: nothing changes
        QCOMPARE(OnScreen(widget), before);
        QCOMPARE(said->text(QAccessible::Name), u"\u0141"_s);
        QVERIFY(form()->codePage().setNumber(1251));
        QVERIFY(OnScreen(widget) != before);
        QCOMPARE(said->text(QAccessible::Name), u"\u0408"_s);
        QVERIFY(ProgramLayout() == DefaultLayout()); // no byte changed
    }

    // A mark shows on a dotted circle. The code page module finds marks without Qt; it
    // must agree with Qt on them.
    void codePagesFindTheMarksQtFinds() {
        for (const Script& script : Scripts()) {
            const auto page = CodePage::Load(script.codePage);
            QVERIFY(page);
            for (int code = 0x20; code < 0x100; ++code) {
                const auto byte = static_cast<std::uint8_t>(code);
                const QString text = QString::fromStdString(page->utf8(byte));
                if (text.size() == 1) {
                    QVERIFY2(page->isMark(byte) == text.front().isMark(),
                             qPrintable(u"%1 0x%2"_s.arg(script.codePage).arg(code, 0, 16)));
                }
            }
        }
    }
};

QTEST_MAIN(ByteWidgetsTest)
#include "byte_widgets_test.moc"
