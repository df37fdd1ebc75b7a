// The try-out pad under real key events that carry the native scan codes of X11.
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

struct Stroke {
    int evdev;
    Qt::KeyboardModifiers held = Qt::NoModifier;
    int qtKey = 0;
    QString hostText = {};
};

void Send(QWidget* target, QEvent::Type type, const Stroke& s) {
    QKeyEvent event(type, s.qtKey, s.held, quint32(s.evdev) + 8 /* X11 scan code */, 0, 0,
                    s.hostText);
    QApplication::sendEvent(target, &event);
}

void Press(QWidget* target, const Stroke& s) {
    Send(target, QEvent::KeyPress, s);
    Send(target, QEvent::KeyRelease, s);
}

// The host's keymap is not the layout's: the pad must not read the key or its text.
Stroke Letter(int evdev, Qt::KeyboardModifiers held = Qt::NoModifier) {
    return {evdev, held, Qt::Key_X, QStringLiteral("x")};
}

} // namespace

class TryPadTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetLayoutDefaults(ProgramLayout());
        document_ = std::make_unique<LayoutDocument>(ProgramLayout());
        pad_ = std::make_unique<TTryPad>(*document_);
        text_ = pad_->findChild<QPlainTextEdit*>(QStringLiteral("PadText"));
        lastKey_ = pad_->findChild<QLabel*>(QStringLiteral("LastKey"));
        caps_ = pad_->findChild<QCheckBox*>(QStringLiteral("CapsLock"));
        QVERIFY(text_ && lastKey_ && caps_);
    }

    void typesTheLayer_data() {
        QTest::addColumn<int>("evdev");
        QTest::addColumn<Qt::KeyboardModifiers>("held");
        QTest::addColumn<bool>("capsLock");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("status");
        const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier,
                                    ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
        QTest::newRow("Norm") << KEY_A << none << false << "a"
                              << "Key 27, Norm: byte 0x61 (97)";
        QTest::newRow("Shift") << KEY_A << shift << false << "A"
                               << "Key 27, Shift: byte 0x41 (65)";
        QTest::newRow("Ctrl+Alt is AltGr")
            << KEY_2 << ctrlAlt << false << QStringLiteral("\u02C7") // 0xA1 in Windows-1250
            << "Key 3, AltGr: byte 0xA1 (161)";
        QTest::newRow("key without AltGr") << KEY_E << ctrlAlt << false << ""
                                           << "Key 16, AltGr: nothing";
        QTest::newRow("Caps Lock with Shift") << KEY_A << shift << true << "a"
                                              << "Key 27, Norm: byte 0x61 (97)";
        QTest::newRow("Caps Lock on a digit") << KEY_1 << none << true << "1"
                                              << "Key 2, Norm: byte 0x31 (49)";
    }

    void typesTheLayer() {
        QFETCH(int, evdev);
        QFETCH(Qt::KeyboardModifiers, held);
        QFETCH(bool, capsLock);
        QFETCH(QString, typed);
        QFETCH(QString, status);
        caps_->setChecked(capsLock);
        Press(text_, Letter(evdev, held));
        QCOMPARE(text_->toPlainText(), typed);
        QCOMPARE(lastKey_->text(), status);
    }

    void rightAltIsAltGrWhileHeld() {
        // However the desktop names the right Alt key, only its scan code counts.
        const Stroke rightAlt{KEY_RIGHTALT, Qt::NoModifier, Qt::Key_AltGr};
        Send(text_, QEvent::KeyPress, rightAlt);
        Press(text_, Letter(KEY_1));
        Send(text_, QEvent::KeyRelease, rightAlt);
        Press(text_, Letter(KEY_1));
        QCOMPARE(text_->toPlainText(), QStringLiteral("~1"));
    }

    void capsLockKeyTogglesTheBox() {
        const Stroke capsKey{KEY_CAPSLOCK, Qt::NoModifier, Qt::Key_CapsLock};
        Press(text_, capsKey);
        QVERIFY(caps_->isChecked());
        Press(text_, Letter(KEY_Q));
        Press(text_, capsKey);
        QVERIFY(!caps_->isChecked());
        Press(text_, Letter(KEY_Q));
        QCOMPARE(text_->toPlainText(), QStringLiteral("Qq"));
    }

    void otherKeysEditAsUsual() {
        Press(text_, Letter(KEY_S));
        Press(text_, {KEY_SPACE, Qt::NoModifier, Qt::Key_Space, QStringLiteral(" ")});
        Press(text_, Letter(KEY_D));
        Press(text_, {KEY_BACKSPACE, Qt::NoModifier, Qt::Key_Backspace});
        QCOMPARE(text_->toPlainText(), QStringLiteral("s "));
    }

    void followsEditsAndTheCodePageBetweenPresses() {
        Press(text_, Letter(KEY_A));
        ProgramLayout().NormalChar[26] = 0xE8;
        Press(text_, Letter(KEY_A));
        // G takes F's virtual-key code: in the file its AltGr character becomes F's.
        ProgramLayout().VirtualKey[30] = ProgramLayout().VirtualKey[29];
        ProgramLayout().AltGrChar[30] = 0xC2;
        Press(text_, Letter(KEY_F, Qt::ControlModifier | Qt::AltModifier));
        QVERIFY(document_->codePage().setNumber(1251));
        Press(text_, Letter(KEY_A));
        QCOMPARE(text_->toPlainText(), QStringLiteral("a\u010D\u00C2\u0438"));
    }

private:
    std::unique_ptr<LayoutDocument> document_;
    std::unique_ptr<TTryPad> pad_;
    QPlainTextEdit* text_ = nullptr;
    QLabel* lastKey_ = nullptr;
    QCheckBox* caps_ = nullptr;
};

QTEST_MAIN(TryPadTest)
#include "try_pad_test.moc"
