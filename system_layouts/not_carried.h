// Something a layout read from elsewhere (a system layout, an imported keyboard file) has
// and the built layout does not, and the line that tells someone so.
#pragma once

#include "codepage/code_page.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kbd {

enum class NotCarriedWhy {
    NotInCodePage,     // the code page has no byte for the character
    SpaceOrControl,    // a space or a control character: no key's character in a file
    NoCharacter,       // the keysym stands for no character (a dead key without a spacing form)
    DeadKey,           // a dead key: the layer types its accent alone
    Ligature,          // several characters from one press
    OtherState,        // a shift state the layout has no layer for; `place` names it
    OtherKey,          // a key that is none of the 49 (key 0); `place` names it
    CapsOwnCharacters, // Caps Lock types characters of its own on the key (MSKLC's SGCap)
    CapsOnAltGr,       // Caps Lock acts on the key's AltGr characters too
};

struct NotCarried {
    int key;   // key number, 1..49; 0 for OtherKey
    int layer; // LayerNorm, LayerShift, LayerAltGr or LayerShiftAltGr; 0 for a whole key or
               // OtherState
    NotCarriedWhy why;
    char32_t character; // 0 for NoCharacter
    std::string keysym; // the keysym's name ("Greek_omega", "dead_belowdot")
    std::uint8_t kept;  // the byte the layer types instead: the default, 0 for none, 0x20 for AltGr
    // How the file names the state or the key the layout has none for: "Ctrl",
    // "scan code 0x39"; empty for every other reason.
    std::string place{};
    bool upperOfNorm = false; // Shift took Norm's upper case rather than the default
};

// One line, key and layer first, the outcome last:
//   key 14 Norm: U+03C9 ω is not in code page 1250; kept q
//   key 12 AltGr: U+00AF ¯ is not in code page 1251; left empty
//   key 5 Shift: U+0009 is a space or a control character; kept $
//   key 33 AltGr: dead_belowdot has no character; left empty
//   key 27 Shift: U+045D ѝ is not in code page 1251; upper case of Norm: Ь
//   key 14 Norm: U+FEFB ﻻ is not in code page 1256; left empty
//   key 1 Norm: U+0060 ` is a dead key; kept `
//   key 14 Shift: a ligature of several characters; kept Q
//   key 14 Ctrl: U+001B is in a state the layout has no layer for; left out
//   scan code 0x39: a key outside the 49; left out
//   key 14: Caps Lock types characters of its own (SGCap); Caps Lock left off
//   key 14: Caps Lock acts on AltGr too; it acts on Norm and Shift only
// `codePage` names the code page and reads the kept byte.
std::string NotCarriedText(const NotCarried& item, const CodePage& codePage);

// What became of the keys, for the heading of the list: "Where the code page has no byte
// for a character, 3 keys kept their default character, 2 took the upper case of Norm
// and 5 were left empty." Empty for an empty list.
std::string NotCarriedSummary(const std::vector<NotCarried>& items);

} // namespace kbd
