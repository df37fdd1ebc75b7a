// The try-out pad under real key events that carry the native scan codes of X11: what it
// adds to the typing rules is the key's place, AltGr, its Caps Lock and its status line.
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

namespace {

enum class Move { Click, Down, Up };

// The host's keymap is not the layout's: every letter claims to be an x.
struct Stroke {
    int evdev;
    Qt::KeyboardModifiers held = Qt::NoModifier;
    Move move = Move::Click;
    int qtKey = Qt::Key_X;
    QString hostText = QStringLiteral("x");
};
using Strokes = std::vector<Stroke>;

void Send(QWidget* target, QEvent::Type type, const Stroke& s) {
    QKeyEvent event(type, s.qtKey, s.held, quint32(s.evdev) + 8 /* X11 scan code */, 0, 0,
                    s.hostText);
    QApplication::sendEvent(target, &event);
}

} // namespace

Q_DECLARE_METATYPE(Strokes)

class TryPadTest : public QObject {
    Q_OBJECT
private slots:
    void typesWhatWindowsWould_data() {
        QTest::addColumn<Strokes>("strokes");
        QTest::addColumn<bool>("capsBox");
        QTest::addColumn<int>("codePage");
        QTest::addColumn<bool>("sharedCode"); // G takes F's virtual-key code, AltGr 0xC2
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("status");
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
                                    ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
        const Stroke caps{KEY_CAPSLOCK, {}, Move::Click, Qt::Key_CapsLock, {}};
        const QString a = QStringLiteral("Key 27, Norm: byte 0x61 (97)");
        QTest::newRow("key by its place") << Strokes{{KEY_A}} << false << 1250 << false << "a" << a;
        QTest::newRow("Shift") << Strokes{{KEY_A, shift}} << false << 1250 << false << "A"
                               << "Key 27, Shift: byte 0x41 (65)";
        QTest::newRow("Ctrl alone is left to the text")
            << Strokes{{KEY_A, ctrl, Move::Click, Qt::Key_A, {}}} << false << 1250 << false << ""
            << "Press a key";
        QTest::newRow("Ctrl+Alt is AltGr")
            << Strokes{{KEY_2, ctrlAlt}} << false << 1250 << false << "\u02C7"
            << "Key 3, AltGr: byte 0xA1 (161)";
        QTest::newRow("in the code page shown")
            << Strokes{{KEY_2, ctrlAlt}} << false << 1251 << false << "\u040E"
            << "Key 3, AltGr: byte 0xA1 (161)";
        QTest::newRow("key without AltGr")
            << Strokes{{KEY_E, ctrlAlt}} << false << 1250 << false << ""
            << "Key 16, AltGr: nothing";
        QTest::newRow("as the file reads back")
            << Strokes{{KEY_F, ctrlAlt}} << false << 1250 << true << "\u00C2"
            << "Key 30, AltGr: byte 0xC2 (194)";
        const Stroke rightAlt{KEY_RIGHTALT, {}, Move::Down, Qt::Key_AltGr, {}};
        Stroke rightAltUp = rightAlt;
        rightAltUp.move = Move::Up;
        QTest::newRow("right Alt is AltGr while held")
            << Strokes{rightAlt, {KEY_1}, rightAltUp, {KEY_1}} << false << 1250 << false << "~1"
            << "Key 2, Norm: byte 0x31 (49)";
        QTest::newRow("Caps Lock box with Shift")
            << Strokes{{KEY_A, shift}} << true << 1250 << false << "a" << a;
        QTest::newRow("Caps Lock key toggles the box")
            << Strokes{caps, {KEY_Q}, caps, {KEY_Q}} << false << 1250 << false << "Qq"
            << "Key 14, Norm: byte 0x71 (113)";
        QTest::newRow("other keys edit as usual")
            << Strokes{{KEY_S},
                       {KEY_SPACE, {}, Move::Click, Qt::Key_Space, QStringLiteral(" ")},
                       {KEY_D},
                       {KEY_BACKSPACE, {}, Move::Click, Qt::Key_Backspace, {}}}
            << false << 1250 << false << "s "
            << "Key 29, Norm: byte 0x64 (100)";
    }

    void typesWhatWindowsWould() {
        QFETCH(Strokes, strokes);
        QFETCH(bool, capsBox);
        QFETCH(int, codePage);
        QFETCH(bool, sharedCode);
        QFETCH(QString, typed);
        QFETCH(QString, status);
        ResetLayoutDefaults(ProgramLayout());
        LayoutDocument document(ProgramLayout());
        TTryPad pad(document);
        auto* text = pad.findChild<QPlainTextEdit*>(QStringLiteral("PadText"));
        auto* caps = pad.findChild<QCheckBox*>(QStringLiteral("CapsLock"));
        // Changed once the pad is up: it must read them at each press.
        QVERIFY(document.codePage().setNumber(codePage));
        if (sharedCode) {
            ProgramLayout().VirtualKey[30] = ProgramLayout().VirtualKey[29];
            ProgramLayout().AltGrChar[30] = 0xC2;
        }
        caps->setChecked(capsBox);
        for (const Stroke& stroke : strokes) {
            if (stroke.move != Move::Up) {
                Send(text, QEvent::KeyPress, stroke);
            }
            if (stroke.move != Move::Down) {
                Send(text, QEvent::KeyRelease, stroke);
            }
        }
        QCOMPARE(text->toPlainText(), typed);
        QCOMPARE(pad.findChild<QLabel*>(QStringLiteral("LastKey"))->text(), status);
        QCOMPARE(caps->isChecked(), capsBox);
    }
};

QTEST_MAIN(TryPadTest)
#include "try_pad_test.moc"
