#include "code_page_facts.h"

#include "layout/code_page.h"

#include <QHash>
#include <QString>

namespace kbd::toolkit {
namespace {

// `texts` holds an empty string where the code page defines no character.
CodePageFacts Facts(const std::array<QString, 256>& texts) {
    QHash<QString, std::uint8_t> byteOf;
    CodePageFacts facts;
    // Walking down leaves the lowest byte for a character the page has twice.
    for (int c = 255; c >= 0; --c) {
        facts.defined[c] = !texts[c].isEmpty();
        if (facts.defined[c]) {
            byteOf.insert(texts[c], static_cast<std::uint8_t>(c));
        }
    }
    for (int c = 0; c < 256; ++c) {
        // A letter whose upper case is two letters (the sharp s) or lies outside the page
        // (the micro sign) has none here.
        const auto upper = byteOf.constFind(texts[c].toUpper());
        facts.upper[c] = facts.defined[c] && upper != byteOf.constEnd()
                             ? upper.value()
                             : static_cast<std::uint8_t>(c);
    }
    return facts;
}

} // namespace

std::optional<CodePageFacts> FactsFor(int codePage) {
    const auto decoded = DecodeCodePage(codePage);
    if (!decoded) {
        return std::nullopt;
    }
    std::array<QString, 256> texts;
    for (std::size_t c = 0; c < texts.size(); ++c) {
        const std::string& utf8 = (*decoded)[c];
        texts[c] = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
    return Facts(texts);
}

CodePageFacts Latin1Facts() {
    std::array<QString, 256> texts;
    for (int c = 0; c < 256; ++c) {
        texts[c] = QString(QChar(static_cast<char16_t>(c)));
    }
    return Facts(texts);
}

} // namespace kbd::toolkit
