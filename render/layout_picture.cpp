#include "layout_picture.h"

#include "layout/dead_keys.h"
#include "layout/extended_tables.h"
#include "layout/format_rules.h"
#include "layout/key_places.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace kbd::render {
namespace {

// The window's 25-pixel keys hold one character; three times that holds four, legibly.
constexpr double kScale = 3;
constexpr double kMargin = 40;
constexpr double kHeaderHeight = 56;
constexpr double kLegendGap = 36;
constexpr double kLegendHeight = 112;
constexpr double kFooterGap = 28;
constexpr double kFooterHeight = 20;

struct Bounds {
    int left, top, right, bottom;
};

// The block is placed by its own extent, so the window's left and top borders do not
// end up as an empty band on paper.
constexpr Bounds KeyBlockBounds() {
    Bounds bounds{kKeyPlaces[0].left, kKeyPlaces[0].top, 0, 0};
    for (const auto& place : kKeyPlaces) {
        bounds.left = std::min(bounds.left, place.left);
        bounds.top = std::min(bounds.top, place.top);
        bounds.right = std::max(bounds.right, place.left + kKeySide);
        bounds.bottom = std::max(bounds.bottom, place.top + kKeySide);
    }
    return bounds;
}

constexpr Bounds kBlock = KeyBlockBounds();
constexpr double kBlockTop = kMargin + kHeaderHeight;
constexpr double kBlockBottom = kBlockTop + (kBlock.bottom - kBlock.top) * kScale;
constexpr double kLegendTop = kBlockBottom + kLegendGap;
constexpr double kFooterTop = kLegendTop + kLegendHeight + kFooterGap;
constexpr double kWidth = 2 * kMargin + (kBlock.right - kBlock.left) * kScale;
constexpr double kHeight = kFooterTop + kFooterHeight + kMargin;

constexpr QRgb kInk = 0x000000;
constexpr QRgb kAltGrInk = 0x1a4c9c;
constexpr QRgb kAnsiInk = 0x7a7a7a;
constexpr QRgb kCapsInk = 0xb07000;
constexpr QRgb kKeyFill = 0xf6f6f4;
constexpr QRgb kCapsFill = 0xfdefc6;
constexpr QRgb kKeyBorder = 0x505050;
constexpr QRgb kQuietInk = 0x606060;

struct Corner {
    LayerMode layer;
    bool right;
    bool bottom;
    QRgb ink;
    const char* meaning;
};

// In the order the legend explains them.
constexpr std::array<Corner, 4> kCorners{{
    {LayerShift, false, false, kInk, "with Shift held down"},
    {LayerNorm, false, true, kInk, "no modifier"},
    {LayerAltGr, true, true, kAltGrInk,
     "with the right Alt key held down; blank when the key has none"},
    {LayerAnsi, true, false, kAnsiInk, "the character Windows uses inside for the key"},
}};

// A fourth level takes ANSI's corner, where ISO 9995 keycaps put it; the ANSI character
// then goes unprinted, as a typist never presses for it.
constexpr Corner kShiftAltGrCorner{
    LayerShiftAltGr, true, false, kAltGrInk,
    "with Shift and the right Alt key held down; blank when the key has none"};

// What the card shows follows what the file keeps, so the card never promises a
// Shift+AltGr character or a dead key that Windows would not see.
struct Card {
    std::array<Corner, 4> corners = kCorners;
    KeyBytes deadLayers{}; // LayerBit of each written dead character
    bool anyDead = false;
};

Card CardOf(const KeyboardLayout& layout) {
    const ExtendedTables tables = BuildExtendedTables(layout);
    Card card;
    if (!tables.shiftAltGr.empty()) {
        card.corners.back() = kShiftAltGrCorner;
    }
    for (const DeadKeyEntry& dead : tables.deadKeys) {
        card.deadLayers[static_cast<std::size_t>(dead.key)] |= LayerBit(dead.layer);
    }
    card.anyDead = !tables.deadKeys.empty();
    return card;
}

bool DeadOnCard(const Card& card, const Corner& corner, int index) {
    const std::optional<CharLayer> layer = CharLayerOf(corner.layer);
    return layer && (card.deadLayers[static_cast<std::size_t>(index)] & LayerBit(*layer)) != 0;
}

QString CornerName(const Corner& corner) {
    const std::string_view name = LayerName(corner.layer);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

constexpr int kCharacterPixels = 25;
constexpr double kCornerInset = 3;

QFont Font(const PictureStyle& style, int pixels, bool bold = false) {
    QFont font(style.face);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QRectF CornerRect(const QRectF& key, const Corner& corner) {
    const QRectF inner = key.adjusted(kCornerInset, kCornerInset, -kCornerInset, -kCornerInset);
    const QSizeF half = inner.size() / 2;
    return QRectF(inner.topLeft() +
                      QPointF(corner.right ? half.width() : 0, corner.bottom ? half.height() : 0),
                  half);
}

QString CornerText(const KeyboardLayout& layout, const Corner& corner, int index,
                   const CodePage& page) {
    const std::uint8_t code = LayerChar(layout, corner.layer, index).value_or(0);
    // An AltGr character the file does not keep is not printed as if the key typed it.
    if ((corner.layer == LayerAltGr && !AltGrWritten(layout, index)) ||
        (corner.layer == LayerShiftAltGr && !ShiftAltGrWritten(layout, index))) {
        return {};
    }
    return QString::fromStdString(page.shown(code));
}

void PaintKeyCap(QPainter& painter, const QRectF& key, bool caps) {
    painter.setPen(QPen(QColor(kKeyBorder), 1.5));
    painter.setBrush(QColor(caps ? kCapsFill : kKeyFill));
    painter.drawRoundedRect(key, key.width() * 0.09, key.width() * 0.09);
}

// A padlock badge astride the top edge, clear of all four characters: the fill alone
// would vanish on a black-and-white printer.
void PaintLock(QPainter& painter, const QRectF& key) {
    const double unit = key.width() / 75;
    const QPointF centre(key.center().x(), key.top());
    painter.setPen(QPen(QColor(kKeyBorder), 1.2));
    painter.setBrush(QColor(kCapsInk));
    painter.drawEllipse(centre, 9 * unit, 9 * unit);
    painter.setPen(QPen(Qt::white, 1.5 * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - 2.7 * unit, centre.y() - 5.5 * unit, 5.4 * unit, 7 * unit),
                    0, 180 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(centre.x() - 4 * unit, centre.y() - 1.5 * unit, 8 * unit, 6 * unit));
}

// A filled corner mark rather than a tint, for the printer's sake as with the padlock. On a
// Caps Lock key the top left quadrant's corner is the badge's, so its mark sits smaller
// below the badge, still clear of a character as wide as W.
void PaintDeadMark(QPainter& painter, const QRectF& quadrant, QRgb ink, bool belowLock) {
    const QPointF corner =
        quadrant.topRight() + (belowLock ? QPointF(-0.5, 7) : QPointF(-1.5, 1.5));
    const double leg = belowLock ? 5 : 7;
    const QPointF triangle[] = {corner, corner - QPointF(leg, 0), corner + QPointF(0, leg)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(ink));
    painter.drawPolygon(triangle, 3);
}

void PaintKeys(QPainter& painter, const KeyboardLayout& layout, const Card& card,
               const PictureStyle& style, const CodePage& page) {
    painter.setFont(Font(style, kCharacterPixels));
    for (int index = 0; index < kKeyCount; ++index) {
        const auto& place = kKeyPlaces[static_cast<std::size_t>(index)];
        const QRectF key(kMargin + (place.left - kBlock.left) * kScale,
                         kBlockTop + (place.top - kBlock.top) * kScale, kKeySide * kScale,
                         kKeySide * kScale);
        const bool caps = layout.CapsAffected[static_cast<std::size_t>(index)] != 0;
        PaintKeyCap(painter, key, caps);
        if (caps) {
            PaintLock(painter, key);
        }
        for (const Corner& corner : card.corners) {
            const QString text = CornerText(layout, corner, index, page);
            if (!text.isEmpty()) {
                painter.setPen(QColor(corner.ink));
                painter.drawText(CornerRect(key, corner), Qt::AlignCenter, text);
                if (DeadOnCard(card, corner, index)) {
                    PaintDeadMark(painter, CornerRect(key, corner), corner.ink,
                                  caps && !corner.right && !corner.bottom);
                }
            }
        }
    }
}

void PaintSampleText(QPainter& painter, const PictureStyle& style, const QRectF& key,
                     const QString& text) {
    painter.setPen(QColor(kInk));
    painter.setFont(Font(style, 17));
    painter.drawText(QRectF(key.right() + 18, key.top(), 290, key.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
}

void PaintLegend(QPainter& painter, const Card& card, const PictureStyle& style) {
    const QRectF sample(kMargin, kLegendTop, kLegendHeight, kLegendHeight);
    PaintKeyCap(painter, sample, false);
    painter.setFont(Font(style, 15, true));
    for (const Corner& corner : card.corners) {
        painter.setPen(QColor(corner.ink));
        // The sample's quadrants are too narrow for "Shift+AltGr" on one line.
        painter.drawText(CornerRect(sample, corner), Qt::AlignCenter,
                         CornerName(corner).replace(u'+', QStringLiteral("+\n")));
    }

    const QFont nameFont = Font(style, 17, true);
    // The one-word names fit a fixed column; "Shift+AltGr" gets one as wide as it needs.
    double nameWidth = 70;
    if (const Corner& fourth = card.corners.back(); fourth.layer == LayerShiftAltGr) {
        nameWidth =
            std::max(nameWidth, QFontMetricsF(nameFont).horizontalAdvance(CornerName(fourth)) + 12);
    }
    const double lineHeight = kLegendHeight / 4;
    double y = kLegendTop;
    for (const Corner& corner : card.corners) {
        const QRectF line(sample.right() + 24, y, 600, lineHeight);
        painter.setPen(QColor(corner.ink));
        painter.setFont(nameFont);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, CornerName(corner));
        painter.setPen(QColor(kInk));
        painter.setFont(Font(style, 17));
        // Not clipped: the longer Shift+AltGr meaning may run past the line, into the gap.
        painter.drawText(line.adjusted(nameWidth, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                         QString::fromLatin1(corner.meaning));
        y += lineHeight;
    }

    // Two samples share the legend's height, one above the other.
    const double side = card.anyDead ? 52 : 75;
    const QRectF capsKey(kWidth - kMargin - 380, kLegendTop, side, side);
    PaintKeyCap(painter, capsKey, true);
    PaintLock(painter, capsKey);
    PaintSampleText(painter, style, capsKey,
                    QStringLiteral("Caps Lock affects the key: with it on, the key types "
                                   "its Shift character"));
    if (card.anyDead) {
        const QRectF deadKey(capsKey.left(), kLegendTop + kLegendHeight - side, side, side);
        PaintKeyCap(painter, deadKey, false);
        // One character filling the small key, so the mark reads as it does on the keys.
        const QRectF face =
            deadKey.adjusted(kCornerInset, kCornerInset, -kCornerInset, -kCornerInset);
        painter.setPen(QColor(kInk));
        painter.setFont(Font(style, kCharacterPixels));
        painter.drawText(face, Qt::AlignCenter, QStringLiteral("^"));
        PaintDeadMark(painter, face, kInk, false);
        PaintSampleText(painter, style, deadKey,
                        QStringLiteral("A dead key: it waits for the next key and types what "
                                       "the two compose into"));
    }
}

void PaintFooter(QPainter& painter, const PictureStyle& style, int codePage) {
    painter.setPen(QPen(QColor(kQuietInk), 0.8));
    painter.drawLine(QPointF(kMargin, kFooterTop - 8), QPointF(kWidth - kMargin, kFooterTop - 8));
    painter.setFont(Font(style, 15));
    painter.drawText(QRectF(kMargin, kFooterTop, kWidth - 2 * kMargin, kFooterHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     style.face + QStringLiteral(" \u00B7 ") +
                         QString::fromStdString(CodePageCaption(codePage)));
}

} // namespace

QSizeF PictureSize() {
    return {kWidth, kHeight};
}

void PaintLayoutPicture(QPainter& painter, const QRectF& target, const KeyboardLayout& layout,
                        const PictureStyle& style, const CodePage& page) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const double scale = std::min(target.width() / kWidth, target.height() / kHeight);
    painter.translate(target.center() - QPointF(kWidth, kHeight) * scale / 2);
    painter.scale(scale, scale);

    if (!style.title.isEmpty()) {
        painter.setPen(QColor(kInk));
        painter.setFont(Font(style, 28, true));
        painter.drawText(QRectF(kMargin, kMargin, kWidth - 2 * kMargin, kHeaderHeight - 16),
                         Qt::AlignLeft | Qt::AlignVCenter, style.title);
    }
    const Card card = CardOf(layout);
    PaintKeys(painter, layout, card, style, page);
    PaintLegend(painter, card, style);
    PaintFooter(painter, style, page.number());
    painter.restore();
}

} // namespace kbd::render
