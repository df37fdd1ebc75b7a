// Dragging palette cells onto keys: what a drop changes, and everything that refuses one.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/fonts.h"

#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kbd;
using namespace kbd::test;

namespace {

std::unique_ptr<QMimeData> FromCell(int cell) {
    return toolkit::CellMimeData(cell, QString(QChar(char16_t(cell + 31))));
}

} // namespace

class DropTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dropStoresTheCellInTheShownLayerOnly_data();
    void dropStoresTheCellInTheShownLayerOnly();
    void secondDropOfTheSameCellChangesNothingMore();
    void dropLeavesMagnifierAndOtherKeys();
    void keysRefuseForeignData_data();
    void keysRefuseForeignData();
    void onlyKeysTakeADrop_data();
    void onlyKeysTakeADrop();

private:
    std::unique_ptr<TAllKeysForm> form_;
};

void DropTest::initTestCase() {
    toolkit::InstallFontSubstitutes();
}

void DropTest::init() {
    form_ = OpenForm();
    QVERIFY(form_);
}

void DropTest::cleanup() {
    form_.reset();
}

void DropTest::dropStoresTheCellInTheShownLayerOnly_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("caption");
    QTest::newRow("A on Q in Norm") << "RB_mala" << 34 << 14 << "A";
    QTest::newRow("ampersand doubled on the key") << "RB_mala" << 7 << 2 << "&&";
    QTest::newRow("space in AltGr") << "rb_altgr" << 1 << 2 << " ";
    QTest::newRow("last cell in ANSI") << "rb_ansi" << 224 << 49 << "\u02D9";
}

void DropTest::dropStoresTheCellInTheShownLayerOnly() {
    QFETCH(QString, radio);
    QFETCH(int, cell);
    QFETCH(int, key);
    QFETCH(QString, caption);
    Radio(form_.get(), radio.toLatin1().constData())->setChecked(true);
    const DropOutcome outcome = DragAndDrop(form_.get(), Key(form_.get(), key), *FromCell(cell));
    QVERIFY(outcome.accepted);
    QVERIFY(outcome.dropped);
    KeyboardLayout expected = DefaultLayout();
    SetLayerChar(expected, form_->layerMode(), key - 1, static_cast<std::uint8_t>(cell + 31));
    QVERIFY(ProgramLayout() == expected);
    QCOMPARE(Key(form_.get(), key)->text(), caption);
}

void DropTest::secondDropOfTheSameCellChangesNothingMore() {
    Radio(form_.get(), "rb_ansi")->setChecked(true);
    QVERIFY(DragAndDrop(form_.get(), Key(form_.get(), 49), *FromCell(15)).dropped);
    const KeyboardLayout once = ProgramLayout();
    QVERIFY(DragAndDrop(form_.get(), Key(form_.get(), 49), *FromCell(15)).dropped);
    QVERIFY(ProgramLayout() == once);
    QCOMPARE(ProgramLayout().AnsiChar[48], '.');
}

void DropTest::dropLeavesMagnifierAndOtherKeys() {
    Hover(form_.get(), Cell(form_.get(), 5));
    ProgramLayout().NormalChar[0] = 'Z'; // shows only if the whole panel were re-captioned
    QVERIFY(DragAndDrop(form_.get(), Key(form_.get(), 30), *FromCell(34)).dropped);
    QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral("$"));
    QCOMPARE(Key(form_.get(), 1)->text(), QStringLiteral("`"));
    QVERIFY(Radio(form_.get(), "RB_mala")->isChecked());
}

void DropTest::keysRefuseForeignData_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("plain text") << "text/plain" << QByteArray("A");
    QTest::newRow("a file") << "text/uri-list" << QByteArray("file:///tmp/x.kbd\r\n");
    QTest::newRow("cell 0") << toolkit::kCellMimeType << QByteArray::fromHex("00000000");
    QTest::newRow("cell 225") << toolkit::kCellMimeType << QByteArray::fromHex("000000e1");
    QTest::newRow("cut short") << toolkit::kCellMimeType << QByteArray::fromHex("0000");
}

void DropTest::keysRefuseForeignData() {
    QFETCH(QString, format);
    QFETCH(QByteArray, payload);
    QMimeData data;
    data.setData(format, payload);
    const DropOutcome outcome = DragAndDrop(form_.get(), Key(form_.get(), 14), data);
    QVERIFY(!outcome.accepted);
    QVERIFY(ProgramLayout() == DefaultLayout());
    QCOMPARE(Key(form_.get(), 14)->text(), QStringLiteral("q"));
}

void DropTest::onlyKeysTakeADrop_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("another cell") << "Label40";
    QTest::newRow("the dragged cell") << "Label34";
    QTest::newRow("magnifier") << "LabelBigLet";
    QTest::newRow("radio button") << "rb_ansi";
    QTest::newRow("empty client area") << "ClientArea";
}

void DropTest::onlyKeysTakeADrop() {
    QFETCH(QString, target);
    QWidget* widget = form_->findChild<QWidget*>(target);
    QVERIFY(widget);
    const QString magnifier = Magnifier(form_.get())->text();
    QVERIFY(!DragAndDrop(form_.get(), widget, *FromCell(34)).accepted);
    QVERIFY(ProgramLayout() == DefaultLayout());
    QCOMPARE(Magnifier(form_.get())->text(), magnifier);
}

QTEST_MAIN(DropTest)
#include "drop_test.moc"
