// Dragging palette cells onto keys: what a drop changes, and everything that refuses one.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/cell_drag.h"

#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kbd;
using namespace kbd::test;

class DropTest : public ProgramTest {
    Q_OBJECT
private slots:
    void dropStoresTheCellInTheShownLayerOnly_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("caption");
        QTest::newRow("A on Q in Norm") << "RB_mala" << 34 << 14 << "A";
        QTest::newRow("ampersand doubled on the key") << "RB_mala" << 7 << 2 << "&&";
        QTest::newRow("space in AltGr") << "rb_altgr" << 1 << 2 << " ";
        QTest::newRow("last cell in ANSI") << "rb_ansi" << 224 << 49 << "\u02D9";
    }

    void dropStoresTheCellInTheShownLayerOnly() {
        QFETCH(QString, radio);
        QFETCH(int, cell);
        QFETCH(int, key);
        QFETCH(QString, caption);
        Radio(form(), qPrintable(radio))->setChecked(true);
        QVERIFY(Drop(form(), cell, key));
        KeyboardLayout expected = DefaultLayout();
        SetLayerChar(expected, form()->layerMode(), key - 1, static_cast<std::uint8_t>(cell + 31));
        QVERIFY(ProgramLayout() == expected);
        QCOMPARE(Key(form(), key)->text(), caption);
    }

    void dropLeavesMagnifierLayerAndOtherKeys() {
        Hover(form(), Cell(form(), 5));
        ProgramLayout().NormalChar[0] = 'Z'; // shows only if the whole panel were re-captioned
        QVERIFY(Drop(form(), 34, 30));
        QCOMPARE(Magnifier(form())->text(), QStringLiteral("$"));
        QCOMPARE(Key(form(), 1)->text(), QStringLiteral("`"));
        QVERIFY(Radio(form(), "RB_mala")->isChecked());
    }

    void keysRefuseForeignData_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("plain text") << "text/plain" << QByteArray("A");
        QTest::newRow("cell 0") << toolkit::kCellMimeType << QByteArray::fromHex("00000000");
        QTest::newRow("cell 225") << toolkit::kCellMimeType << QByteArray::fromHex("000000e1");
        QTest::newRow("cut short") << toolkit::kCellMimeType << QByteArray::fromHex("0000");
    }

    void keysRefuseForeignData() {
        QFETCH(QString, format);
        QFETCH(QByteArray, payload);
        QMimeData data;
        data.setData(format, payload);
        QVERIFY(!DragAndDrop(form(), Key(form(), 14), data).accepted);
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Key(form(), 14)->text(), QStringLiteral("q"));
    }

    void onlyKeysTakeADrop_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("a cell") << "Label40";
        QTest::newRow("magnifier") << "LabelBigLet";
        QTest::newRow("radio button") << "rb_ansi";
        QTest::newRow("empty client area") << "ClientArea";
    }

    void onlyKeysTakeADrop() {
        QFETCH(QString, target);
        const auto cell = toolkit::CellMimeData(34, QStringLiteral("A"));
        QVERIFY(!DragAndDrop(form(), form()->findChild<QWidget*>(target), *cell).accepted);
        QVERIFY(ProgramLayout() == DefaultLayout());
        QCOMPARE(Magnifier(form())->text(), QStringLiteral(" "));
    }
};

QTEST_MAIN(DropTest)
#include "drop_test.moc"
