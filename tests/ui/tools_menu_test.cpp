// The Tools menu opens one try-out pad and one check window; the check follows the layout
// and the code page, and a finding picked in it takes the main window to its key's layer
// and flashes the key, which then looks as it did before.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "ui/Check/check_form.h"
#include "ui/Tryout/try_pad.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QUndoStack>

using namespace kbd;
using namespace kbd::test;

class ToolsMenuTest : public ProgramTest {
    Q_OBJECT
private slots:
    void opensOneWindowOfEachTool() {
        for (int i = 0; i < 2; ++i) {
            Item(form(), "TryLayout1")->trigger();
            Item(form(), "CheckLayout1")->trigger();
        }
        QCOMPARE(form()->findChildren<TTryPad*>().size(), 1);
        QCOMPARE(form()->findChildren<TCheckForm*>().size(), 1);
        QVERIFY(form()->findChild<TTryPad*>()->isVisible());
        QVERIFY(form()->findChild<TCheckForm*>()->isVisible());
    }

    void findingSelectsItsLayerAndFlashesItsKey() {
        Item(form(), "CheckLayout1")->trigger();
        auto* check = form()->findChild<TCheckForm*>();
        QWidget* key = Key(form(), 27);
        const QPalette before = key->palette();
        // A palette of its own must come back too.
        QPalette red = before;
        red.setColor(QPalette::ButtonText, Qt::red);
        Key(form(), 28)->setPalette(red);
        emit check->findingSelected(28, 0);
        emit check->findingSelected(27, LayerAltGr);
        QTest::qWait(150);
        emit check->findingSelected(27, LayerAltGr); // again, mid-blink
        QVERIFY(Radio(form(), "rb_altgr")->isChecked());
        QCOMPARE(form()->layerMode(), int(LayerAltGr));
        QCOMPARE(key->palette().color(QPalette::Window), before.color(QPalette::Highlight));
        QVERIFY(Key(form(), 26)->palette().color(QPalette::Window) ==
                before.color(QPalette::Window));
        // A finding about the whole key leaves the layer alone.
        emit check->findingSelected(27, 0);
        QCOMPARE(form()->layerMode(), int(LayerAltGr));

        QTRY_VERIFY(key->findChildren<QObject*>().isEmpty());
        QCOMPARE(key->palette(), before);
        QVERIFY(!key->testAttribute(Qt::WA_SetPalette) && !key->autoFillBackground());
        QTRY_VERIFY(Key(form(), 28)->findChildren<QObject*>().isEmpty());
        QCOMPARE(Key(form(), 28)->palette(), red);
        // Still inherited: a colour set on the client area, as Options, Font does, reaches it.
        QPalette blue = key->parentWidget()->palette();
        blue.setColor(QPalette::ButtonText, Qt::blue);
        key->parentWidget()->setPalette(blue);
        QCOMPARE(key->palette().color(QPalette::ButtonText), QColor(Qt::blue));
        // Left blinking: the blinks must end with the windows, which close now.
        emit check->findingSelected(29, 0);
    }

    void checkFollowsEditsUndoAndCodePage() {
        Item(form(), "CheckLayout1")->trigger();
        auto* summary = form()->findChild<QLabel*>(QStringLiteral("Summary"));
        QCOMPARE(summary->text(), QStringLiteral("No findings"));
        form()->ShowLayer(LayerShift);
        QVERIFY(Drop(form(), 0x81 - 31, 5)); // a hole of code page 1250
        QCOMPARE(summary->text(), QStringLiteral("1 finding"));
        QVERIFY(form()->codePage().setNumber(1251)); // where 0x81 is a letter
        QCOMPARE(summary->text(), QStringLiteral("No findings"));
        QVERIFY(form()->codePage().setNumber(1250));
        QCOMPARE(summary->text(), QStringLiteral("1 finding"));
        form()->document().undoStack().undo();
        QCOMPARE(summary->text(), QStringLiteral("No findings"));
    }
};

QTEST_MAIN(ToolsMenuTest)
#include "tools_menu_test.moc"
