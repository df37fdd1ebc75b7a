// The try-out pad under real key events that carry the native scan codes of X11: what it
// adds to the typing rules is the key's place, AltGr, its Caps Lock and its status line.
#include "form_driver.h"
#include "layout/dead_keys.h"
#include "layout/keyboard_layout.h"
#include "ui/Tryout/try_pad.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <linux/input-event-codes.h>

using namespace kbd;
using namespace kbd::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRightAltUp = -KEY_RIGHTALT; // the release alone; KEY_RIGHTALT is the press alone

// A press and release of the key of evdev code `key`. The host's keymap is not the layout's:
// every key but the space and Backspace claims to be an x.
void Stroke(QWidget* target, int key, Qt::KeyboardModifiers held) {
    const int qtKey = key == KEY_BACKSPACE ? Qt::Key_Backspace : Qt::Key_X;
    const QString text = key == KEY_SPACE ? u" "_s : key == KEY_BACKSPACE ? QString() : u"x"_s;
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if ((key != KEY_RIGHTALT || type == QEvent::KeyPress) &&
            (key != kRightAltUp || type == QEvent::KeyRelease)) {
            QKeyEvent event(type, qtKey, held, quint32(std::abs(key)) + 8 /* X11 scan code */, 0, 0,
                            text);
            QApplication::sendEvent(target, &event);
        }
    }
}

} // namespace

class TryPadTest : public QObject {
    Q_OBJECT
private slots:
    void typesWhatWindowsWould_data() {
        // setting: made once the pad is up
        Columns<QList<int>, Qt::KeyboardModifiers, QString, QString, QString>(
            "keys", "held", "setting", "typed", "status");
        const Qt::KeyboardModifiers noMods = Qt::NoModifier, ctrl = Qt::ControlModifier,
                                    shift = Qt::ShiftModifier, meta = Qt::MetaModifier,
                                    ctrlAlt = ctrl | Qt::AltModifier;
        const QString a = u"Key 27, table 0 (Norm): byte 0x61 (97)"_s;
        const QString altGr2 = u"Key 3, table 6 (Ctrl+Alt): byte 0xA1 (161)"_s;
        const QString none;
        QTest::newRow("key by its place") << QList{KEY_A} << noMods << none << "a" << a;
        QTest::newRow("Ctrl+letter is a control character")
            << QList{KEY_A} << ctrl << none << none
            << "Key 27, the driver's own table (Ctrl): byte 0x01 (1)";
        QTest::newRow("Meta is left to the text") << QList{KEY_A} << meta << none << "x"
                                                  << "Press a key";
        QTest::newRow("Caps Lock takes AltGr away from letters")
            << QList{KEY_Q} << ctrlAlt << "Caps Lock box" << none
            << "Key 14, nothing: neither table 7 (Ctrl+Alt+Shift) nor the driver's tables have "
               "the key";
        QTest::newRow("Ctrl+Alt is AltGr") << QList{KEY_2} << ctrlAlt << none << "\u02C7" << altGr2;
        QTest::newRow("in the code page shown")
            << QList{KEY_2} << ctrlAlt << "code page 1251" << QString("\u040E") << altGr2;
        QTest::newRow("key without AltGr")
            << QList{KEY_E} << ctrlAlt << none << none
            << "Key 16, nothing: neither table 6 (Ctrl+Alt) nor the driver's tables have the key";
        // The driver takes the first AltGr entry with the code: F's own, not G's.
        QTest::newRow("as the driver reads the file")
            << QList{KEY_F} << ctrlAlt << "G shares F's code" << QString("[")
            << "Key 30, table 6 (Ctrl+Alt): byte 0x5B (91)";
        QTest::newRow("right Alt is AltGr while held")
            << QList{KEY_RIGHTALT, KEY_1, kRightAltUp, KEY_1} << noMods << none << "~1"
            << "Key 2, table 0 (Norm): byte 0x31 (49)";
        QTest::newRow("Caps Lock box with Shift")
            << QList{KEY_A} << shift << "Caps Lock box" << QString("a") << a;
        QTest::newRow("Caps Lock key toggles the box")
            << QList{KEY_CAPSLOCK, KEY_Q, KEY_CAPSLOCK, KEY_Q} << noMods << none << "Qq"
            << "Key 14, table 0 (Norm): byte 0x71 (113)";
        // The pad types the whole file a save writes, its extended tables included.
        QTest::newRow("dead key, then a base it composes with")
            << QList{KEY_A, KEY_E} << noMods << "dead a" << QString("\u00E2")
            << "Key 16, dead key composed through DEAD_KEYTRANS: byte 0xE2 (226)";
        QTest::newRow("dead key, then Space")
            << QList{KEY_A, KEY_SPACE, KEY_SPACE} << noMods << "dead a" << QString("a ")
            << "Space, the waiting dead key, after Space: byte 0x61 (97)";
        QTest::newRow("Shift+AltGr")
            << QList{KEY_A} << (ctrlAlt | shift) << "Shift+AltGr on A" << QString("\u0104")
            << "Key 27, table 7 (Ctrl+Alt+Shift): byte 0xA5 (165)";
        QTest::newRow("other keys edit as usual")
            << QList{KEY_S, KEY_SPACE, KEY_D, KEY_BACKSPACE} << noMods << none << "s "
            << "Key 29, table 0 (Norm): byte 0x64 (100)";
    }

    void typesWhatWindowsWould() {
        const auto [keys, held, setting, typed, status] =
            Fetch<QList<int>, Qt::KeyboardModifiers, QString, QString, QString>(
                "keys", "held", "setting", "typed", "status");
        ResetLayoutDefaults(ProgramLayout());
        LayoutDocument document(ProgramLayout());
        TTryPad pad(document);
        auto* text = pad.findChild<QPlainTextEdit*>(u"PadText"_s);
        auto* caps = pad.findChild<QCheckBox*>(u"CapsLock"_s);
        // Changed once the pad is up: it must read them at each press.
        if (setting == "code page 1251") {
            QVERIFY(document.codePage().setNumber(1251));
        } else if (setting == "G shares F's code") {
            ProgramLayout().VirtualKey[30] = ProgramLayout().VirtualKey[29];
            ProgramLayout().AltGrChar[30] = 0xC2;
        } else if (setting == "dead a") {
            SetDead(ProgramLayout(), 26, CharLayer::Norm, true);
            SetComposition(ProgramLayout(), {'a', 'e', 0xE2});
        } else if (setting == "Shift+AltGr on A") {
            ProgramLayout().ShiftAltGrChar[26] = 0xA5;
        }
        caps->setChecked(setting == "Caps Lock box");
        for (int key : keys) {
            Stroke(text, key, held);
        }
        QCOMPARE(text->toPlainText(), typed);
        QCOMPARE(pad.findChild<QLabel*>(u"LastKey"_s)->text(), status);
        QCOMPARE(caps->isChecked(), setting == "Caps Lock box");
    }
};

QTEST_MAIN(TryPadTest)
#include "try_pad_test.moc"
