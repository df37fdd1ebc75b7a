// The layouts and variants xkeyboard-config describes, as its registry lists them, and
// the "name(variant)" spelling by which people and kbdtool name one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kbd {

struct SystemLayout {
    std::string name;        // "de"
    std::string variant;     // "nodeadkeys"; empty for the layout itself
    std::string description; // "German (no dead keys)"

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
// the registry's order; nothing when the registry cannot be read.
std::optional<std::vector<SystemLayout>> ListSystemLayouts();

// True when `text` occurs in the id or the description, ignoring ASCII case; an empty
// text matches every layout.
bool LayoutMatches(const SystemLayout& layout, std::string_view text);

} // namespace kbd
