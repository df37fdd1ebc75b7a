// Writing through symbolic links as the kernel's protected_symlinks rule allows: another
// user's link in a sticky folder that anyone may write to is a trap, not a way to a file.
#include "tool_run.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Who owns sticky/layout.xkb, the link to ../victim/important.conf, and what kbdtool does.
struct Trap {
    const char* name;
    bool otherUser; // the link belongs to user nobody, not to the one running kbdtool
    int status;
    std::string err;
};

class StickyLink : public ToolTest, public testing::WithParamInterface<Trap> {};

TEST_P(StickyLink, IsFollowedOnlyWhenTheKernelWould) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a link to another user needs root";
    }
    ASSERT_EQ(Run("default def.kbd").status, 0);
    fs::create_directory(Path("sticky"));
    fs::create_directory(Path("victim"));
    ASSERT_EQ(::chmod(Path("sticky").c_str(), 01777), 0);
    Write("victim/important.conf", "settings");
    fs::create_symlink("../victim/important.conf", Path("sticky/layout.xkb"));
    constexpr uid_t kNobody = 65534;
    if (GetParam().otherUser) {
        ASSERT_EQ(::lchown(Path("sticky/layout.xkb").c_str(), kNobody, kNobody), 0);
    }

    for (const char* command : {"to-xkb def.kbd", "export def.kbd", "default"}) {
        const ToolRun run = Run(std::string(command) + " sticky/layout.xkb");
        EXPECT_EQ(run.status, GetParam().status) << command;
        EXPECT_EQ(run.err, GetParam().err) << command;
        EXPECT_TRUE(fs::is_symlink(Path("sticky/layout.xkb")));
        EXPECT_EQ(fs::read_symlink(Path("sticky/layout.xkb")), "../victim/important.conf");
    }
    EXPECT_EQ(Read("victim/important.conf") == "settings", GetParam().status != 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("sticky")), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(
    , StickyLink,
    testing::Values(Trap{"OfAnotherUserIsRefused", true, 1,
                         "kbdtool: Not following the symbolic link: sticky/layout.xkb "
                         "(sticky/layout.xkb belongs to another user, in a sticky folder that "
                         "anyone may write to)\n"},
                    Trap{"OfTheCallerIsFollowed", false, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
