// The main window as it starts, its menus, and what the keys and the
// magnifier show as the user picks layers and moves the mouse.
#include "form_driver.h"
#include "layout/keyboard_layout.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringDecoder>
#include <QTest>

using namespace kbd;
using namespace kbd::test;

namespace {

// What a key must show for a default byte, through a converter other than the window's.
QString ExpectedCaption(std::uint8_t code) {
    QStringDecoder decoder("windows-1250");
    const char byte = static_cast<char>(code);
    QString text = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1))
                                     : QString(QChar(char16_t(code)));
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

const KeyBytes& DefaultField(int mode) {
    constexpr KeyBytes KeyboardLayout::*fields[] = {
        &KeyboardLayout::ShiftChar, &KeyboardLayout::NormalChar, &KeyboardLayout::AltGrChar,
        &KeyboardLayout::AnsiChar};
    return DefaultLayout().*fields[mode - 1];
}

} // namespace

class MainWindowTest : public ProgramTest {
    Q_OBJECT
private slots:
    void hasTheMenus() {
        QStringList items;
        for (QAction* menu : form()->menuBar()->actions()) {
            for (QAction* item : menu->menu()->actions()) {
                items << item->text();
            }
        }
        QCOMPARE(items.join(QLatin1Char('|')),
                 QStringLiteral("&Open .KBD|&Save .KBD|&New from system layout...||E&xit|"
                                "&Undo|&Redo||Fill &ANSI by the rule of thumb|"
                                "Set &Caps Lock on letter pairs|Clear the Alt&Gr layer|"
                                "&Font|"
                                "&Try layout|&Check layout|Export &picture||"
                                "Export for &Linux (XKB)...|Export for &Windows NT (.klc)...|"
                                "Make install &floppy...|"
                                "&Topics|&About"));
    }

    void maximisesButCannotBeResizedByHand() {
        const QSize normal = form()->size();
        auto* client = form()->findChild<QWidget*>(QStringLiteral("ClientArea"));
        const QPoint place = client->mapTo(form(), QPoint());
        QCOMPARE(client->size(), QSize(566, 337));
        form()->resize(normal + QSize(50, 40)); // a drag of the border
        QTRY_COMPARE(form()->size(), normal);
        form()->showMaximized();
        QTRY_VERIFY(form()->width() > normal.width());
        QTest::qWait(20);
        QVERIFY(form()->isMaximized());
        QCOMPARE(client->mapTo(form(), QPoint()), place);
        QCOMPARE(client->size(), QSize(566, 337));
    }

    void showsEveryLayerOnAllKeys_data() {
        QTest::addColumn<QString>("radio"); // clicked; none: as the window starts
        QTest::addColumn<int>("mode");
        QTest::newRow("at start") << "" << 2;
        QTest::newRow("Shift") << "rb_shift" << 1;
        QTest::newRow("AltGr") << "rb_altgr" << 3;
        QTest::newRow("ANSI") << "rb_ansi" << 4;
        QTest::newRow("Norm again") << "RB_mala" << 2;
    }

    void showsEveryLayerOnAllKeys() {
        QFETCH(QString, radio);
        QFETCH(int, mode);
        if (radio == "RB_mala") {
            QTest::mouseClick(Radio(form(), "rb_shift"), Qt::LeftButton);
        }
        if (!radio.isEmpty()) {
            QTest::mouseClick(Radio(form(), qPrintable(radio)), Qt::LeftButton);
        }
        QCOMPARE(form()->layerMode(), mode);
        QVERIFY(Radio(form(), qPrintable(radio.isEmpty() ? "RB_mala" : radio))->isChecked());
        const KeyBytes& field = DefaultField(mode);
        for (int n = 1; n <= 49; ++n) {
            QCOMPARE(Key(form(), n)->text(), ExpectedCaption(field[n - 1]));
        }
    }

    void checkingTheCheckedRadioRunsNothing() {
        // A change behind the window's back shows only if a handler re-captions the keys.
        ProgramLayout().NormalChar[0] = 'Z';
        QTest::mouseClick(Radio(form(), "RB_mala"), Qt::LeftButton);
        QCOMPARE(Key(form(), 1)->text(), QStringLiteral("`"));
        Radio(form(), "RB_mala")->setChecked(true);
        QCOMPARE(Key(form(), 1)->text(), QStringLiteral("`"));
    }

    void hoverShowsTheKeyInTheLayer_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("target"); // a key, or minus a palette cell
        QTest::addColumn<QString>("shown");
        QTest::newRow("Shift") << "rb_shift" << 14 << "Q";
        QTest::newRow("AltGr") << "rb_altgr" << 14 << "\\";
        QTest::newRow("ANSI") << "rb_ansi" << 14 << "Q";
        QTest::newRow("ampersand undoubled") << "rb_shift" << 8 << "&";
        QTest::newRow("cell A") << "RB_mala" << -34 << "A";
        QTest::newRow("cell of code 255") << "RB_mala" << -224 << "\u02D9";
        QTest::newRow("AltGr of 0, as a loaded file has it") << "rb_altgr" << 16 << "";
    }

    void hoverShowsTheKeyInTheLayer() {
        QFETCH(QString, radio);
        QFETCH(int, target);
        QFETCH(QString, shown);
        ProgramLayout().AltGrChar[15] = 0;
        QTest::mouseClick(Radio(form(), qPrintable(radio)), Qt::LeftButton);
        Hover(form(),
              target > 0 ? static_cast<QWidget*>(Key(form(), target)) : Cell(form(), -target));
        QCOMPARE(Magnifier(form())->text(), shown);
    }

    void magnifierKeepsItsCharacter() {
        QCOMPARE(Magnifier(form())->text(), QStringLiteral(" ")); // until the mouse moves
        Hover(form(), Key(form(), 27));
        QCOMPARE(Magnifier(form())->text(), QStringLiteral("a"));
        Hover(form(), Magnifier(form()));
        Hover(form(), Radio(form(), "rb_ansi"));
        Hover(form(), form()->centralWidget()); // the empty middle of the window
        QCOMPARE(Magnifier(form())->text(), QStringLiteral("a"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
