#include "key_preview.h"

#include "layout/key_places.h"

#include <QPainter>
#include <algorithm>

namespace kbd {

namespace {

// The keys at the main window's places, scaled so that two characters fit on each.
constexpr double kScale = 1.4;
constexpr int kMargin = 6;

QRect KeyRect(int index) {
    const KeyPlace& place = kKeyPlaces[static_cast<std::size_t>(index)];
    const int left = kKeyPlaces[0].left; // the leftmost column
    const int top = kKeyPlaces[0].top;   // the top row
    return QRect(kMargin + static_cast<int>((place.left - left) * kScale),
                 kMargin + static_cast<int>((place.top - top) * kScale),
                 static_cast<int>(kKeySide * kScale), static_cast<int>(kKeySide * kScale));
}

} // namespace

TKeyPreview::TKeyPreview(QWidget* parent)
    : QWidget(parent), page_(CodePage::LoadOrLatin1(kDefaultCodePage)) {
    setObjectName(QStringLiteral("Preview"));
}

void TKeyPreview::showLayout(const std::optional<KeyboardLayout>& layout, const CodePage& page) {
    layout_ = layout;
    page_ = page;
    update();
}

QString TKeyPreview::keyText(int number) const {
    if (!layout_ || number < 1 || number > kKeyCount) {
        return {};
    }
    const auto i = static_cast<std::size_t>(number - 1);
    return QString::fromStdString(page_.shown(layout_->ShiftChar[i])) + QLatin1Char('\n') +
           QString::fromStdString(page_.shown(layout_->NormalChar[i]));
}

QSize TKeyPreview::sizeHint() const {
    QRect all;
    for (int i = 0; i < kKeyCount; ++i) {
        all = all.united(KeyRect(i));
    }
    return all.size() + QSize(2 * kMargin, 2 * kMargin);
}

void TKeyPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = this->font();
    font.setPixelSize(13);
    painter.setFont(font);
    for (int i = 0; i < kKeyCount; ++i) {
        const QRect key = KeyRect(i);
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRoundedRect(key.adjusted(0, 0, -1, -1), 3, 3);
        if (!layout_) {
            continue;
        }
        painter.setPen(palette().color(QPalette::Text));
        const QStringList lines = keyText(i + 1).split(QLatin1Char('\n'));
        const QRect inner = key.adjusted(3, 1, -3, -1);
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, lines.value(0));
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignBottom, lines.value(1));
    }
}

} // namespace kbd
