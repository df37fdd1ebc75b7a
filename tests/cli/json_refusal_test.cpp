#include "tool_run.h"

namespace {

using Json = nlohmann::ordered_json;

const std::string kGood = DefaultJson().dump();

// The built-in layout's JSON with the value at `pointer` replaced, or the field removed.
std::string With(const char* pointer, const Json& value) {
    Json json = DefaultJson();
    json[Json::json_pointer(pointer)] = value;
    return json.dump();
}
std::string Without(const char* field) {
    Json json = DefaultJson();
    json.erase(field);
    return json.dump();
}

struct BadJson {
    const char* name;
    std::string text;
    const char* says; // the message after "kbdtool: FILE: ", or its start
};

class ImportRefuses : public ToolTest, public testing::WithParamInterface<BadJson> {};

TEST_P(ImportRefuses, AndWritesNoFile) {
    Write("bad.json", GetParam().text);
    Write("kept.kbd", "the previous file");
    for (const char* out : {"new.kbd", "kept.kbd"}) {
        const ToolRun run = Run(std::string("import bad.json ") + out);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.starts_with(std::string("kbdtool: bad.json: ") + GetParam().says))
            << run.err;
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"bad.json", "kept.kbd"}));
    EXPECT_EQ(Read("kept.kbd"), "the previous file");
}

// The parser's own wording follows "not valid JSON: "; every other message is ours, whole.
INSTANTIATE_TEST_SUITE_P(
    Texts, ImportRefuses,
    testing::Values(
        BadJson{"TrailingText", kGood + " x", "not valid JSON: "},
        BadJson{"NotAnObject", "[" + kGood + "]",
                "the layout must be one JSON object with the seven fields\n"},
        BadJson{"MissingField", Without("AltGrChar"), "AltGrChar: missing\n"},
        BadJson{"UnknownField", With("/Shift", 0), "Shift: not a field of a layout\n"},
        BadJson{"RepeatedField", "{\"CapsAffected\":[]," + kGood.substr(1),
                "CapsAffected: named more than once\n"},
        BadJson{"NotAnArray", With("/NormalChar", "qwerty"),
                "NormalChar: must be an array of 49 integers 0..255\n"},
        BadJson{"TooShort", With("/VirtualKey", std::vector<int>(48)),
                "VirtualKey: has 48 values, a layout has 49 keys\n"},
        BadJson{"TooLong", With("/VirtualKey", std::vector<int>(50)),
                "VirtualKey: has 50 values, a layout has 49 keys\n"},
        BadJson{"Above255", With("/AnsiChar/7", 256), "AnsiChar[7]: 256 is outside 0..255\n"},
        BadJson{"Negative", With("/CapsAffected/0", -1), "CapsAffected[0]: -1 is outside 0..255\n"},
        BadJson{"WholeFloat", With("/NormalChar/4", 65.0),
                "NormalChar[4]: 65.0 is not an integer\n"},
        BadJson{"Text", With("/ShiftChar/48", "A"), "ShiftChar[48]: \"A\" is not an integer\n"},
        BadJson{"ScanCodeChecked", With("/ScanCode/48", 300),
                "ScanCode[48]: 300 is outside 0..255\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
