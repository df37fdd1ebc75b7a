#include "klc_import.h"

#include "codepage/language_code_page.h"
#include "layout/dead_keys.h"
#include "layout/fill_rules.h"
#include "layout/kbd_format.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace formats {
namespace {

using kbd::NotCarried;
using kbd::NotCarriedWhy;

using kbd::kNoAltGr;
constexpr unsigned kCapsLock = 1;
constexpr unsigned kCapsOnAltGr = 4;
constexpr unsigned kSpaceBar = 0x39;

int LayerOfState(unsigned state) {
    switch (state) {
    case 0:
        return kbd::LayerNorm;
    case 1:
        return kbd::LayerShift;
    case 6:
        return kbd::LayerAltGr;
    case 7:
        return kbd::LayerShiftAltGr;
    default:
        return 0;
    }
}

// MSKLC's state bits: 1 Shift, 2 Ctrl, 4 Alt, 8 Kana; Ctrl with Alt is AltGr.
std::string StateName(unsigned state) {
    std::string name = state & 1 ? "Shift" : "";
    const auto add = [&name](const char* part) {
        name += (name.empty() ? "" : "+") + std::string(part);
    };
    if ((state & 6) == 6) {
        add("AltGr");
    } else if (state & 2) {
        add("Ctrl");
    } else if (state & 4) {
        add("Alt");
    }
    if (state & 8) {
        add("Kana");
    }
    return name.empty() ? "state 0" : name;
}

// The control characters every KBD file of ours types with Ctrl (state 2) and
// Ctrl+Shift (state 3): a .klc cell that says the same loses nothing.
bool WrittenAnyway(unsigned state, std::uint8_t virtualKey, char32_t character) {
    const auto holds = [&](const auto& keys, const auto& chars) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == virtualKey && chars[i] == character) {
                return true;
            }
        }
        return false;
    };
    using namespace kbd::body;
    return (state == 2 && holds(kSlot4VkeyBytes, kSlot4CharBytes)) ||
           (state == 3 && holds(kSlot5VkeyBytes, kSlot5CharBytes));
}

class KeyCarrier {
public:
    KeyCarrier(const KlcSource& source, const kbd::CodePage& codePage, Imported& imported)
        : source_(source), codePage_(codePage), imported_(imported) {}

    void Key(const KlcRow& row, int index) {
        kbd::KeyboardLayout& layout = imported_.layout;
        layout.VirtualKey[index] = row.virtualKey;
        layout.CapsAffected[index] = row.cap & kCapsLock ? 1 : 0;
        for (std::size_t k = 0; k < row.cells.size(); ++k) {
            const int layer = LayerOfState(source_.states[k]);
            if (layer == 0) {
                Uncarried(row, index, source_.states[k], row.cells[k]);
            } else {
                kbd::SetLayerChar(layout, layer, index, Byte(index, layer, row.cells[k]));
            }
        }
        if (row.sgCap) {
            Lose({index + 1, 0, NotCarriedWhy::CapsOwnCharacters, 0, {}, 0});
        }
        if (row.cap & kCapsOnAltGr) {
            Lose({index + 1, 0, NotCarriedWhy::CapsOnAltGr, 0, {}, 0});
        }
    }

    void OtherKey(const KlcRow& row) {
        const bool typesSomething =
            std::any_of(row.cells.begin(), row.cells.end(), [&](const KlcCell& cell) {
                return cell.kind != KlcCell::None &&
                       !(row.scanCode == kSpaceBar && cell.kind == KlcCell::Character &&
                         cell.character == U' ');
            });
        if (!typesSomething) {
            return;
        }
        char place[32];
        std::snprintf(place, sizeof place, "scan code 0x%02X", row.scanCode);
        Lose({0, 0, NotCarriedWhy::OtherKey, 0, {}, 0, place});
    }

private:
    // The byte a cell of Norm, Shift, AltGr or Shift+AltGr becomes.
    std::uint8_t Byte(int index, int layer, const KlcCell& cell) {
        const bool altGr = layer == kbd::LayerAltGr || layer == kbd::LayerShiftAltGr;
        const std::uint8_t none = layer == kbd::LayerAltGr ? kNoAltGr : 0;
        const std::uint8_t kept =
            altGr ? none : *kbd::LayerChar(kbd::DefaultLayout(), layer, index);
        NotCarried lost{index + 1, layer, NotCarriedWhy::Ligature, cell.character, {}, kept};
        if (cell.kind == KlcCell::None) {
            return none;
        }
        if (cell.kind == KlcCell::Ligature) {
            return Lose(std::move(lost));
        }
        if (altGr && cell.character <= U' ') {
            lost.why = NotCarriedWhy::SpaceOrControl;
            return Lose(std::move(lost));
        }
        const auto byte = codePage_.byteFor(cell.character);
        if (!byte) {
            lost.why = NotCarriedWhy::NotInCodePage;
            return Lose(std::move(lost));
        }
        if (cell.dead) {
            kbd::SetDead(imported_.layout, index, *kbd::CharLayerOf(layer), true);
            deadBytes_.emplace(*byte, cell.character);
        }
        return *byte;
    }

    // A cell of a column that no layer holds. What a KBD file cannot type from a .klc
    // lives here alone: Ctrl and the other columns.
    void Uncarried(const KlcRow& row, int index, unsigned state, const KlcCell& cell) {
        if (cell.kind == KlcCell::None || (cell.kind == KlcCell::Character &&
                                           WrittenAnyway(state, row.virtualKey, cell.character))) {
            return;
        }
        NotCarried lost{index + 1, 0, NotCarriedWhy::OtherState, cell.character,
                        {},        0, StateName(state)};
        if (cell.kind == KlcCell::Ligature) {
            lost.why = NotCarriedWhy::Ligature;
        }
        Lose(std::move(lost));
    }

public:
    // Each dead character's DEADKEY rows whose base and result the code page holds.
    void Compositions() {
        for (const auto& [dead, character] : deadBytes_) {
            const auto section = source_.deadKeys.find(character);
            if (section == source_.deadKeys.end()) {
                continue;
            }
            for (const KlcComposition& pair : section->second) {
                const auto base = codePage_.byteFor(pair.base);
                const auto result = codePage_.byteFor(pair.result);
                if (base && result && kbd::DriverComposesWith(*base)) {
                    kbd::SetComposition(imported_.layout, {dead, *base, *result});
                }
            }
        }
    }

private:
    std::uint8_t Lose(NotCarried lost) {
        const std::uint8_t kept = lost.kept;
        imported_.notCarried.push_back(std::move(lost));
        return kept;
    }

    const KlcSource& source_;
    const kbd::CodePage& codePage_;
    Imported& imported_;
    std::map<std::uint8_t, char32_t> deadBytes_; // each dead byte and the character it was
};

} // namespace

Imported KlcLayout(const KlcSource& source, const kbd::CodePage& codePage) {
    Imported imported{ImportKind::Klc, kbd::DefaultLayout(), {}};
    kbd::KeyboardLayout& layout = imported.layout;
    layout.NormalChar.fill(0);
    layout.ShiftChar.fill(0);
    layout.AltGrChar.fill(kNoAltGr);
    layout.CapsAffected.fill(0);
    std::vector<const KlcRow*> byKey(kbd::kKeyCount, nullptr);
    std::vector<const KlcRow*> others;
    for (const KlcRow& row : source.rows) {
        const int index = kbd::KeyOfScanCode(row.scanCode).value_or(-1);
        if (index >= 0) {
            byKey[static_cast<std::size_t>(index)] = &row;
        } else {
            others.push_back(&row);
        }
    }
    KeyCarrier carrier(source, codePage, imported);
    for (int i = 0; i < kbd::kKeyCount; ++i) {
        if (const KlcRow* row = byKey[static_cast<std::size_t>(i)]) {
            carrier.Key(*row, i);
        }
    }
    for (const KlcRow* row : others) {
        carrier.OtherKey(*row);
    }
    carrier.Compositions();
    kbd::FillAnsiByRuleOfThumb(layout, codePage);
    // A .klc's AltGr types under Caps Lock in Windows NT, where a Windows 95 Caps key reads
    // the Shift+AltGr table instead.
    kbd::KeepAltGrUnderCaps(layout, codePage);
    return imported;
}

std::optional<int> KlcCodePage(const KlcSource& source) {
    return source.language ? kbd::CodePageOfLanguage(*source.language) : std::nullopt;
}

} // namespace formats
