#include "tool_run.h"

namespace {

using Json = nlohmann::ordered_json;

std::string Edited(void (*edit)(Json&)) {
    Json json = DefaultJson();
    edit(json);
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
        const ToolRun run = Run("import " + Path("bad.json") + " " + Path(out));
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.starts_with("kbdtool: " + Path("bad.json") + ": " + GetParam().says))
            << run.err;
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"bad.json", "kept.kbd"}));
    EXPECT_EQ(Read("kept.kbd"), "the previous file");
}

const std::string kGood = DefaultJson().dump();

// The parser's own wording follows "not valid JSON: "; every other message is ours, whole.
INSTANTIATE_TEST_SUITE_P(
    Texts, ImportRefuses,
    testing::Values(BadJson{"Truncated", kGood.substr(0, 200), "not valid JSON: "},
                    BadJson{"TrailingText", kGood + " x", "not valid JSON: "},
                    BadJson{"NotAnObject", "[" + kGood + "]",
                            "the layout must be one JSON object with the seven fields\n"},
                    BadJson{"MissingField", Edited([](Json& j) { j.erase("AltGrChar"); }),
                            "AltGrChar: missing\n"},
                    BadJson{"UnknownField", Edited([](Json& j) { j["Shift"] = j["ShiftChar"]; }),
                            "Shift: not a field of a layout\n"},
                    BadJson{"RepeatedField", "{\"CapsAffected\":[]," + kGood.substr(1),
                            "CapsAffected: named more than once\n"},
                    BadJson{"NotAnArray", Edited([](Json& j) { j["NormalChar"] = "qwerty"; }),
                            "NormalChar: must be an array of 49 integers 0..255\n"},
                    BadJson{"TooShort", Edited([](Json& j) { j["VirtualKey"].erase(0); }),
                            "VirtualKey: has 48 values, a layout has 49 keys\n"},
                    BadJson{"TooLong", Edited([](Json& j) { j["VirtualKey"].push_back(0); }),
                            "VirtualKey: has 50 values, a layout has 49 keys\n"},
                    BadJson{"Above255", Edited([](Json& j) { j["AnsiChar"][7] = 256; }),
                            "AnsiChar[7]: 256 is outside 0..255\n"},
                    BadJson{"Negative", Edited([](Json& j) { j["CapsAffected"][0] = -1; }),
                            "CapsAffected[0]: -1 is outside 0..255\n"},
                    BadJson{"Fraction", Edited([](Json& j) { j["NormalChar"][3] = 1.5; }),
                            "NormalChar[3]: 1.5 is not an integer\n"},
                    BadJson{"WholeFloat", Edited([](Json& j) { j["NormalChar"][4] = 65.0; }),
                            "NormalChar[4]: 65.0 is not an integer\n"},

                    BadJson{"Text", Edited([](Json& j) { j["ShiftChar"][48] = "A"; }),
                            "ShiftChar[48]: \"A\" is not an integer\n"},
                    BadJson{"Boolean", Edited([](Json& j) { j["AltGrChar"][9] = true; }),
                            "AltGrChar[9]: true is not an integer\n"},

                    BadJson{"ScanCodeChecked", Edited([](Json& j) { j["ScanCode"][48] = 300; }),
                            "ScanCode[48]: 300 is outside 0..255\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
