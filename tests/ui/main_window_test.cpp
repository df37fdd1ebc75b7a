// The main window as it starts, where its widgets stand, and what the keys and the
// magnifier show as the user picks layers and moves the mouse.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/fonts.h"

#include <QFontInfo>
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
    const KeyboardLayout& d = DefaultLayout();
    switch (mode) {
    case 1:
        return d.ShiftChar;
    case 2:
        return d.NormalChar;
    case 3:
        return d.AltGrChar;
    default:
        return d.AnsiChar;
    }
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsInTheNormLayer();
    void hasTheCaptionAndAFixedClientArea();
    void placesKeysOnFourLines();
    void placesThePaletteCells();
    void createsWidgetsInOrder();
    void tabsThroughKeysThenTheCheckedRadio();
    void usesDesignFontsThatFit();
    void hasTheMenus();
    void showsEveryLayerOnAllKeys_data();
    void showsEveryLayerOnAllKeys();
    void showsOneAmpersandOnKey8InShift();
    void checkingTheCheckedRadioRunsNothing();
    void hoverShowsTheKeyInTheLayer_data();
    void hoverShowsTheKeyInTheLayer();
    void hoverShowsAmpersandUndoubled();
    void hoverShowsPaletteCells();
    void magnifierKeepsItsCharacter();
    void emptyAltGrShowsNothing();
    void newCodePageRedrawsWithoutTouchingBytes();

private:
    std::unique_ptr<TAllKeysForm> form_;
};

void MainWindowTest::initTestCase() {
    toolkit::InstallFontSubstitutes();
}

void MainWindowTest::init() {
    form_ = OpenForm();
    QVERIFY(form_);
}

void MainWindowTest::cleanup() {
    form_.reset();
}

void MainWindowTest::startsInTheNormLayer() {
    QCOMPARE(form_->layerMode(), 2);
    QVERIFY(Radio(form_.get(), "RB_mala")->isChecked());
    QVERIFY(!Radio(form_.get(), "rb_shift")->isChecked());
    QVERIFY(!Radio(form_.get(), "rb_altgr")->isChecked());
    QVERIFY(!Radio(form_.get(), "rb_ansi")->isChecked());
    QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral(" "));
    QCOMPARE(Key(form_.get(), 1)->text(), QStringLiteral("`"));
    QCOMPARE(Key(form_.get(), 48)->text(), QStringLiteral("<"));
    QCOMPARE(Key(form_.get(), 49)->text(), QStringLiteral(","));
}

void MainWindowTest::hasTheCaptionAndAFixedClientArea() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tavik's Keyboard Generator for Windows 95"));
    QCOMPARE(form_->objectName(), QStringLiteral("AllKeysForm"));
    QCOMPARE(form_->centralWidget()->size(), QSize(566, 337));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    QCOMPARE(form_->height(), 337 + form_->menuBar()->height());
    QCOMPARE(form_->pos(), QPoint(34, 16));
}

void MainWindowTest::placesKeysOnFourLines() {
    // The ends of each line of the key block, and the two keys placed apart from their rows.
    const std::pair<int, QPoint> places[] = {
        {1, {16, 24}},   {13, {400, 24}},  {26, {432, 24}},  {14, {32, 56}},
        {25, {384, 56}}, {27, {48, 88}},   {37, {368, 88}},  {48, {32, 120}},
        {38, {64, 120}}, {47, {352, 120}}, {49, {416, 120}},
    };
    for (const auto& [number, topLeft] : places) {
        QCOMPARE(Key(form_.get(), number)->geometry(), QRect(topLeft, QSize(25, 25)));
    }
    for (int n = 1; n <= 49; ++n) {
        QVERIFY(Key(form_.get(), n)->acceptDrops());
        QCOMPARE(Key(form_.get(), n)->size(), QSize(25, 25));
    }
}

void MainWindowTest::placesThePaletteCells() {
    QCOMPARE(Cell(form_.get(), 1)->geometry(), QRect(24, 208, 16, 16));
    QCOMPARE(Cell(form_.get(), 32)->geometry(), QRect(520, 208, 16, 16));
    QCOMPARE(Cell(form_.get(), 33)->geometry(), QRect(24, 224, 16, 16));
    QCOMPARE(Cell(form_.get(), 224)->geometry(), QRect(520, 304, 16, 16));
    for (int n = 1; n <= 224; ++n) {
        QLabel* cell = Cell(form_.get(), n);
        QCOMPARE(cell->size(), QSize(16, 16));
        QCOMPARE(cell->alignment(), Qt::AlignCenter);
        QCOMPARE(cell->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!cell->acceptDrops());
    }
    QCOMPARE(Cell(form_.get(), 7)->text(), QStringLiteral("&"));
}

void MainWindowTest::createsWidgetsInOrder() {
    QStringList names;
    for (QObject* child : form_->centralWidget()->children()) {
        if (child->isWidgetType()) {
            names << child->objectName();
        }
    }
    QStringList expected;
    for (int n = 1; n <= 224; ++n) {
        expected << QStringLiteral("Label%1").arg(n);
    }
    expected << QStringLiteral("LabelBigLet");
    for (int n = 1; n <= 49; ++n) {
        expected << QStringLiteral("Button%1").arg(n);
    }
    expected << "rb_shift"
             << "RB_mala"
             << "rb_altgr"
             << "rb_ansi";
    QCOMPARE(names, expected);
}

void MainWindowTest::tabsThroughKeysThenTheCheckedRadio() {
    QApplication::setActiveWindow(form_.get());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    Key(form_.get(), 1)->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 51; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected;
    for (int n = 1; n <= 49; ++n) {
        expected << QStringLiteral("Button%1").arg(n);
    }
    expected << "RB_mala"
             << "Button1";
    QCOMPARE(visited, expected);
}

void MainWindowTest::usesDesignFontsThatFit() {
    const QFont keyFont = Key(form_.get(), 1)->font();
    QCOMPARE(keyFont.family(), QStringLiteral("Arial"));
    QVERIFY(keyFont.bold());
    QCOMPARE(keyFont.pixelSize(), 13);
    QCOMPARE(Cell(form_.get(), 1)->font(), keyFont);
    QCOMPARE(Magnifier(form_.get())->font().pixelSize(), 75);
    for (const char* name : {"rb_shift", "RB_mala", "rb_altgr", "rb_ansi"}) {
        QRadioButton* radio = Radio(form_.get(), name);
        QCOMPARE(radio->font().family(), QStringLiteral("System"));
        QVERIFY(radio->font().bold());
        QVERIFY(QFontInfo(radio->font()).family() != QStringLiteral("DejaVu Sans"));
        QVERIFY2(radio->sizeHint().width() <= radio->width(), name);
    }
    for (int n = 1; n <= 224; ++n) {
        QLabel* cell = Cell(form_.get(), n);
        QVERIFY2(cell->fontMetrics().horizontalAdvance(cell->text()) <= 16,
                 qPrintable(cell->text()));
    }
}

void MainWindowTest::hasTheMenus() {
    QMenuBar* bar = form_->findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
    QVERIFY(bar);
    QStringList menus;
    for (QAction* menu : bar->actions()) {
        menus << menu->menu()->objectName() + QLatin1Char('=') + menu->text() + QLatin1Char(':');
        for (QAction* item : menu->menu()->actions()) {
            menus << item->objectName() + QLatin1Char('=') + item->text();
            QVERIFY(item->shortcut().isEmpty());
        }
    }
    QCOMPARE(menus, QStringList({"Fajl1=&File:", "OpenKBD1=&Open .KBD", "SaveKBD1=&Save .KBD",
                                 "N1=", "Kraj1=E&xit", "Font1=&Options:", "Font2=&Font",
                                 "Tools1=&Tools:", "TryLayout1=&Try layout",
                                 "CheckLayout1=&Check layout", "ExportPicture1=Export &picture",
                                 "Help1=&Help:", "Kakokoristiti1=&Topics", "Oprogramu1=&About"}));
}

void MainWindowTest::showsEveryLayerOnAllKeys_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("mode");
    QTest::newRow("Shift") << "rb_shift" << 1;
    QTest::newRow("AltGr") << "rb_altgr" << 3;
    QTest::newRow("ANSI") << "rb_ansi" << 4;
    QTest::newRow("Norm again") << "RB_mala" << 2;
}

void MainWindowTest::showsEveryLayerOnAllKeys() {
    QFETCH(QString, radio);
    QFETCH(int, mode);
    if (mode == 2) {
        QTest::mouseClick(Radio(form_.get(), "rb_shift"), Qt::LeftButton);
    }
    QTest::mouseClick(Radio(form_.get(), radio.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(form_->layerMode(), mode);
    const KeyBytes& field = DefaultField(mode);
    for (int n = 1; n <= 49; ++n) {
        QCOMPARE(Key(form_.get(), n)->text(), ExpectedCaption(field[n - 1]));
    }
}

void MainWindowTest::showsOneAmpersandOnKey8InShift() {
    QTest::mouseClick(Radio(form_.get(), "rb_shift"), Qt::LeftButton);
    QCOMPARE(Key(form_.get(), 8)->text(), QStringLiteral("&&"));
    QCOMPARE(Key(form_.get(), 14)->text(), QStringLiteral("Q"));
    QCOMPARE(form_->CaptionText(38), QStringLiteral("&&"));
    QCOMPARE(form_->CaptionText('Q'), QStringLiteral("Q"));
}

void MainWindowTest::checkingTheCheckedRadioRunsNothing() {
    // A change behind the window's back shows only if a handler re-captions the keys.
    ProgramLayout().NormalChar[0] = 'Z';
    QTest::mouseClick(Radio(form_.get(), "RB_mala"), Qt::LeftButton);
    QCOMPARE(Key(form_.get(), 1)->text(), QStringLiteral("`"));
    Radio(form_.get(), "RB_mala")->setChecked(true);
    QCOMPARE(Key(form_.get(), 1)->text(), QStringLiteral("`"));
}

void MainWindowTest::hoverShowsTheKeyInTheLayer_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Shift") << "rb_shift"
                           << "Q";
    QTest::newRow("Norm") << "RB_mala"
                          << "q";
    QTest::newRow("AltGr") << "rb_altgr"
                           << "\\";
    QTest::newRow("ANSI") << "rb_ansi"
                          << "Q";
}

void MainWindowTest::hoverShowsTheKeyInTheLayer() {
    QFETCH(QString, radio);
    QFETCH(QString, shown);
    Radio(form_.get(), radio.toLatin1().constData())->setChecked(true);
    Hover(form_.get(), Key(form_.get(), 14));
    QCOMPARE(Magnifier(form_.get())->text(), shown);
}

void MainWindowTest::hoverShowsAmpersandUndoubled() {
    Radio(form_.get(), "rb_shift")->setChecked(true);
    Hover(form_.get(), Key(form_.get(), 8));
    QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral("&"));
}

void MainWindowTest::hoverShowsPaletteCells() {
    Hover(form_.get(), Cell(form_.get(), 34));
    QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral("A"));
    Hover(form_.get(), Cell(form_.get(), 1));
    QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral(" "));
    Hover(form_.get(), Cell(form_.get(), 224));
    QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral("\u02D9")); // code 255
}

void MainWindowTest::magnifierKeepsItsCharacter() {
    Hover(form_.get(), Key(form_.get(), 27));
    QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral("a"));
    Hover(form_.get(), Magnifier(form_.get()));
    Hover(form_.get(), Radio(form_.get(), "rb_ansi"));
    Hover(form_.get(), form_->centralWidget()); // the empty middle of the window
    QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral("a"));
}

void MainWindowTest::emptyAltGrShowsNothing() {
    Radio(form_.get(), "rb_altgr")->setChecked(true);
    QCOMPARE(Key(form_.get(), 16)->text(), QStringLiteral(" "));
    ProgramLayout().AltGrChar[15] = 0; // as a loaded file has it
    form_->ShowLayer(3);
    QCOMPARE(Key(form_.get(), 16)->text(), QString());
    Hover(form_.get(), Key(form_.get(), 16));
    QCOMPARE(Magnifier(form_.get())->text(), QString());
}

void MainWindowTest::newCodePageRedrawsWithoutTouchingBytes() {
    Radio(form_.get(), "rb_altgr")->setChecked(true);
    Hover(form_.get(), Cell(form_.get(), 0xA3 - 31));
    QCOMPARE(Key(form_.get(), 35)->text(), QStringLiteral("\u0141"));
    const KeyboardLayout before = ProgramLayout();

    QVERIFY(form_->codePage().setNumber(1251));

    QCOMPARE(Key(form_.get(), 35)->text(), QStringLiteral("\u0408"));
    QCOMPARE(Cell(form_.get(), 0xA3 - 31)->text(), QStringLiteral("\u0408"));
    QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral("\u0408"));
    QCOMPARE(Key(form_.get(), 8)->text(), QStringLiteral("`"));
    QVERIFY(ProgramLayout() == before);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
