// The window icon the build renders: the same pixels as the picture drawn from kbdgen.svg,
// and set, with every size frames ask for, only once the main window's first frame is up.
#include "app/window_icon.h"
#include "ui/toolkit/app_icon.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

class WindowIconTest : public QObject {
    Q_OBJECT
private slots:
    // A size between those the build renders is scaled down from the next larger.
    void sizeShowsThePicture_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("drawn");
        QTest::newRow("smallest") << 16 << 16;
        QTest::newRow("odd one") << 22 << 22;
        QTest::newRow("largest") << 256 << 256;
        QTest::newRow("between") << 40 << 48;
    }

    void sizeShowsThePicture() {
        QFETCH(int, side);
        QFETCH(int, drawn);
        const QImage shown = kbd::WindowIcon().pixmap(QSize(side, side)).toImage();
        const QImage picture =
            kbd::toolkit::AppPicture(QSize(drawn, drawn), 1.0)
                .toImage()
                .scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                 picture.convertToFormat(QImage::Format_ARGB32));
    }

    void setOnceTheFirstFrameIsUp() {
        QApplication::setWindowIcon(QIcon());
        QWidget window;
        window.show();
        kbd::SetWindowIconAfterFirstFrame(window);
        QVERIFY(QApplication::windowIcon().isNull());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QSize> sizes{{16, 16}, {22, 22}, {24, 24},   {32, 32},
                                 {48, 48}, {64, 64}, {128, 128}, {256, 256}};
        QTRY_COMPARE(QApplication::windowIcon().availableSizes(), sizes);
        QCOMPARE(window.windowIcon().availableSizes(), sizes);
    }
};

QTEST_MAIN(WindowIconTest)
#include "window_icon_test.moc"
