#include "tool_run.h"

namespace {

class Lint : public ToolTest {
protected:
    // The KBD file that kbdtool imports from `json`.
    std::string File(const std::string& name, const nlohmann::ordered_json& json) const {
        Write(name + ".json", json.dump());
        EXPECT_EQ(Run("import " + Path(name + ".json") + " " + Path(name + ".kbd")).status, 0);
        return Path(name + ".kbd");
    }
};

TEST_F(Lint, PassesTheDefaultLayout) {
    const ToolRun run = Run("lint " + File("d", DefaultJson()));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "no findings\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(Lint, FailsASharedCodeAndOnlyWarnsOfTheRest) {
    auto json = DefaultJson();
    json["VirtualKey"][29] = 0x51; // F takes Q's code
    json["CapsAffected"][1] = 1;   // on the digit 1
    const ToolRun shared = Run("lint " + File("s", json));
    EXPECT_EQ(shared.status, 1);
    EXPECT_EQ(shared.out,
              "key 2: warning: Caps Lock is set, but Norm 0x31 and Shift 0x21 are not a "
              "lower/upper-case pair: with Caps Lock on the key types its Shift character\n"
              "key 30: loses data: shares virtual-key code 0x51 with key 14, so it cannot keep "
              "an AltGr character or Caps-Lock flag: a file gives both to key 14\n"
              "key 30: warning: Caps Lock is clear, but Norm 0x66 and Shift 0x46 are a "
              "lower/upper-case pair: with Caps Lock on the key still types 0x66\n");

    json["VirtualKey"][29] = 0x46;
    const ToolRun warned = Run("lint " + File("w", json));
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.out.find("key 2: warning: "), 0u) << warned.out;
}

TEST_F(Lint, ReadsCharactersInTheChosenCodePage) {
    // Greek has no byte 0xFF, the default AltGr character of the 8 key.
    const ToolRun run = Run("lint " + File("d", DefaultJson()) + " --codepage 1253");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "key 9 AltGr: warning: AltGr character 0xFF is not defined in the current code "
              "page\n");
}

} // namespace
