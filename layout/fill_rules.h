// Two layers that follow from Norm and Shift: the ANSI character Windows uses inside, and
// whether Caps Lock acts on the key. Both are read in the code page the layout is meant
// for, since only there do two bytes form a letter pair.
#pragma once

#include "codepage/code_page.h"
#include "keyboard_layout.h"

namespace kbd {

// The help's rule of thumb: ANSI is the Shift character on a letter pair (Norm and Shift
// are the two cases of one letter), else the Norm character. Returns how many keys changed.
int FillAnsiByRuleOfThumb(KeyboardLayout& layout, const CodePage& codePage);

// Caps Lock acts on exactly the keys whose Norm and Shift are the two cases of one letter
// (flag 1, else 0). Returns how many keys changed.
int SetCapsOnCasePairs(KeyboardLayout& layout, const CodePage& codePage);

// The driver reads AltGr under Caps Lock on a key Caps Lock acts on from the Shift+AltGr
// table, so such a key types nothing there unless that table holds a character. Each key
// Caps Lock acts on whose AltGr character is written, and that has no Shift+AltGr character,
// gets the upper case of its AltGr character when the two are a letter pair, else the AltGr
// character itself. Returns how many keys changed.
int KeepAltGrUnderCaps(KeyboardLayout& layout, const CodePage& codePage);

} // namespace kbd
