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
    const char* named; // what the message must point at
};

void PrintTo(const BadJson& bad, std::ostream* os) {
    *os << bad.name;
}

class ImportRefuses : public ToolTest, public testing::WithParamInterface<BadJson> {};

TEST_P(ImportRefuses, AndWritesNoFile) {
    Write("bad.json", GetParam().text);
    Write("kept.kbd", "the previous file");
    for (const char* out : {"new.kbd", "kept.kbd"}) {
        const ToolRun run = Run({"import", Path("bad.json"), Path(out)});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(GetParam().named), std::string::npos) << run.err;
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"bad.json", "kept.kbd"}));
    EXPECT_EQ(Read("kept.kbd"), "the previous file");
}

const std::string kGood = DefaultJson().dump();

INSTANTIATE_TEST_SUITE_P(
    Texts, ImportRefuses,
    testing::Values(
        BadJson{"Truncated", kGood.substr(0, 200), "JSON"},
        BadJson{"TrailingText", kGood + " x", "JSON"},
        BadJson{"NotAnObject", "[" + kGood + "]", "object"},
        BadJson{"MissingField", Edited([](Json& j) { j.erase("AltGrChar"); }), "AltGrChar"},
        BadJson{"UnknownField", Edited([](Json& j) { j["Shift"] = j["ShiftChar"]; }), "Shift:"},
        BadJson{"RepeatedField", "{\"CapsAffected\":[]," + kGood.substr(1), "CapsAffected"},
        BadJson{"NotAnArray", Edited([](Json& j) { j["NormalChar"] = "qwerty"; }), "NormalChar"},
        BadJson{"TooShort", Edited([](Json& j) { j["VirtualKey"].erase(0); }), "VirtualKey"},
        BadJson{"TooLong", Edited([](Json& j) { j["VirtualKey"].push_back(0); }), "VirtualKey"},
        BadJson{"Above255", Edited([](Json& j) { j["AnsiChar"][7] = 256; }), "AnsiChar[7]"},
        BadJson{"Negative", Edited([](Json& j) { j["CapsAffected"][0] = -1; }), "CapsAffected[0]"},
        BadJson{"Fraction", Edited([](Json& j) { j["NormalChar"][3] = 1.5; }), "NormalChar[3]"},
        BadJson{"WholeFloat", Edited([](Json& j) { j["NormalChar"][4] = 65.0; }), "NormalChar[4]"},
        BadJson{"Huge", Edited([](Json& j) { j["NormalChar"][5] = 1e30; }), "NormalChar[5]"},
        BadJson{"Text", Edited([](Json& j) { j["ShiftChar"][48] = "A"; }), "ShiftChar[48]"},
        BadJson{"Boolean", Edited([](Json& j) { j["AltGrChar"][9] = true; }), "AltGrChar[9]"},
        BadJson{"Null", Edited([](Json& j) { j["VirtualKey"][2] = nullptr; }), "VirtualKey[2]"},
        BadJson{"ScanCodeChecked", Edited([](Json& j) { j["ScanCode"][48] = 300; }),
                "ScanCode[48]"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
