#include "font_faces.h"

#include <QFont>
#include <QFontDatabase>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kbd::toolkit {

namespace {

QString WithoutFoundry(const QString& family) {
    const qsizetype bracket = family.indexOf(QStringLiteral(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

} // namespace

QStringList ScreenFamilies() {
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family)) {
            families.append(WithoutFoundry(family));
        }
    }
    families.removeDuplicates();
    families.sort(Qt::CaseInsensitive);
    return families;
}

std::vector<FontStyle> FaceStyles(const QString& family) {
    std::vector<FontStyle> styles;
    for (const QString& name : QFontDatabase::styles(family)) {
        // The database calls an oblique style upright; the font it builds knows better.
        const QFont font = QFontDatabase::font(family, name, 12);
        styles.push_back({name, font.weight(), font.style() != QFont::StyleNormal});
    }
    if (styles.empty()) {
        return {{QStringLiteral("Regular"), QFont::Normal, false},
                {QStringLiteral("Italic"), QFont::Normal, true},
                {QStringLiteral("Bold"), QFont::Bold, false},
                {QStringLiteral("Bold Italic"), QFont::Bold, true}};
    }
    // A QFont picks its face by weight and slant alone, so "Condensed" could never be had
    // apart from "Book": of the styles that look alike to it, the plainest name stays.
    std::ranges::sort(styles, [](const FontStyle& a, const FontStyle& b) {
        if (a.weight != b.weight) {
            return a.weight < b.weight;
        }
        if (a.italic != b.italic) {
            return !a.italic;
        }
        return a.name.size() < b.name.size();
    });
    const auto same = [](const FontStyle& a, const FontStyle& b) {
        return a.weight == b.weight && a.italic == b.italic;
    };
    const auto tail = std::ranges::unique(styles, same);
    styles.erase(tail.begin(), tail.end());
    return styles;
}

std::size_t NearestStyle(const std::vector<FontStyle>& styles, int weight, bool italic) {
    std::size_t best = 0;
    int bestCost = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < styles.size(); ++i) {
        const int cost =
            std::abs(styles[i].weight - weight) + (styles[i].italic == italic ? 0 : 10000);
        if (cost < bestCost) {
            best = i;
            bestCost = cost;
        }
    }
    return best;
}

} // namespace kbd::toolkit
