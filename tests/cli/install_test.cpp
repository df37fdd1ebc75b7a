// kbdtool install as a script runs it: the list with its previews, the exit statuses,
// and the sentences that say what was done and how to go back.
#include "test_image.h"
#include "tool_run.h"

namespace {

struct InstallRun {
    const char* test;
    const char* args;
    int status;
    const char* out;
    const char* err; // the first line of standard error
};

class Install : public ToolTest, public testing::WithParamInterface<InstallRun> {};

// A leading @ in a row stands for the folder. Nothing but the disk changes.
TEST_P(Install, SaysWhatItDidOrWhy) {
    kbd::testing::MakeWindowsDisk(Path("disk.img"));
    Write("q.img", std::string("QFI\xfb", 4) + std::string(1000, '\0'));
    ASSERT_EQ(Run("default qz.kbd").status, 0);
    const auto folder = [this](std::string text) {
        for (auto at = text.find('@'); at != std::string::npos; at = text.find('@')) {
            text.replace(at, 1, Path(""));
        }
        return text;
    };
    const ToolRun run = Run(std::string("install ") + GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, folder(GetParam().out));
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), folder(GetParam().err));
    EXPECT_EQ(Names(), (std::vector<std::string>{"disk.img", "q.img", "qz.kbd"}));
}

INSTANTIATE_TEST_SUITE_P(
    , Install,
    testing::Values(
        InstallRun{"ListsTheWindowsAndPreviewsItsLayouts", "--list disk.img", 0,
                   "partition 1: WINDOWS\n"
                   "  KBDUS.KBD   q w e r t y u i o p [ ]\n"
                   "  KBDYU.KBD   q w e r t z u i o p š đ\n",
                   ""},
        InstallRun{"AddsAndSaysHowToGoBack", "qz.kbd disk.img --add qz --text 'Srpski (qz)'", 0,
                   "Added WINDOWS\\SYSTEM\\QZ.KBD and WINDOWS\\QZ.REG to @disk.img (partition 1). "
                   "In Windows, open WINDOWS\\QZ.REG, then choose \"Srpski (qz)\" under Control "
                   "Panel, Keyboard, Language, Properties.\n"
                   "To go back, remove the layout under Control Panel, Keyboard, Language, and "
                   "the registry key HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\"
                   "Keyboard layouts\\A4BB081A with regedit.\n",
                   ""},
        InstallRun{"BothWays", "qz.kbd disk.img --add A --replace KBDUS.KBD", 2, "",
                   "kbdtool: install: give FILE DISK.IMG and one of --replace KBDXX.KBD, "
                   "--add NAME"},
        InstallRun{"ListWithFile", "qz.kbd disk.img --list", 2, "",
                   "kbdtool: install: --list takes one DISK.IMG and neither --replace nor "
                   "--add"},
        InstallRun{"Qcow2", "--list q.img", 1, "",
                   "kbdtool: @q.img: a QEMU qcow2 image, which mtools cannot write into; "
                   "convert it to a raw image first: qemu-img convert -O raw IN OUT.img"},
        InstallRun{"NoSuchPartition", "qz.kbd disk.img --replace KBDUS.KBD --partition 5", 1, "",
                   "kbdtool: @disk.img: no Windows folder on partition 5 (Windows is on "
                   "partition 1)"}),
    [](const auto& info) { return std::string(info.param.test); });

} // namespace
