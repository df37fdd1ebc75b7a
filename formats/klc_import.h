// An MSKLC source put on the 49 keys: what its LAYOUT rows type in the states a KBD file
// of ours has layers for, the rest listed as not carried.
#pragma once

#include "codepage/code_page.h"
#include "imported.h"
#include "klc_source.h"

#include <optional>

namespace formats {

// Each of the 49 keys takes the row of its scan code:
//  - the virtual key the row names, Caps Lock when the Cap column has bit 1;
//  - SHIFTSTATE columns 0, 1 and 6 become Norm, Shift and AltGr, each character its byte
//    in `codePage`, -1 none;
//  - a character the code page lacks, a ligature (%%), an AltGr space or control
//    character keep the built-in Norm or Shift byte, or leave AltGr empty, and are listed;
//    a dead key (@) keeps its accent and is listed;
//  - any other column's characters are listed, except the control characters every KBD
//    file of ours types with Ctrl anyway; SGCap and Caps Lock on AltGr are listed;
//  - rows of keys outside the 49 are listed, except a space bar that types spaces.
// A key without a row types nothing and keeps the code of its place. ANSI follows the
// rule of thumb; scan codes stay the built-in ones.
Imported KlcLayout(const KlcSource& source, const kbd::CodePage& codePage);

// The code page the source's LOCALEID gives its language, if it gives one.
std::optional<int> KlcCodePage(const KlcSource& source);

} // namespace formats
