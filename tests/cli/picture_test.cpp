#include "tool_run.h"

namespace {

// The picture itself is the render tests' business; kbdtool's part is what it passes on.
TEST_F(ToolTest, PictureIsTitledWithTheFileAndNamesTheCodePage) {
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    const ToolRun run = Run("picture " + Path("d.kbd") + " " + Path("a.svg") + " --codepage 1251");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string svg = Read("a.svg");
    EXPECT_NE(svg.find(">d.kbd</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Arial \u00B7 code page 1251 (Cyrillic)</text>"), std::string::npos);

    const ToolRun gif = Run("picture " + Path("d.kbd") + " " + Path("a.gif"));
    EXPECT_EQ(gif.status, 1);
    EXPECT_EQ(gif.err, "kbdtool: " + Path("a.gif") +
                           ": not a picture format kbdtool writes (use .svg, .pdf or .png)\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.svg", "d.kbd"}));
}

} // namespace
