#include "tool_run.h"

namespace {

TEST_F(ToolTest, PictureWritesEachFormatItsNameAsks) {
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    for (const auto& [name, start] : {std::pair{"a.svg", "<?xml"}, std::pair{"b.PDF", "%PDF-"},
                                      std::pair{"c.png", "\x89PNG\r\n"}}) {
        const ToolRun run = Run("picture " + Path("d.kbd") + " " + Path(name));
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_TRUE(Read(name).starts_with(start)) << name;
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.svg", "b.PDF", "c.png", "d.kbd"}));
}

struct PictureRefusal {
    const char* args; // FILE as in.kbd, an output under the test's folder
    int status;
    const char* why;
};

void PrintTo(const PictureRefusal& refusal, std::ostream* os) {
    *os << refusal.args;
}

class RefusedPicture : public ToolTest, public testing::WithParamInterface<PictureRefusal> {};

TEST_P(RefusedPicture, WritesNoFile) {
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    Write("bad.kbd", "not a layout");
    std::string args = GetParam().args;
    for (auto at = args.find('@'); at != std::string::npos; at = args.find('@')) {
        args.replace(at, 1, Path(""));
    }
    const ToolRun run = Run("picture " + args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_NE(run.err.find(GetParam().why), std::string::npos) << run.err;
    EXPECT_EQ(Files(), 2);
}

// '@' stands for the test's folder.
INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedPicture,
    testing::Values(PictureRefusal{"@d.kbd @d.gif", 1, ".svg, .pdf or .png"},
                    PictureRefusal{"@d.kbd @no/d.png", 1, "(No such file or directory)"},
                    PictureRefusal{"@bad.kbd @d.svg", 1, "shorter than 688 bytes"},
                    PictureRefusal{"@none.kbd @d.pdf", 1, "Cannot open the file"},
                    PictureRefusal{"@d.kbd", 2, "Usage:"},
                    PictureRefusal{"@d.kbd @d.png --codepage 99", 2, "code page 99"}));

} // namespace
