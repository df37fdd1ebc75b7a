// A layout made from one of the system's layouts: the built-in layout with the system
// layout's characters put on its keys, read in the code page the file is meant for.
#pragma once

#include "codepage/code_page.h"
#include "layout/keyboard_layout.h"
#include "layout_list.h"
#include "not_carried.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kbd {

struct BuiltLayout {
    KeyboardLayout layout;
    std::vector<NotCarried> notCarried; // by key, then Norm, Shift, AltGr
};

// Compiles `name` with `variant` (empty for none) for the evdev rules and the pc105 model,
// without options, and reads group 1 of each key at its default scan code + 8:
//  - Norm, Shift, AltGr and Shift+AltGr are levels 1 to 4, the first keysym of each, dead
//    accents as spacing accents (the Greek tonos standing for the acute where the code page
//    lacks the acute);
//  - with `deadKeys`, a dead accent's layer is dead, composing as the desktop's Compose
//    table for `composeLocale` (else en_US.UTF-8) says, where base and result both have a
//    byte; with no Compose table to read, the accents stay plain characters;
//  - a Norm or Shift character the code page lacks, or a space or control character,
//    keeps the default byte; an AltGr one leaves the key without an AltGr character; a
//    level without a keysym is none (AltGr 0x20; Norm and Shift keep the default) and is
//    not listed, every other loss is;
//  - the numeric-pad decimal key (49) types its NumLock level, the period or comma, in
//    Norm, Shift and ANSI, with no AltGr character and no Caps Lock;
//  - ANSI and Caps Lock follow FillAnsiByRuleOfThumb and SetCapsOnCasePairs, and the
//    virtual-key codes AssignVirtualKeys; scan codes stay the defaults.
// Nothing when libxkbcommon cannot compile the layout (an unknown name or variant) or the
// name is not one xkeyboard-config could spell.
std::optional<BuiltLayout> BuildSystemLayout(std::string_view name, std::string_view variant,
                                             const CodePage& codePage, bool deadKeys = true,
                                             std::string_view composeLocale = {});

// The same for a symbols file the system does not hold: `includeRoot` (a folder with a
// symbols/ folder) is searched before the system's XKB folders, so `name` may be a file
// there. libxkbcommon's complaints, if it cannot compile the layout, go to `log`. Dead
// accents are dead keys or plain characters as `deadKeys` says, by the same Compose table.
std::optional<BuiltLayout> BuildLayoutFromRoot(const std::string& includeRoot,
                                               std::string_view name, std::string_view variant,
                                               const CodePage& codePage, std::string& log,
                                               bool deadKeys = true,
                                               std::string_view composeLocale = {});

// The same with the Compose table of the layout's language.
std::optional<BuiltLayout> BuildSystemLayout(const SystemLayout& which, const CodePage& codePage,
                                             bool deadKeys = true);

// The locale whose Compose table fits the layout's first language ("fr_FR.UTF-8"); empty
// when no language of it is known.
std::string ComposeLocale(const SystemLayout& layout, int codePage);

} // namespace kbd
