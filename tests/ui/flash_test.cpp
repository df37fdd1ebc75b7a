// A flash must leave the widget exactly as it found it, however it is asked for.
#include "ui/toolkit/flash.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

using kbd::toolkit::Flash;

class FlashTest : public QObject {
    Q_OBJECT
private slots:
    void givesBackThePalette_data() {
        QTest::addColumn<bool>("ownPalette");
        QTest::addColumn<int>("flashes");
        QTest::newRow("inherited palette") << false << 1;
        QTest::newRow("own palette") << true << 1;
        QTest::newRow("flashed again mid-blink") << true << 2;
    }

    void givesBackThePalette() {
        QFETCH(bool, ownPalette);
        QFETCH(int, flashes);
        QWidget window;
        auto* label = new QLabel(QStringLiteral("Q"), &window);
        if (ownPalette) {
            QPalette red = label->palette();
            red.setColor(QPalette::WindowText, Qt::red);
            label->setPalette(red);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPalette before = label->palette();

        for (int i = 0; i < flashes; ++i) {
            Flash(label);
            QCOMPARE(label->palette().color(QPalette::Window),
                     before.color(QPalette::Highlight)); // lit at once
            QTest::qWait(150);
        }
        QTRY_VERIFY(label->findChildren<QObject*>().isEmpty());
        QCOMPARE(label->palette(), before);
        QCOMPARE(label->testAttribute(Qt::WA_SetPalette), ownPalette);
        QVERIFY(!label->autoFillBackground());

        // An inherited palette is still inherited: a new one on the window reaches the label.
        QPalette blue = window.palette();
        blue.setColor(QPalette::WindowText, Qt::blue);
        window.setPalette(blue);
        QCOMPARE(label->palette().color(QPalette::WindowText) == Qt::blue, !ownPalette);
    }

    void survivesItsWidget() {
        QPointer<QLabel> label = new QLabel;
        Flash(label);
        Flash(nullptr);
        delete label;
        QTest::qWait(200); // the blinks that would have run must not touch it
        QVERIFY(label.isNull());
    }
};

QTEST_MAIN(FlashTest)
#include "flash_test.moc"
