#include "window_icon.h"

#include "window_icon_pixels.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace kbd {

namespace {

// Serves the pictures straight from the program's data: nothing is decoded or kept, and a
// platform that never asks (a virtual display, a Wayland compositor) never pays for them.
class WindowIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawImage(rect, Picture(rect.size()));
    }

    // The same picture in every mode: a window icon is not shown disabled or selected.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        QImage picture = Picture(size);
        if (picture.width() > size.width() || picture.height() > size.height()) {
            picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return QPixmap::fromImage(picture);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const IconPixels& picture : WindowIconPixels()) {
            sizes << QSize(picture.width, picture.height);
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new WindowIconEngine; }
    QString key() const override { return QStringLiteral("kbdgen-window"); }

private:
    // The smallest picture that covers `size`, or the largest there is; it wraps the
    // program's data, so it must not outlive the call that uses it.
    static QImage Picture(const QSize& size) {
        const auto pictures = WindowIconPixels();
        const IconPixels* chosen = &pictures.back();
        for (const IconPixels& picture : pictures) {
            if (picture.width >= size.width() && picture.height >= size.height()) {
                chosen = &picture;
                break;
            }
        }
        return QImage(reinterpret_cast<const uchar*>(chosen->argb), chosen->width, chosen->height,
                      QImage::Format_ARGB32_Premultiplied);
    }
};

// Waits for the first exposure of one window. The frame is painted while the exposure is
// handled, so the icon, set from the event loop just after, comes after it.
class FirstFrameWatch final : public QObject {
public:
    explicit FirstFrameWatch(QWindow* window) : QObject(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(WindowIcon()); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

QIcon WindowIcon() {
    return QIcon(new WindowIconEngine);
}

void SetWindowIconAfterFirstFrame(QWidget& window) {
    QWindow* handle = window.windowHandle();
    if (handle == nullptr || handle->isExposed()) {
        QApplication::setWindowIcon(WindowIcon());
        return;
    }
    new FirstFrameWatch(handle);
}

} // namespace kbd
