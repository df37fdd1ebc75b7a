// Which of the ten code pages a layout's bytes read best in. A KBD file carries no code
// page, so a file saved from a Cyrillic layout opens in whatever script is shown; this
// tells the editor which one to offer instead.
#pragma once

#include "codepage/code_page.h"
#include "keyboard_layout.h"

#include <optional>

namespace kbd {

struct Reading {
    int letterPairs = 0; // keys whose Norm and Shift are the two cases of one letter
    int holes = 0;       // bytes on keys that the code page does not define
    int scripts = 0;     // how many scripts the Norm and Shift letters belong to
};

Reading ReadLayoutIn(const KeyboardLayout& layout, const CodePage& page);

// The rule: another of the ten code pages reads the layout clearly better when it leaves
// no hole, puts every letter in one script, and makes more letter pairs than `current`
// and than every other such code page. Nothing when no code page is clearly better,
// including a tie for the most pairs.
std::optional<int> BetterCodePage(const KeyboardLayout& layout, int current);

} // namespace kbd
