// The main window as it starts, its menus, and what the keys and the
// magnifier show as the user picks layers and moves the mouse.
#include "form_driver.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/fonts.h"

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

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { toolkit::InstallFontSubstitutes(); }
    void init() {
        form_ = OpenForm();
        QVERIFY(form_);
    }

    void cleanup() { form_.reset(); }

    void startsInTheNormLayer() {
        QCOMPARE(form_->layerMode(), 2);
        QVERIFY(Radio(form_.get(), "RB_mala")->isChecked());
        QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral(" "));
        QCOMPARE(Key(form_.get(), 1)->text(), QStringLiteral("`"));
        QCOMPARE(Key(form_.get(), 49)->text(), QStringLiteral(","));
    }

    void hasTheMenus() {
        QStringList menus;
        for (QAction* menu : form_->menuBar()->actions()) {
            for (QAction* item : menu->menu()->actions()) {
                menus << item->text();
            }
        }
        QCOMPARE(
            menus,
            QStringList({"&Open .KBD", "&Save .KBD", "&New from system layout...", "", "E&xit",
                         "&Undo", "&Redo", "", "Fill &ANSI by the rule of thumb",
                         "Set &Caps Lock on letter pairs", "Clear the Alt&Gr layer", "&Font",
                         "&Try layout", "&Check layout", "Export &picture", "&Topics", "&About"}));
    }

    void maximisesButCannotBeResizedByHand() {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        const QSize normal = form_->size();
        auto* client = form_->findChild<QWidget*>(QStringLiteral("ClientArea"));
        const QPoint place = client->mapTo(form_.get(), QPoint());
        QCOMPARE(client->size(), QSize(566, 337));
        form_->resize(normal + QSize(50, 40)); // a drag of the border
        QTRY_COMPARE(form_->size(), normal);
        form_->showMaximized();
        QTRY_VERIFY(form_->width() > normal.width());
        QTest::qWait(20);
        QVERIFY(form_->isMaximized());
        QCOMPARE(client->mapTo(form_.get(), QPoint()), place);
        QCOMPARE(client->size(), QSize(566, 337));
    }

    void showsEveryLayerOnAllKeys_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("mode");
        QTest::newRow("Shift") << "rb_shift" << 1;
        QTest::newRow("AltGr") << "rb_altgr" << 3;
        QTest::newRow("ANSI") << "rb_ansi" << 4;
        QTest::newRow("Norm again") << "RB_mala" << 2;
    }

    void showsEveryLayerOnAllKeys() {
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

    void checkingTheCheckedRadioRunsNothing() {
        // A change behind the window's back shows only if a handler re-captions the keys.
        ProgramLayout().NormalChar[0] = 'Z';
        QTest::mouseClick(Radio(form_.get(), "RB_mala"), Qt::LeftButton);
        QCOMPARE(Key(form_.get(), 1)->text(), QStringLiteral("`"));
        Radio(form_.get(), "RB_mala")->setChecked(true);
        QCOMPARE(Key(form_.get(), 1)->text(), QStringLiteral("`"));
    }

    void hoverShowsTheKeyInTheLayer_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("target"); // a key, or minus a palette cell
        QTest::addColumn<QString>("shown");
        QTest::newRow("Shift") << "rb_shift" << 14 << "Q";
        QTest::newRow("Norm") << "RB_mala" << 14 << "q";
        QTest::newRow("AltGr") << "rb_altgr" << 14 << "\\";
        QTest::newRow("ANSI") << "rb_ansi" << 14 << "Q";
        QTest::newRow("ampersand undoubled") << "rb_shift" << 8 << "&";
        QTest::newRow("cell A") << "RB_mala" << -34 << "A";
        QTest::newRow("cell of code 255") << "RB_mala" << -224 << "\u02D9";
    }

    void hoverShowsTheKeyInTheLayer() {
        QFETCH(QString, radio);
        QFETCH(int, target);
        QFETCH(QString, shown);
        QTest::mouseClick(Radio(form_.get(), radio.toLatin1().constData()), Qt::LeftButton);
        Hover(form_.get(), target > 0 ? static_cast<QWidget*>(Key(form_.get(), target))
                                      : Cell(form_.get(), -target));
        QCOMPARE(Magnifier(form_.get())->text(), shown);
    }

    void magnifierKeepsItsCharacter() {
        Hover(form_.get(), Key(form_.get(), 27));
        QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral("a"));
        Hover(form_.get(), Magnifier(form_.get()));
        Hover(form_.get(), Radio(form_.get(), "rb_ansi"));
        Hover(form_.get(), form_->centralWidget()); // the empty middle of the window
        QCOMPARE(Magnifier(form_.get())->text(), QStringLiteral("a"));
    }

    void emptyAltGrShowsNothing() {
        Radio(form_.get(), "rb_altgr")->setChecked(true);
        QCOMPARE(Key(form_.get(), 16)->text(), QStringLiteral(" "));
        ProgramLayout().AltGrChar[15] = 0; // as a loaded file has it
        form_->ShowLayer(3);
        QCOMPARE(Key(form_.get(), 16)->text(), QString());
        Hover(form_.get(), Key(form_.get(), 16));
        QCOMPARE(Magnifier(form_.get())->text(), QString());
    }

    void newCodePageRedrawsWithoutTouchingBytes() {
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

private:
    std::unique_ptr<TAllKeysForm> form_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
