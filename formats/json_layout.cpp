#include "json_layout.h"

#include <array>
#include <nlohmann/json.hpp>
#include <set>

namespace formats {
namespace {

using nlohmann::json;

struct Field {
    const char* name;
    kbd::KeyBytes kbd::KeyboardLayout::*bytes;
    bool required;
};

constexpr std::array<Field, 7> kFields = {{
    {"ScanCode", &kbd::KeyboardLayout::ScanCode, false},
    {"VirtualKey", &kbd::KeyboardLayout::VirtualKey, true},
    {"NormalChar", &kbd::KeyboardLayout::NormalChar, true},
    {"ShiftChar", &kbd::KeyboardLayout::ShiftChar, true},
    {"AltGrChar", &kbd::KeyboardLayout::AltGrChar, true},
    {"AnsiChar", &kbd::KeyboardLayout::AnsiChar, true},
    {"CapsAffected", &kbd::KeyboardLayout::CapsAffected, true},
}};

const Field* FindField(const std::string& name) {
    for (const Field& field : kFields) {
        if (name == field.name) {
            return &field;
        }
    }
    return nullptr;
}

JsonRefusal Refuse(const std::string& what) {
    return {what};
}

// The parser keeps only the last of repeated keys; a file that names a field twice is
// ambiguous, so the repeats are noted while parsing and refused afterwards.
json Parse(std::string_view text, std::string& repeated) {
    std::set<std::string> seen;
    auto noteKeys = [&](int depth, json::parse_event_t event, json& parsed) {
        if (depth == 1 && event == json::parse_event_t::key && repeated.empty() &&
            !seen.insert(parsed.get<std::string>()).second) {
            repeated = parsed.get<std::string>();
        }
        return true;
    };
    return json::parse(text, noteKeys);
}

std::variant<kbd::KeyBytes, JsonRefusal> ReadBytes(const std::string& name, const json& value) {
    if (!value.is_array()) {
        return Refuse(name + ": must be an array of 49 integers 0..255");
    }
    if (value.size() != kbd::kKeyCount) {
        return Refuse(name + ": has " + std::to_string(value.size()) +
                      " values, a layout has 49 keys");
    }
    kbd::KeyBytes bytes{};
    for (int i = 0; i < kbd::kKeyCount; ++i) {
        const json& item = value[static_cast<std::size_t>(i)];
        const std::string where = name + "[" + std::to_string(i) + "]";
        if (!item.is_number_integer()) {
            return Refuse(where + ": " + item.dump() + " is not an integer");
        }
        if (item.is_number_unsigned() ? item.get<std::uint64_t>() > 255
                                      : item.get<std::int64_t>() < 0) {
            return Refuse(where + ": " + item.dump() + " is outside 0..255");
        }
        bytes[static_cast<std::size_t>(i)] = item.get<std::uint8_t>();
    }
    return bytes;
}

} // namespace

std::string LayoutToJson(const kbd::KeyboardLayout& layout) {
    std::string text = "{\n";
    for (const Field& field : kFields) {
        if (&field != &kFields.front()) {
            text += ",\n";
        }
        text += "  " + json(field.name).dump() + ": " + json(layout.*field.bytes).dump();
    }
    return text + "\n}\n";
}

std::variant<kbd::KeyboardLayout, JsonRefusal> LayoutFromJson(std::string_view text) {
    json document;
    std::string repeated;
    try {
        document = Parse(text, repeated);
    } catch (const json::parse_error& error) {
        return Refuse(std::string("not valid JSON: ") + error.what());
    }
    if (!document.is_object()) {
        return Refuse("the layout must be one JSON object with the seven fields");
    }
    if (!repeated.empty()) {
        return Refuse(repeated + ": named more than once");
    }
    for (const auto& item : document.items()) {
        if (FindField(item.key()) == nullptr) {
            return Refuse(item.key() + ": not a field of a layout");
        }
    }

    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    for (const Field& field : kFields) {
        const auto found = document.find(field.name);
        if (found == document.end()) {
            if (field.required) {
                return Refuse(std::string(field.name) + ": missing");
            }
            continue;
        }
        auto bytes = ReadBytes(field.name, *found);
        if (auto* refusal = std::get_if<JsonRefusal>(&bytes)) {
            return *refusal;
        }
        layout.*field.bytes = std::get<kbd::KeyBytes>(bytes);
    }
    return layout;
}

} // namespace formats
