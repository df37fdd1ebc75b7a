#include "virtual_key_names.h"

#include <algorithm>
#include <array>

namespace kbd {
namespace {

struct NamedKey {
    std::uint8_t code;
    std::string_view name;
    bool typewriter; // a typewriter key may carry it in a .klc file
};

// Digits and letters are named by themselves and handled apart from the table.
constexpr std::array<NamedKey, 40> kNamedKeys{{
    {0x08, "BACK", false},      {0x09, "TAB", false},      {0x0C, "CLEAR", false},
    {0x0D, "RETURN", false},    {0x1B, "ESCAPE", false},   {0x20, "SPACE", false},
    {0x60, "NUMPAD0", false},   {0x61, "NUMPAD1", false},  {0x62, "NUMPAD2", false},
    {0x63, "NUMPAD3", false},   {0x64, "NUMPAD4", false},  {0x65, "NUMPAD5", false},
    {0x66, "NUMPAD6", false},   {0x67, "NUMPAD7", false},  {0x68, "NUMPAD8", false},
    {0x69, "NUMPAD9", false},   {0x6A, "MULTIPLY", false}, {0x6B, "ADD", false},
    {0x6C, "SEPARATOR", false}, {0x6D, "SUBTRACT", false}, {0x6E, "DECIMAL", true},
    {0x6F, "DIVIDE", false},    {0xBA, "OEM_1", true},     {0xBB, "OEM_PLUS", true},
    {0xBC, "OEM_COMMA", true},  {0xBD, "OEM_MINUS", true}, {0xBE, "OEM_PERIOD", true},
    {0xBF, "OEM_2", true},      {0xC0, "OEM_3", true},     {0xC1, "ABNT_C1", false},
    {0xC2, "ABNT_C2", false},   {0xDB, "OEM_4", true},     {0xDC, "OEM_5", true},
    {0xDD, "OEM_6", true},      {0xDE, "OEM_7", true},     {0xDF, "OEM_8", true},
    {0xE1, "OEM_AX", false},    {0xE2, "OEM_102", true},   {0xE5, "PROCESSKEY", false},
    {0xFE, "OEM_CLEAR", false},
}};

// '0'..'9' and 'A'..'Z' are their own names; one character of static storage each.
constexpr std::array<char, 256> kSelfNames = [] {
    std::array<char, 256> names{};
    for (int code = 0; code < 256; ++code) {
        const bool self = (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z');
        names[static_cast<std::size_t>(code)] = self ? static_cast<char>(code) : '\0';
    }
    return names;
}();

const NamedKey* Find(std::uint8_t code) {
    const auto* found = std::find_if(kNamedKeys.begin(), kNamedKeys.end(),
                                     [code](const NamedKey& key) { return key.code == code; });
    return found == kNamedKeys.end() ? nullptr : found;
}

} // namespace

std::string_view VirtualKeyName(std::uint8_t code) {
    if (kSelfNames[code] != '\0') {
        return {&kSelfNames[code], 1};
    }
    const NamedKey* key = Find(code);
    return key != nullptr ? key->name : std::string_view{};
}

std::string_view TypewriterKeyName(std::uint8_t code) {
    const NamedKey* key = Find(code);
    return key != nullptr && !key->typewriter ? std::string_view{} : VirtualKeyName(code);
}

std::optional<std::uint8_t> VirtualKeyCode(std::string_view name) {
    if (name.size() == 1 && kSelfNames[static_cast<unsigned char>(name[0])] != '\0') {
        return static_cast<std::uint8_t>(name[0]);
    }
    const auto* found = std::find_if(kNamedKeys.begin(), kNamedKeys.end(),
                                     [name](const NamedKey& key) { return key.name == name; });
    return found == kNamedKeys.end() ? std::nullopt : std::optional(found->code);
}

} // namespace kbd
