// An MSKLC keyboard source (.klc) as the file states it, before any of it is put on keys:
// the shift states, the LAYOUT rows and the LOCALEID. MSKLC itself reads what is here;
// the sections it only passes on (KEYNAME, DESCRIPTIONS...) are skipped.
#pragma once

#include "files/result.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace formats {

struct KlcCell {
    enum Kind { None, Character, Ligature } kind = None; // -1, a character, %%
    char32_t character = 0;
    bool dead = false; // written with a trailing @
};

struct KlcRow {
    int line = 0; // 1-based, for messages
    unsigned scanCode = 0;
    std::uint8_t virtualKey = 0;
    unsigned cap = 0;           // the Cap column's bits: 1 Caps Lock, 4 Caps Lock on AltGr
    bool sgCap = false;         // Cap is SGCap: the row after gives Caps Lock's own characters
    std::vector<KlcCell> cells; // one per SHIFTSTATE column, in the file's order
};

// What a DEADKEY section says a dead character composes with: base, result.
struct KlcComposition {
    char32_t base = 0;
    char32_t result = 0;
};

struct KlcSource {
    std::vector<unsigned> states; // the SHIFTSTATE values: 0 Norm, 1 Shift, 6 AltGr...
    std::vector<KlcRow> rows;     // in the file's order; SGCap's second rows left out
    std::map<char32_t, std::vector<KlcComposition>> deadKeys; // by dead character
    std::optional<std::uint16_t> language;                    // the low word of LOCALEID
};

// True when the text, UTF-16LE with its mark or UTF-8, opens with MSKLC's KBD keyword.
bool LooksLikeKlc(std::span<const std::uint8_t> bytes);

// The whole source; refuses (BadKeyboardFile, the line and reason, no path) text that
// neither encoding allows, a file without SHIFTSTATE or LAYOUT, a row whose fields do not
// match SHIFTSTATE, an unknown virtual-key name or a scan code given twice.
kbd::Result<KlcSource> ParseKlc(std::span<const std::uint8_t> bytes);

} // namespace formats
