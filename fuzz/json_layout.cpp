// Arbitrary text as a JSON layout. A refusal must be short and free of control
// characters; an accepted layout must hold exactly the numbers the text gives each field,
// as a second reading by the plain event parser finds them (no field twice, every value
// 0..255, 49 of each; the dead keys are left to the round trip), and must read back
// unchanged from what it writes.
#include "formats/json_layout.h"

#include "readable.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

// Collects the integers of each field of the top object, and notes anything else.
class FieldNumbers : public nlohmann::json_sax<json> {
public:
    std::map<std::string, std::vector<long long>> fields;
    bool odd = false; // a repeat, a non-integer, an integer beyond a byte, a nested value

    bool null() override { return Other(); }
    bool boolean(bool) override { return Other(); }
    bool number_integer(number_integer_t value) override { return Number(value); }
    bool number_unsigned(number_unsigned_t value) override {
        return value > 255 ? Other() : Number(static_cast<long long>(value));
    }
    bool number_float(number_float_t, const string_t&) override { return Other(); }
    bool string(string_t&) override { return InDeadKeys() || Other(); }
    bool binary(binary_t&) override { return Other(); }
    bool start_object(std::size_t) override { return Open(depth_ == 0); }
    bool key(string_t& name) override { // deeper: a dead key's own fields
        return depth_ > 1 || ((odd |= !fields.emplace(current_ = name, 0).second), true);
    }
    bool end_object() override { return --depth_, true; }
    bool start_array(std::size_t) override { return Open(depth_ == 1); }
    bool end_array() override { return --depth_, true; }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return Other();
    }

private:
    bool Open(bool expected) {
        ++depth_;
        return expected || InDeadKeys() || Other();
    }
    bool InDeadKeys() const { return current_ == "DeadKeys" && depth_ >= 2; }
    bool Number(long long value) {
        const bool byte = depth_ == 2 && value >= 0 && value <= 255;
        return InDeadKeys() || (byte && (fields[current_].push_back(value), true)) || Other();
    }
    bool Other() { return odd = true, false; }
    int depth_ = 0;
    std::string current_;
};

bool HoldsFields(const kbd::KeyboardLayout& layout, const FieldNumbers& numbers) {
    const std::map<std::string, const kbd::KeyBytes*> tables = {
        {"ScanCode", &layout.ScanCode},         {"VirtualKey", &layout.VirtualKey},
        {"NormalChar", &layout.NormalChar},     {"ShiftChar", &layout.ShiftChar},
        {"AltGrChar", &layout.AltGrChar},       {"AnsiChar", &layout.AnsiChar},
        {"CapsAffected", &layout.CapsAffected}, {"ShiftAltGrChar", &layout.ShiftAltGrChar}};
    std::size_t required = 0;
    for (const auto& [name, values] : numbers.fields) {
        const auto table = tables.find(name);
        if (name != "DeadKeys" &&
            (table == tables.end() || !std::equal(values.begin(), values.end(),
                                                  table->second->begin(), table->second->end()))) {
            return false;
        }
        required += name != "DeadKeys" && name != "ScanCode" && name != "ShiftAltGrChar";
    }
    return required == 6;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto read = formats::LayoutFromJson(text, "in.json");
    if (!read.ok()) {
        if (!kbd::fuzz::Readable(read.error().message(), 399)) {
            std::abort();
        }
        return 0;
    }
    FieldNumbers numbers;
    if (text.find('\0') != std::string::npos || !json::sax_parse(text, &numbers) || numbers.odd ||
        !HoldsFields(read.value(), numbers)) {
        std::abort();
    }
    const std::string written = formats::LayoutToJson(read.value());
    const auto again = formats::LayoutFromJson(written, "again.json");
    if (!again.ok() || !(again.value() == read.value()) ||
        formats::LayoutToJson(again.value()) != written) {
        std::abort();
    }
    return 0;
}
