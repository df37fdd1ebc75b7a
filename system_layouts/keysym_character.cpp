#include "keysym_character.h"

#include <array>
#include <utility>
#include <xkbcommon/xkbcommon.h>

namespace kbd {
namespace {

constexpr std::array<std::pair<xkb_keysym_t, char32_t>, 13> kSpacingAccents{{
    {XKB_KEY_dead_grave, U'`'},
    {XKB_KEY_dead_acute, U'\u00B4'},
    {XKB_KEY_dead_circumflex, U'^'},
    {XKB_KEY_dead_tilde, U'~'},
    {XKB_KEY_dead_diaeresis, U'\u00A8'},
    {XKB_KEY_dead_caron, U'\u02C7'},
    {XKB_KEY_dead_breve, U'\u02D8'},
    {XKB_KEY_dead_abovedot, U'\u02D9'},
    {XKB_KEY_dead_ogonek, U'\u02DB'},
    {XKB_KEY_dead_doubleacute, U'\u02DD'},
    {XKB_KEY_dead_cedilla, U'\u00B8'},
    {XKB_KEY_dead_abovering, U'\u02DA'},
    {XKB_KEY_dead_macron, U'\u00AF'},
}};

} // namespace

std::optional<char32_t> KeysymCharacter(std::uint32_t keysym) {
    for (const auto& [dead, accent] : kSpacingAccents) {
        if (dead == keysym) {
            return accent;
        }
    }
    const std::uint32_t point = xkb_keysym_to_utf32(keysym);
    if (point == 0) {
        return std::nullopt;
    }
    return static_cast<char32_t>(point);
}

bool IsDeadKeysym(std::uint32_t keysym) {
    // xkbcommon numbers every dead key in one block, from dead_grave on.
    return keysym >= XKB_KEY_dead_grave && keysym <= XKB_KEY_dead_longsolidusoverlay;
}

std::optional<char32_t> OtherSpacingForm(std::uint32_t keysym) {
    if (keysym == XKB_KEY_dead_acute) {
        return U'\u0384'; // 1253 has the tonos where the others have the acute
    }
    return std::nullopt;
}

std::optional<std::uint32_t> DeadKeysymOf(char32_t accent) {
    for (const auto& [dead, spacing] : kSpacingAccents) {
        if (spacing == accent || OtherSpacingForm(dead) == accent) {
            return dead;
        }
    }
    return std::nullopt;
}

std::string KeysymName(std::uint32_t keysym) {
    char name[64];
    if (xkb_keysym_get_name(keysym, name, sizeof name) < 0) {
        return "keysym " + std::to_string(keysym);
    }
    return name;
}

} // namespace kbd
