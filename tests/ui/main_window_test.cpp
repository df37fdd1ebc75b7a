// The main window: its menus and size, what the keys and the magnifier show as the user
// picks layers and moves the mouse, and what a palette cell dropped on a key changes.
#include "form_driver.h"
#include "ui/toolkit/cell_drag.h"

#include <QMenuBar>
#include <QStringDecoder>

using namespace kbd;
using namespace kbd::test;
using namespace Qt::StringLiterals;

namespace {

// What a key must show for a default byte, through a converter other than the window's.
QString ExpectedCaption(std::uint8_t code) {
    const char byte = static_cast<char>(code);
    QString text = QStringDecoder("windows-1250").decode(QByteArrayView(&byte, 1));
    return text.replace(u'&', u"&&"_s);
}

} // namespace

class MainWindowTest : public ProgramTest {
    Q_OBJECT
private slots:
    void hasTheMenus() {
        QStringList items;
        for (QAction* menu : form()->menuBar()->actions()) {
            // Two items of one menu with the same access letter: the letter only cycles.
            QSet<QChar> letters;
            for (QAction* item : menu->menu()->actions()) {
                items << item->text();
                const qsizetype amp = item->text().indexOf(QLatin1Char('&'));
                if (amp >= 0) {
                    const QChar letter = item->text().at(amp + 1).toLower();
                    QVERIFY2(!letters.contains(letter), qPrintable(item->text()));
                    letters.insert(letter);
                }
            }
        }
        QCOMPARE(
            items.join(QLatin1Char('|')),
            QStringLiteral(
                "&Open .KBD|&Save .KBD|&New from system layout...|&Import...||E&xit|"
                "&Undo|&Redo||Fill &ANSI by the rule of thumb|"
                "Set &Caps Lock on letter pairs|Clear the Alt&Gr layer|Keep AltGr under Caps &Lock|"
                "&Font|"
                "&Try layout|&Check layout|&More layers|Export &picture||"
                "Export for &Linux (XKB)...|Export for &Windows NT (.klc)...|"
                "Make install &floppy...|Install into &disk image...|"
                "&Topics|&About"));
    }

    void maximisesButCannotBeResizedByHand() {
        const QSize normal = form()->size();
        auto* client = Child<QWidget>(u"ClientArea"_s);
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
        // radio: clicked; none: as the window starts
        Columns<QString, int>("radio", "mode");
        QTest::newRow("at start") << "" << 2;
        QTest::newRow("Shift") << "rb_shift" << 1;
        QTest::newRow("AltGr") << "rb_altgr" << 3;
        QTest::newRow("ANSI") << "rb_ansi" << 4;
    }

    void showsEveryLayerOnAllKeys() {
        const auto [radio, mode] = Fetch<QString, int>("radio", "mode");
        if (!radio.isEmpty()) {
            QTest::mouseClick(Radio(qPrintable(radio)), Qt::LeftButton);
        }
        QCOMPARE(form()->layerMode(), mode);
        QVERIFY(Radio(qPrintable(radio.isEmpty() ? "RB_mala" : radio))->isChecked());
        for (int n = 1; n <= kKeyCount; ++n) {
            QCOMPARE(Key(n)->text(), ExpectedCaption(*LayerChar(DefaultLayout(), mode, n - 1)));
        }
    }

    void hoverShowsTheKeyInTheLayer_data() {
        // target: a key, or minus a palette cell
        Columns<QString, int, QString>("radio", "target", "shown");
        QTest::newRow("AltGr") << "rb_altgr" << 14 << "\\";
        QTest::newRow("ANSI") << "rb_ansi" << 14 << "Q";
        QTest::newRow("ampersand undoubled") << "rb_shift" << 8 << "&";
        QTest::newRow("cell A") << "RB_mala" << -34 << "A";
        QTest::newRow("cell of code 255") << "RB_mala" << -224 << "\u02D9";
        QTest::newRow("AltGr of 0, as a loaded file has it") << "rb_altgr" << 16 << "";
    }

    void hoverShowsTheKeyInTheLayer() {
        const auto [radio, target, shown] =
            Fetch<QString, int, QString>("radio", "target", "shown");
        ProgramLayout().AltGrChar[15] = 0;
        QTest::mouseClick(Radio(qPrintable(radio)), Qt::LeftButton);
        Hover(target > 0 ? static_cast<QWidget*>(Key(target)) : Cell(-target));
        QCOMPARE(Magnifier()->text(), shown);
    }

    void magnifierKeepsItsCharacter() {
        QCOMPARE(Magnifier()->text(), u" "_s); // until the mouse moves
        Hover(Key(27));
        QCOMPARE(Magnifier()->text(), u"a"_s);
        Hover(Magnifier());
        Hover(Radio("rb_ansi"));
        Hover(form()->centralWidget()); // the empty middle of the window
        QCOMPARE(Magnifier()->text(), u"a"_s);
    }

    void dropStoresTheCellInTheShownLayerOnly_data() {
        Columns<QString, int, int, QString>("radio", "cell", "key", "caption");
        QTest::newRow("A on Q in Norm") << "RB_mala" << 34 << 14 << "A";
        QTest::newRow("ampersand doubled on the key") << "RB_mala" << 7 << 2 << "&&";
        QTest::newRow("space in AltGr") << "rb_altgr" << 1 << 2 << " ";
        QTest::newRow("last cell in ANSI") << "rb_ansi" << 224 << 49 << "\u02D9";
    }

    void dropStoresTheCellInTheShownLayerOnly() {
        const auto [radio, cell, key, caption] =
            Fetch<QString, int, int, QString>("radio", "cell", "key", "caption");
        Radio(qPrintable(radio))->setChecked(true);
        QVERIFY(Drop(cell, key));
        KeyboardLayout expected = DefaultLayout();
        SetLayerChar(expected, form()->layerMode(), key - 1, static_cast<std::uint8_t>(cell + 31));
        QVERIFY(ProgramLayout() == expected);
        QCOMPARE(Key(key)->text(), caption);
    }

    // A change behind the window's back shows only if a handler re-captions every key.
    void checkedRadioAndDropLeaveMagnifierLayerAndOtherKeys() {
        Hover(Cell(5));
        ProgramLayout().NormalChar[0] = 'Z';
        QTest::mouseClick(Radio("RB_mala"), Qt::LeftButton);
        Radio("RB_mala")->setChecked(true);
        QVERIFY(Drop(34, 30));
        QCOMPARE(Magnifier()->text(), u"$"_s);
        QCOMPARE(Key(1)->text(), u"`"_s);
        QVERIFY(Radio("RB_mala")->isChecked());
    }

    // Keys take only cells, and only keys take them.
    void dropIsRefused_data() {
        Columns<QString, QString, QByteArray>("target", "format", "payload");
        const QString cell = toolkit::kCellMimeType;
        QTest::newRow("plain text") << "Button14" << QString("text/plain") << QByteArray("A");
        QTest::newRow("cell 0") << "Button14" << cell << QByteArray::fromHex("00000000");
        QTest::newRow("cell 225") << "Button14" << cell << QByteArray::fromHex("000000e1");
        QTest::newRow("cut short") << "Button14" << cell << QByteArray::fromHex("0000");
        const QByteArray cell34 = QByteArray::fromHex("00000022");
        QTest::newRow("on a cell") << "Label40" << cell << cell34;
        QTest::newRow("on the magnifier") << "LabelBigLet" << cell << cell34;
        QTest::newRow("on a radio button") << "rb_ansi" << cell << cell34;
        QTest::newRow("on the empty client area") << "ClientArea" << cell << cell34;
    }

    void dropIsRefused() {
        const auto [target, format, payload] =
            Fetch<QString, QString, QByteArray>("target", "format", "payload");
        QMimeData data;
        data.setData(format, payload);
        QVERIFY(!DragAndDrop(Child<QWidget>(target), data).accepted);
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(14)->text(), u"q"_s);
        QCOMPARE(Magnifier()->text(), u" "_s);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
