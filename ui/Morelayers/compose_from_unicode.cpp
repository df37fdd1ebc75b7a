#include "compose_from_unicode.h"

#include <QChar>
#include <QList>
#include <array>

namespace kbd {
namespace {

// The others decompose, for compatibility, into a space and their mark (´ into U+0020
// U+0301), which CombiningForm reads; these are plain characters to Unicode.
constexpr std::array<AccentMark, 6> kUndecomposed{{
    {U'^', U'\u0302'},
    {U'`', U'\u0300'},
    {U'~', U'\u0303'},
    {U'\u02C6', U'\u0302'}, // 1252's modifier circumflex
    {U'\u02C7', U'\u030C'}, // the caron
    {U'\u00B0', U'\u030A'}, // the ring that Czech keyboards put on the degree sign
}};

QString FromPoint(char32_t point) {
    return QString::fromUcs4(&point, 1);
}

} // namespace

std::span<const AccentMark> UndecomposedAccents() {
    return kUndecomposed;
}

QString CombiningForm(char32_t accent) {
    if (QChar::isMark(accent)) {
        return FromPoint(accent);
    }
    for (const AccentMark& row : kUndecomposed) {
        if (row.accent == accent) {
            return FromPoint(row.mark);
        }
    }
    const QString parts = FromPoint(accent).normalized(QString::NormalizationForm_KD);
    if (parts.size() < 2 || parts.front() != QLatin1Char(' ')) {
        return {};
    }
    const QString marks = parts.mid(1);
    for (const uint point : marks.toUcs4()) {
        if (!QChar::isMark(point)) {
            return {};
        }
    }
    return marks;
}

std::vector<Composition> ComposeFromUnicode(const CodePage& page, std::uint8_t accent) {
    std::vector<Composition> made;
    const auto point = page.codePoint(accent);
    const QString marks = point ? CombiningForm(*point) : QString();
    if (marks.isEmpty()) {
        return made;
    }
    for (int code = 0x21; code < 256; ++code) {
        const auto base = static_cast<std::uint8_t>(code);
        const auto basePoint = page.codePoint(base);
        if (!basePoint || page.isMark(base)) {
            continue;
        }
        const QList<uint> composed =
            (FromPoint(*basePoint) + marks).normalized(QString::NormalizationForm_C).toUcs4();
        if (composed.size() != 1 || composed.front() == static_cast<uint>(*basePoint)) {
            continue;
        }
        if (const auto result = page.byteFor(composed.front())) {
            made.push_back(Composition{accent, base, *result});
        }
    }
    return made;
}

} // namespace kbd
