// The install floppy when mtools is missing or fails: the failure names the file, the tool
// and what it said, and neither an image nor the scratch folder is left behind. A made
// image is read back with mtools, and a folder that cannot hold one refused, in the
// kbdtool tests.
#include "../layout/temp_folder.h"
#include "exports/floppy.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

namespace {

// Runs the export with PATH naming only `bin`, into which a row puts its own tools.
class WithTools {
public:
    explicit WithTools(const std::string& bin) : saved_(std::getenv("PATH")) {
        ::setenv("PATH", bin.c_str(), 1);
    }
    ~WithTools() { ::setenv("PATH", saved_.c_str(), 1); }
    WithTools(const WithTools&) = delete;
    WithTools& operator=(const WithTools&) = delete;

private:
    std::string saved_;
};

void Script(const std::filesystem::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    ::chmod(path.c_str(), 0755);
}

struct ToolFault {
    const char* test;
    const char* mformat; // the script body, or nullptr for the real one, or "" for none
    const char* mcopy;
    const char* failure; // after "<path>: "
};

class FloppyFault : public testing::TestWithParam<ToolFault> {};

void Install(const std::filesystem::path& bin, const char* tool, const char* body) {
    if (body == nullptr) {
        std::filesystem::create_symlink("/usr/bin/" + std::string(tool), bin / tool);
    } else if (*body != '\0') {
        Script(bin / tool, body);
    }
}

TEST_P(FloppyFault, IsNamedAndLeavesNothing) {
    const kbd::testing::TempFolder folder;
    const auto bin = folder.path() / "bin";
    std::filesystem::create_directory(bin);
    Install(bin, "mformat", GetParam().mformat);
    Install(bin, "mcopy", GetParam().mcopy);
    const std::string kept = folder.file("kept.img"), fresh = folder.file("new.img");
    std::ofstream(kept) << "the previous image";
    const WithTools tools(bin.string());
    for (const std::string& path : {fresh, kept}) {
        EXPECT_EQ(kbd::exports::MakeInstallFloppy(kbd::DefaultLayout(), "qz", path),
                  path + ": " + GetParam().failure);
    }
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"bin", "kept.img"}));
    std::ifstream in(kept);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the previous image");
}

INSTANTIATE_TEST_SUITE_P(
    Tools, FloppyFault,
    testing::Values(
        ToolFault{"NoMtools", "", "",
                  "cannot run mformat (No such file or directory); the floppy needs mtools "
                  "installed"},
        ToolFault{"MformatFails", "echo 'mformat: disk full' >&2; echo more >&2; exit 3", "",
                  "mformat failed (exit status 3): mformat: disk full"},
        ToolFault{"McopySilentFailure", nullptr, "exit 1", "mcopy failed (exit status 1)"},
        ToolFault{"McopyKilled", nullptr, "kill -9 $$", "mcopy failed (killed by a signal)"},
        ToolFault{"ShortImage", "printf 0123456789 > \"$5\"", "exit 0",
                  "mformat made an image of 10 bytes instead of 1474560"}),
    [](const auto& info) { return info.param.test; });

} // namespace
