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

    void dropSetsTheKeyInTheCurrentLayerOnly();
    void dropOfAmpersandDoublesItOnTheKey();
    void spaceDroppedInAltGrIsStored();
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

void DropTest::dropSetsTheKeyInTheCurrentLayerOnly() {
    const DropOutcome outcome = DragAndDrop(form_.get(), Key(form_.get(), 14), *FromCell(34));
    QVERIFY(outcome.accepted);
    QVERIFY(outcome.dropped);
    QCOMPARE(ProgramLayout().NormalChar[13], 65);
    QCOMPARE(Key(form_.get(), 14)->text(), QStringLiteral("A"));

    KeyboardLayout expected = DefaultLayout();
    expected.NormalChar[13] = 65;
    QVERIFY(ProgramLayout() == expected);
    QTest::mouseClick(Radio(form_.get(), "rb_shift"), Qt::LeftButton);
    QCOMPARE(Key(form_.get(), 14)->text(), QStringLiteral("Q"));
}

void DropTest::dropOfAmpersandDoublesItOnTheKey() {
    QVERIFY(DragAndDrop(form_.get(), Key(form_.get(), 2), *FromCell(7)).dropped);
    QCOMPARE(ProgramLayout().NormalChar[1], 38);
    QCOMPARE(Key(form_.get(), 2)->text(), QStringLiteral("&&"));
}

void DropTest::spaceDroppedInAltGrIsStored() {
    Radio(form_.get(), "rb_altgr")->setChecked(true);
    QVERIFY(DragAndDrop(form_.get(), Key(form_.get(), 2), *FromCell(1)).dropped);
    QCOMPARE(ProgramLayout().AltGrChar[1], 32);
    QCOMPARE(ProgramLayout().NormalChar[1], '1');
    QCOMPARE(Key(form_.get(), 2)->text(), QStringLiteral(" "));
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
