#include "flash.h"

#include <QPalette>
#include <QTimer>
#include <QWidget>

namespace kbd::toolkit {
namespace {

constexpr int kTickMs = 100;
constexpr int kTicks = 6; // three times on, three times off

// A child of the widget, so a widget that goes away mid-blink takes its blinker along.
class Blinker : public QObject {
    Q_OBJECT
public:
    explicit Blinker(QWidget* widget)
        : QObject(widget), widget_(widget), own_(widget->palette()),
          hadOwnPalette_(widget->testAttribute(Qt::WA_SetPalette)),
          filled_(widget->autoFillBackground()), timer_(this) {
        setObjectName(QStringLiteral("kbdFlash"));
        lit_ = own_;
        const QColor on = own_.color(QPalette::Highlight);
        const QColor text = own_.color(QPalette::HighlightedText);
        for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
            lit_.setColor(role, on);
        }
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            lit_.setColor(role, text);
        }
        timer_.setInterval(kTickMs);
        connect(&timer_, &QTimer::timeout, this, &Blinker::tick);
    }

    void start() {
        ticks_ = 0;
        show(true);
        timer_.start();
    }

private:
    void tick() {
        ++ticks_;
        if (ticks_ < kTicks) {
            show(ticks_ % 2 == 0);
            return;
        }
        show(false);
        timer_.stop();
        // Out of Flash's sight at once: a flash asked for before the deletion gets a new one.
        setObjectName(QString());
        deleteLater();
    }

    void show(bool lit) {
        if (lit) {
            widget_->setAutoFillBackground(true);
            widget_->setPalette(lit_);
            return;
        }
        // A widget that only inherited its palette must go on inheriting, not keep a copy.
        widget_->setPalette(hadOwnPalette_ ? own_ : QPalette());
        widget_->setAutoFillBackground(filled_);
    }

    QWidget* widget_;
    QPalette own_;
    QPalette lit_;
    bool hadOwnPalette_;
    bool filled_;
    QTimer timer_;
    int ticks_ = 0;
};

} // namespace

void Flash(QWidget* widget) {
    if (widget == nullptr) {
        return;
    }
    auto* blinker =
        widget->findChild<Blinker*>(QStringLiteral("kbdFlash"), Qt::FindDirectChildrenOnly);
    if (blinker == nullptr) {
        blinker = new Blinker(widget);
    }
    blinker->start();
}

} // namespace kbd::toolkit

#include "flash.moc"
