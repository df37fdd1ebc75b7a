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
    void sizeShowsThePicture_data() {
        QTest::addColumn<int>("side");
        QTest::newRow("smallest") << 16;
        QTest::newRow("odd one") << 22;
        QTest::newRow("largest") << 256;
    }

    void sizeShowsThePicture() {
        QFETCH(int, side);
        const QImage shown = kbd::WindowIcon().pixmap(QSize(side, side)).toImage();
        const QImage drawn = kbd::toolkit::AppPicture(QSize(side, side), 1.0).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                 drawn.convertToFormat(QImage::Format_ARGB32));
    }

    void sizeBetweenIsScaledDownFromTheNextLarger() {
        const QPixmap shown = kbd::WindowIcon().pixmap(QSize(40, 40));
        QCOMPARE(shown.size(), QSize(40, 40));
        const QImage scaled = kbd::WindowIcon()
                                  .pixmap(QSize(48, 48))
                                  .toImage()
                                  .scaled(40, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(shown.toImage().convertToFormat(QImage::Format_ARGB32),
                 scaled.convertToFormat(QImage::Format_ARGB32));
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
