#include "tool_run.h"

namespace {

using Json = nlohmann::ordered_json;

struct LintCase {
    const char* name;
    void (*edit)(Json& layout);
    bool saved; // linted as the KBD file import writes, or else as the JSON itself
    const char* options;
    int status;
    std::string out;
};

class Lint : public ToolTest, public testing::WithParamInterface<LintCase> {};

TEST_P(Lint, PrintsOneLineAFindingAndFailsOnlyALoss) {
    Json json = DefaultJson();
    GetParam().edit(json);
    Write("l.JSON", json.dump());
    ASSERT_EQ(Run("import l.JSON l.kbd").status, 0);
    const ToolRun run =
        Run(std::string("lint ") + (GetParam().saved ? "l.kbd" : "l.JSON") + GetParam().options);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err, "");
}

void Unchanged(Json&) {}

// Caps Lock on the digit 1 warns; F taking Q's code loses data.
void SharedCode(Json& json) {
    json["CapsAffected"][1] = 1;
    json["VirtualKey"][29] = 0x51;
}
// 0x83 is ƒ in 1252 and undefined in 1250.
void Byte83(Json& json) {
    json["AltGrChar"][8] = 0x83;
}

const std::string kCapsOnDigit =
    "key 2: warning: Caps Lock is set, but Norm 0x31 and Shift 0x21 are not a lower/upper-case "
    "pair: with Caps Lock on the key types its Shift character\n";

INSTANTIATE_TEST_SUITE_P(
    Layouts, Lint,
    testing::Values(
        LintCase{"Default", Unchanged, true, "", 0, "no findings\n"},
        LintCase{"LossInAFile", SharedCode, true, "", 1,
                 kCapsOnDigit +
                     "key 30: loses data: shares virtual-key code 0x51 with key 14, so it cannot "
                     "keep an AltGr character or Caps-Lock flag: a file gives both to key 14\n"
                     "key 30: warning: Caps Lock is clear, but Norm 0x66 and Shift 0x46 are a "
                     "lower/upper-case pair: with Caps Lock on the key still types 0x66\n"},
        // Before a save, the loss is still to come and lint can name what goes.
        LintCase{"LossToComeInJson", SharedCode, false, "", 1,
                 kCapsOnDigit +
                     "key 30: loses data: shares virtual-key code 0x51 with key 14: on reload its "
                     "AltGr character 0x5B is read into key 14, over that key's own and its "
                     "Caps-Lock flag is cleared\n"},
        LintCase{"DefaultCodePage", Byte83, false, "", 0,
                 "key 9 AltGr: warning: AltGr character 0x83 is not defined in the current "
                 "code page\n"},
        LintCase{"ChosenCodePage", Byte83, false, " --codepage 1252", 0, "no findings\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
