// kbdtool install as a script runs it: the list with its previews, the exit statuses,
// and the sentences that say what was done and how to go back.
#include "test_image.h"
#include "tool_run.h"

namespace {

TEST_F(ToolTest, InstallListsTheWindowsAndPreviewsItsLayouts) {
    kbd::testing::MakeWindowsDisk(Path("disk.img"));
    const ToolRun run = Run("install --list disk.img");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "partition 1: WINDOWS\n"
                       "  KBDUS.KBD   q w e r t y u i o p [ ]\n"
                       "  KBDYU.KBD   q w e r t z u i o p š đ\n");
}

TEST_F(ToolTest, InstallAddsAndSaysHowToGoBack) {
    kbd::testing::MakeWindowsDisk(Path("disk.img"));
    ASSERT_EQ(Run("default qz.kbd").status, 0);
    const ToolRun run = Run("install qz.kbd disk.img --add qz --text 'Srpski (qz)'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Added WINDOWS\\SYSTEM\\QZ.KBD and WINDOWS\\QZ.REG to " + Path("disk.img") +
                  " (partition 1). In Windows, open WINDOWS\\QZ.REG, then choose \"Srpski (qz)\" "
                  "under Control Panel, Keyboard, Language, Properties.\n"
                  "To go back, remove the layout under Control Panel, Keyboard, Language, and "
                  "the registry key HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\"
                  "Keyboard layouts\\A4BB081A with regedit.\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"disk.img", "qz.kbd"}));
}

struct InstallStatus {
    const char* test;
    const char* args;
    int status;
    const char* err; // the first line of standard error; a leading @ stands for the folder
};

class InstallExit : public ToolTest, public testing::WithParamInterface<InstallStatus> {};

TEST_P(InstallExit, IsTheDocumentedOne) {
    kbd::testing::MakeWindowsDisk(Path("disk.img"));
    Write("q.img", std::string("QFI\xfb", 4) + std::string(1000, '\0'));
    ASSERT_EQ(Run("default qz.kbd").status, 0);
    const ToolRun run = Run(std::string("install ") + GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    std::string err = GetParam().err;
    if (const auto at = err.find('@'); at != std::string::npos) {
        err.replace(at, 1, Path(""));
    }
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), err);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, InstallExit,
    testing::Values(
        InstallStatus{"BothWays", "qz.kbd disk.img --add A --replace KBDUS.KBD", 2,
                      "kbdtool: install: give FILE DISK.IMG and one of --replace KBDXX.KBD, "
                      "--add NAME"},
        InstallStatus{"ListWithFile", "qz.kbd disk.img --list", 2,
                      "kbdtool: install: --list takes one DISK.IMG and neither --replace nor "
                      "--add"},
        InstallStatus{"Qcow2", "--list q.img", 1,
                      "kbdtool: @q.img: a QEMU qcow2 image, which mtools cannot write into; "
                      "convert it to a raw image first: qemu-img convert -O raw IN OUT.img"},
        InstallStatus{"NoSuchPartition", "qz.kbd disk.img --replace KBDUS.KBD --partition 5", 1,
                      "kbdtool: @disk.img: no Windows folder on partition 5 (Windows is on "
                      "partition 1)"}),
    [](const auto& info) { return std::string(info.param.test); });

} // namespace
