// Virtual-key codes for a layout whose characters came from elsewhere. Windows programs
// read letters by their codes (Ctrl+Z, Alt+F), so a key that types a Latin letter takes
// that letter's code; every other key keeps the code of its place where it can, so a
// layout of another script keeps the codes of the keyboard under it. Two keys never end
// with one code, since a file gives such keys one AltGr character and Caps-Lock flag.
#pragma once

#include "codepage/code_page.h"
#include "layout/keyboard_layout.h"

namespace kbd {

// Sets all 49 virtual-key codes from the Norm bytes read in `codePage`:
//  1. a key whose Norm byte is an ASCII letter takes the letter's upper-case code
//     (0x41..0x5A); of two keys typing one letter, the first in key order;
//  2. every other key, in key order, keeps its default code unless another key holds it;
//     then it takes the OEM code of its Norm character (",.-=+;/`[\]'") when no key holds
//     that, else the first of 0xBA..0xC0, 0xDB..0xDF, 0xE2 that no key holds, else the
//     first default code of any key that no key holds (there is always one: 49 keys
//     have 49 distinct default codes).
void AssignVirtualKeys(KeyboardLayout& layout, const CodePage& codePage);

} // namespace kbd
