// The install floppy when mtools is missing or fails: the failure names the file, the tool
// and what it said, and neither an image nor the scratch folder is left behind. A made
// image is read back with mtools, and a folder that cannot hold one refused, in the
// kbdtool tests.
#include "exports/floppy.h"
#include "temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// What the user reads of an export: the error's message, or nothing when it was written.
std::string Said(const kbd::Status& written) {
    return written.ok() ? "" : written.error().message();
}

struct ToolFault {
    const char* test;
    const char* mformat; // the script that stands for the tool, or "" for none
    const char* mcopy;
    const char* failure; // after "<path>: "
};

class FloppyFault : public testing::TestWithParam<ToolFault> {};

// A tool as a shell script in `bin`; the real one is `exec /usr/bin/TOOL "$@"`.
void Install(const kbd::testing::TempFolder& folder, const char* tool, const std::string& body) {
    if (!body.empty()) {
        folder.write(std::string("bin/") + tool, "#!/bin/sh\n" + body + "\n");
        ::chmod(folder.file(std::string("bin/") + tool).c_str(), 0755);
    }
}

TEST_P(FloppyFault, IsNamedAndLeavesNothing) {
    const kbd::testing::TempFolder folder;
    const auto bin = folder.path() / "bin";
    std::filesystem::create_directory(bin);
    Install(folder, "mformat", GetParam().mformat);
    Install(folder, "mcopy", GetParam().mcopy);
    const std::string kept = folder.file("kept.img"), fresh = folder.file("new.img");
    folder.write(kept, "the previous image");
    // PATH names only `bin` while the floppy is made.
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", bin.c_str(), 1);
    for (const std::string& image : {fresh, kept}) {
        EXPECT_EQ(Said(kbd::exports::MakeInstallFloppy(kbd::DefaultLayout(), "qz", image)),
                  image + ": " + GetParam().failure);
    }
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"bin", "kept.img"}));
    EXPECT_EQ(folder.read(kept), "the previous image");
}

constexpr const char* kRealMformat = "exec /usr/bin/mformat \"$@\"";

INSTANTIATE_TEST_SUITE_P(
    Tools, FloppyFault,
    testing::Values(
        ToolFault{"NoMtools", "", "",
                  "cannot run mformat (No such file or directory); the floppy needs mtools "
                  "installed"},
        ToolFault{"MformatFails", "echo 'mformat: disk full' >&2; echo more >&2; exit 3", "",
                  "mformat failed (exit status 3): mformat: disk full"},
        ToolFault{"McopySilentFailure", kRealMformat, "exit 1", "mcopy failed (exit status 1)"},
        ToolFault{"McopyKilled", kRealMformat, "kill -9 $$", "mcopy failed (killed by a signal)"},
        ToolFault{"NoMcopy", kRealMformat, "",
                  "cannot run mcopy (No such file or directory); the floppy needs mtools "
                  "installed"},
        ToolFault{"ShortImage", "printf 0123456789 > \"$5\"", "exit 0",
                  "mformat made an image of 10 bytes instead of 1474560"}),
    [](const auto& info) { return info.param.test; });

} // namespace
