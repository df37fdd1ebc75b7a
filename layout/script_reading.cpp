#include "script_reading.h"

#include <array>

namespace kbd {

Reading ReadLayoutIn(const KeyboardLayout& layout, const CodePage& page) {
    Reading reading;
    std::array<bool, 8> seen{};
    const auto hole = [&page](std::uint8_t code, std::uint8_t none) {
        return code != 0 && code != none && !page.defined(code);
    };
    for (int i = 0; i < kKeyCount; ++i) {
        const std::uint8_t norm = layout.NormalChar[i], shift = layout.ShiftChar[i];
        reading.letterPairs += page.isCasePair(norm, shift) ? 1 : 0;
        // 0x20 is how an AltGr layer says none.
        reading.holes += hole(norm, 0) + hole(shift, 0) + hole(layout.AltGrChar[i], 0x20) +
                         hole(layout.AnsiChar[i], 0);
        for (const std::uint8_t code : {norm, shift}) {
            seen[static_cast<std::size_t>(page.script(code))] = true;
        }
    }
    for (std::size_t script = 1; script < seen.size(); ++script) {
        reading.scripts += seen[script] ? 1 : 0;
    }
    return reading;
}

std::optional<int> BetterCodePage(const KeyboardLayout& layout, int current) {
    const auto page = CodePage::Load(current);
    const int currentPairs = page ? ReadLayoutIn(layout, *page).letterPairs : 0;
    std::optional<int> best;
    int bestPairs = currentPairs;
    bool tie = false;
    for (const Script& script : Scripts()) {
        const auto other = CodePage::Load(script.codePage);
        if (script.codePage == current || !other) {
            continue;
        }
        const Reading reading = ReadLayoutIn(layout, *other);
        if (reading.holes != 0 || reading.scripts > 1 || reading.letterPairs < bestPairs) {
            continue;
        }
        tie = reading.letterPairs == bestPairs && best.has_value();
        if (reading.letterPairs > bestPairs) {
            best = script.codePage;
            bestPairs = reading.letterPairs;
            tie = false;
        }
    }
    return tie ? std::nullopt : best;
}

} // namespace kbd
