#include "json_layout.h"

#include "files/excerpt.h"
#include "layout/dead_keys.h"

#include <array>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>

namespace formats {
namespace {

using nlohmann::json;

// Why a value was refused; nothing when it was taken.
using Refusal = std::optional<std::string>;

// A field of the object: how its value is read into a layout and written from one. A
// field of another shape than a byte table brings its own pair of functions.
struct Field {
    const char* name;
    bool required;
    Refusal (*read)(const char* name, const json& value, kbd::KeyboardLayout& layout);
    json (*write)(const kbd::KeyboardLayout& layout);
    // For a field that only some layouts have: whether this one has it. Null: always written.
    bool (*present)(const kbd::KeyboardLayout& layout) = nullptr;
};

// What a refusal says about a value: a scalar as written (shortened), a container by its
// kind, since printing it whole could be as long, and as deep, as the input.
std::string Describe(const json& value) {
    if (value.is_array()) {
        return "an array";
    }
    if (value.is_object()) {
        return "an object";
    }
    return kbd::Excerpt(value.dump(-1, ' ', false, json::error_handler_t::replace));
}

template <kbd::KeyBytes kbd::KeyboardLayout::*bytes>
Refusal ReadBytes(const char* name, const json& value, kbd::KeyboardLayout& layout) {
    if (!value.is_array()) {
        return std::string(name) + ": must be an array of 49 integers 0..255";
    }
    if (value.size() != kbd::kKeyCount) {
        return std::string(name) + ": has " + std::to_string(value.size()) +
               " values, a layout has 49 keys";
    }
    kbd::KeyBytes read{};
    for (int i = 0; i < kbd::kKeyCount; ++i) {
        const json& item = value[static_cast<std::size_t>(i)];
        const std::string where = std::string(name) + "[" + std::to_string(i) + "]";
        if (!item.is_number_integer()) {
            return where + ": " + Describe(item) + " is not an integer";
        }
        if (item.is_number_unsigned() ? item.get<std::uint64_t>() > 255
                                      : item.get<std::int64_t>() < 0) {
            return where + ": " + Describe(item) + " is outside 0..255";
        }
        read[static_cast<std::size_t>(i)] = item.get<std::uint8_t>();
    }
    layout.*bytes = read;
    return std::nullopt;
}

template <kbd::KeyBytes kbd::KeyboardLayout::*bytes>
json WriteBytes(const kbd::KeyboardLayout& layout) {
    return layout.*bytes;
}

template <kbd::KeyBytes kbd::KeyboardLayout::*bytes>
constexpr Field ByteTable(const char* name, bool required) {
    return {name, required, &ReadBytes<bytes>, &WriteBytes<bytes>};
}

// The file's own words for the layers, apart from LayerName: a file must read the same
// in every version, whatever the editor comes to call a layer.
constexpr std::array<const char*, kbd::kCharLayerCount> kLayerNames = {"Norm", "Shift", "AltGr",
                                                                       "ShiftAltGr"};

std::optional<kbd::CharLayer> LayerNamed(const json& value) {
    for (std::size_t l = 0; l < kLayerNames.size(); ++l) {
        if (value.is_string() && value.get<std::string>() == kLayerNames[l]) {
            return static_cast<kbd::CharLayer>(l);
        }
    }
    return std::nullopt;
}

// An integer `low`..`high`, or why not.
Refusal ReadNumber(const std::string& where, const json& value, int low, int high, int& read) {
    if (!value.is_number_integer()) {
        return where + ": " + Describe(value) + " is not an integer";
    }
    if (value.is_number_unsigned()
            ? value.get<std::uint64_t>() > static_cast<unsigned>(high)
            : value.get<std::int64_t>() < low || value.get<std::int64_t>() > high) {
        return where + ": " + Describe(value) + " is outside " + std::to_string(low) + ".." +
               std::to_string(high);
    }
    read = value.get<int>();
    return std::nullopt;
}

// One dead key: its key and layer, and what its character composes with. The character
// is the layer's own, read before, so a dead key cannot name a character it does not
// type; two keys with one dead character must not give one base two results.
// Compositions by dead and base character: a map, since a hostile order of many pairs
// would make inserting into the layout's sorted list quadratic.
using ComposedBy = std::map<std::pair<std::uint8_t, std::uint8_t>, std::uint8_t>;

Refusal ReadDeadKey(const std::string& where, const json& entry, kbd::KeyboardLayout& layout,
                    ComposedBy& composed) {
    if (!entry.is_object()) {
        return where + ": must be an object with key, layer and compositions";
    }
    for (const auto& item : entry.items()) {
        if (item.key() != "key" && item.key() != "layer" && item.key() != "compositions") {
            return where + ": " + kbd::Excerpt(item.key()) + " is not a field of a dead key";
        }
    }
    const auto key = entry.find("key"), layer = entry.find("layer"),
               compositions = entry.find("compositions");
    if (key == entry.end() || layer == entry.end() || compositions == entry.end()) {
        return where + ": must have key, layer and compositions";
    }
    int number = 0;
    if (Refusal refused = ReadNumber(where + ".key", *key, 1, kbd::kKeyCount, number)) {
        return refused;
    }
    const auto named = LayerNamed(*layer);
    if (!named) {
        return where + ".layer: " + Describe(*layer) + " is none of Norm, Shift, AltGr, ShiftAltGr";
    }
    if (kbd::IsDead(layout, number - 1, *named)) {
        return where + ": key " + std::to_string(number) + " " +
               kLayerNames[static_cast<int>(*named)] + " is dead twice";
    }
    kbd::SetDead(layout, number - 1, *named, true);
    if (!compositions->is_array()) {
        return where + ".compositions: must be an array of [base, result] pairs";
    }
    const std::uint8_t dead = kbd::CharOf(layout, number - 1, *named);
    for (std::size_t i = 0; i < compositions->size(); ++i) {
        const json& pair = (*compositions)[i];
        const std::string at = where + ".compositions[" + std::to_string(i) + "]";
        if (!pair.is_array() || pair.size() != 2) {
            return at + ": must be a pair [base, result]";
        }
        int base = 0, result = 0;
        if (Refusal refused = ReadNumber(at + "[0]", pair[0], 0, 255, base)) {
            return refused;
        }
        if (Refusal refused = ReadNumber(at + "[1]", pair[1], 0, 255, result)) {
            return refused;
        }
        const auto [earlier, added] = composed.try_emplace({dead, static_cast<std::uint8_t>(base)},
                                                           static_cast<std::uint8_t>(result));
        if (!added && earlier->second != result) {
            return at + ": base " + std::to_string(base) + " already composes to " +
                   std::to_string(earlier->second);
        }
    }
    return std::nullopt;
}

Refusal ReadDeadKeys(const char* name, const json& value, kbd::KeyboardLayout& layout) {
    if (!value.is_array()) {
        return std::string(name) + ": must be an array of dead keys";
    }
    ComposedBy composed;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (Refusal refused = ReadDeadKey(std::string(name) + "[" + std::to_string(i) + "]",
                                          value[i], layout, composed)) {
            return refused;
        }
    }
    layout.Compositions.clear();
    for (const auto& [pair, result] : composed) {
        layout.Compositions.push_back({pair.first, pair.second, result});
    }
    return std::nullopt;
}

json WriteDeadKeys(const kbd::KeyboardLayout& layout) {
    json list = json::array();
    for (int key = 0; key < kbd::kKeyCount; ++key) {
        for (int l = 0; l < kbd::kCharLayerCount; ++l) {
            const auto layer = static_cast<kbd::CharLayer>(l);
            if (!kbd::IsDead(layout, key, layer)) {
                continue;
            }
            json pairs = json::array();
            for (const kbd::Composition& c :
                 kbd::CompositionsOf(layout, kbd::CharOf(layout, key, layer))) {
                pairs.push_back({c.base, c.result});
            }
            list.push_back(json::object({{"key", key + 1},
                                         {"layer", kLayerNames[static_cast<std::size_t>(l)]},
                                         {"compositions", std::move(pairs)}}));
        }
    }
    return list;
}

// Written only when the layout has them, so that a layout without them keeps its text.
bool HasShiftAltGr(const kbd::KeyboardLayout& layout) {
    return layout.ShiftAltGrChar != kbd::KeyBytes{};
}
bool HasDeadKeys(const kbd::KeyboardLayout& layout) {
    return layout.DeadLayers != kbd::KeyBytes{};
}

using L = kbd::KeyboardLayout;
constexpr std::array<Field, 9> kFields = {{
    ByteTable<&L::ScanCode>("ScanCode", false),
    ByteTable<&L::VirtualKey>("VirtualKey", true),
    ByteTable<&L::NormalChar>("NormalChar", true),
    ByteTable<&L::ShiftChar>("ShiftChar", true),
    ByteTable<&L::AltGrChar>("AltGrChar", true),
    ByteTable<&L::AnsiChar>("AnsiChar", true),
    ByteTable<&L::CapsAffected>("CapsAffected", true),
    {"ShiftAltGrChar", false, &ReadBytes<&L::ShiftAltGrChar>, &WriteBytes<&L::ShiftAltGrChar>,
     &HasShiftAltGr},
    // After every character table: a dead key reads its character from its layer.
    {"DeadKeys", false, &ReadDeadKeys, &WriteDeadKeys, &HasDeadKeys},
}};

const Field* FindField(const std::string& name) {
    for (const Field& field : kFields) {
        if (name == field.name) {
            return &field;
        }
    }
    return nullptr;
}

// Containers deeper than this are inside an item (the object, a field's array, a dead
// key, its compositions, a pair) and refused by the item's type, so the parser drops
// their contents instead of keeping them: a deeply nested item then costs no memory and
// no recursion later.
constexpr int kKeptDepth = 5;

// The parser's words without its exception tag, the input it quotes cut short: its "last
// read" token may be the whole of a long string.
std::string ParserSays(const json::exception& error) {
    std::string_view said = error.what();
    if (said.starts_with("[json.exception.")) {
        const auto tagEnd = said.find("] ");
        said.remove_prefix(tagEnd == std::string_view::npos ? 0 : tagEnd + 2);
    }
    const auto quote = said.find('\'');
    if (quote == std::string_view::npos) {
        return kbd::Escaped(said);
    }
    return kbd::Escaped(said.substr(0, quote)) + kbd::Excerpt(said.substr(quote));
}

// Parses the object. The parser keeps only the last of repeated keys; a file that names
// a field twice is ambiguous, so the first repeat is noted while parsing.
Refusal Parse(std::string_view text, json& document, std::string& repeated) {
    std::set<std::string> seen;
    auto filter = [&](int depth, json::parse_event_t event, json& parsed) {
        if (depth == 1 && event == json::parse_event_t::key && repeated.empty() &&
            !seen.insert(parsed.get<std::string>()).second) {
            repeated = parsed.get<std::string>();
        }
        const bool opens =
            event == json::parse_event_t::array_start || event == json::parse_event_t::object_start;
        return !(opens && depth >= kKeptDepth);
    };
    // nlohmann reports every fault by exception (a syntax error, a number beyond a
    // double's range); they end here and become a refusal.
    try {
        document = json::parse(text, filter);
    } catch (const json::exception& error) {
        return "not valid JSON: " + ParserSays(error);
    }
    return std::nullopt;
}

Refusal ReadLayout(std::string_view text, kbd::KeyboardLayout& layout) {
    if (text.size() > kMaxJsonLayoutBytes) {
        return std::string("more than 1 MiB, and a layout takes about 1.2 KB: not a layout");
    }
    // The parser would stop at a NUL and take what came before it as the whole file.
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
        return "a NUL byte at offset " + std::to_string(nul) + ": a layout is text";
    }
    json document;
    std::string repeated;
    if (Refusal refused = Parse(text, document, repeated)) {
        return refused;
    }
    if (!document.is_object()) {
        return std::string("the layout must be one JSON object with the seven fields");
    }
    if (!repeated.empty()) {
        return kbd::Excerpt(repeated) + ": named more than once";
    }
    for (const auto& item : document.items()) {
        if (FindField(item.key()) == nullptr) {
            return kbd::Excerpt(item.key()) + ": not a field of a layout";
        }
    }
    for (const Field& field : kFields) {
        const auto found = document.find(field.name);
        if (found == document.end()) {
            if (field.required) {
                return std::string(field.name) + ": missing";
            }
            continue;
        }
        if (Refusal refused = field.read(field.name, *found, layout)) {
            return refused;
        }
    }
    return std::nullopt;
}

} // namespace

std::string LayoutToJson(const kbd::KeyboardLayout& layout) {
    std::string text = "{\n";
    for (const Field& field : kFields) {
        if (field.present != nullptr && !field.present(layout)) {
            continue;
        }
        if (&field != &kFields.front()) {
            text += ",\n";
        }
        text += "  " + json(field.name).dump() + ": " + field.write(layout).dump();
    }
    return text + "\n}\n";
}

kbd::Result<kbd::KeyboardLayout> LayoutFromJson(std::string_view text, const std::string& path) {
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    if (Refusal refused = ReadLayout(text, layout)) {
        return kbd::Error{kbd::ErrorKind::BadContents, path, *refused};
    }
    return layout;
}

} // namespace formats
