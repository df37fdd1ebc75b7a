// Layouts for round-trip tests: random characters and flags, and 49 distinct
// virtual-key codes so that every entry finds its own key again.
#pragma once

#include "layout/keyboard_layout.h"

#include <random>

namespace kbd::testing {

KeyboardLayout RandomLayout(std::mt19937& random);

// What a save-then-load of `layout` must give, scan codes kept: AltGr characters of 32 or
// less (or on a key without a virtual-key code) come back as 0, Caps-Lock flags as 0 or 1,
// and a key that shares a code gives both to the first key with it.
KeyboardLayout ExpectedAfterRoundTrip(const KeyboardLayout& layout);

} // namespace kbd::testing
