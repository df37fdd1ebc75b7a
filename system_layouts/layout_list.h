// The layouts and variants xkeyboard-config describes, as its registry lists them, and
// the "name(variant)" spelling by which people and kbdtool name one.
#pragma once

#include "files/result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kbd {

struct SystemLayout {
    std::string name;        // "de"
    std::string variant;     // "nodeadkeys"; empty for the layout itself
    std::string description; // "German (no dead keys)"
    // ISO 639-3 codes of its languages ("deu"); a variant without its own has its layout's.
    std::vector<std::string> languages;

    friend bool operator==(const SystemLayout&, const SystemLayout&) = default;
};

// "de" or "de(nodeadkeys)".
std::string LayoutId(std::string_view name, std::string_view variant);
inline std::string LayoutId(const SystemLayout& layout) {
    return LayoutId(layout.name, layout.variant);
}

// The name and variant of "de" or "de(nodeadkeys)" (no description); nothing for any
// other shape, including an empty name or variant and characters no layout name has.
std::optional<SystemLayout> ParseLayoutId(std::string_view id);

// Every layout and variant of the evdev rules, each layout followed by its variants, in
// the registry's order. When the registry cannot be read, the error names its file (under
// $XKB_CONFIG_ROOT, else /usr/share/X11/xkb) and gives what libxkbregistry or the system
// said: CannotOpen when the file cannot be opened, ReadFailed when it cannot be parsed.
Result<std::vector<SystemLayout>> ListSystemLayouts();

// The code page the layout's languages are written in: 1251 for Serbian, 1250 for a
// Serbian variant named Latin, 1253 for Greek; nothing for languages the locale table
// does not hold, or a variant whose script the language has no row for.
std::optional<int> ImpliedCodePage(const SystemLayout& layout);

// The Windows locale of the layout's first language the table holds, in `codePage`'s
// script where the language has one ("srp" in 1250: sr-Latn-CS); null when none is held.
const struct WindowsLocale* LayoutLocale(const SystemLayout& layout, int codePage);

// True when `text` occurs in the id or the description, ignoring ASCII case; an empty
// text matches every layout.
bool LayoutMatches(const SystemLayout& layout, std::string_view text);

} // namespace kbd
