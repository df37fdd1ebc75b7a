// Installing into a disk image: what lands where, and that every refusal or failure
// leaves the image byte for byte as it was and nothing beside it.
#include "diskimage/copy_calls.h"
#include "diskimage/install.h"
#include "temp_folder.h"
#include "test_image.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

using kbd::diskimage::InstallLayout;
using kbd::diskimage::InstallRequest;
using kbd::diskimage::InstallWay;
using kbd::testing::ReadFromVolume;

// A layout file's bytes as far as installing cares: its size and its language word.
const std::string kLayout = std::string("DS\x1a\x08") + std::string(684, 'L');

class Install : public testing::Test {
protected:
    void SetUp() override {
        kbd::testing::MakeWindowsDisk(image_);
        ::chmod(image_.c_str(), 0640);
        before_ = folder_.read("disk.img");
    }

    InstallRequest Request(InstallWay way, const std::string& name, int partition = -1,
                           const std::string& text = "") const {
        return {image_, partition, way, name, text, {kLayout.begin(), kLayout.end()}};
    }
    std::string Volume(const std::string& file) const { return ReadFromVolume(image_, 63, file); }
    // The refusal, after checking that nothing changed and nothing was left.
    std::string Refusal(const InstallRequest& request) const {
        const auto installed = InstallLayout(request, {});
        EXPECT_FALSE(installed.ok());
        EXPECT_TRUE(folder_.read("disk.img") == before_) << "the image changed";
        EXPECT_EQ(folder_.entries(), std::vector<std::string>{"disk.img"});
        return installed.ok() ? "" : installed.error().message();
    }

    kbd::testing::TempFolder folder_;
    std::string image_ = folder_.file("disk.img");
    std::string before_;
};

TEST_F(Install, ReplacesAndKeepsTheTrueOriginalOnce) {
    auto first = InstallLayout(Request(InstallWay::Replace, "kbdyu.kbd"), {});
    ASSERT_TRUE(first.ok()) << first.error().message();
    EXPECT_EQ(first.value().done, "Replaced WINDOWS\\SYSTEM\\KBDYU.KBD in " + image_ +
                                      " (partition 1); the original is kept as "
                                      "WINDOWS\\SYSTEM\\KBDYU.ORI.");
    EXPECT_EQ(first.value().back, "To go back, delete WINDOWS\\SYSTEM\\KBDYU.KBD and rename "
                                  "WINDOWS\\SYSTEM\\KBDYU.ORI to KBDYU.KBD, then restart Windows.");
    auto request = Request(InstallWay::Replace, "KBDYU.KBD");
    request.kbd.assign(688, 'M');
    ASSERT_TRUE(InstallLayout(request, {}).ok());
    EXPECT_EQ(Volume("::/WINDOWS/SYSTEM/KBDYU.KBD"), std::string(688, 'M'));
    EXPECT_EQ(Volume("::/WINDOWS/SYSTEM/KBDYU.ORI"), kbd::testing::YuKbd());
    EXPECT_EQ(Volume("::/WINDOWS/SYSTEM/KBDUS.KBD"), kbd::testing::UsKbd());
    struct stat info {};
    ::stat(image_.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(folder_.entries(), std::vector<std::string>{"disk.img"});
}

TEST_F(Install, AddsTheLayoutAndItsRegistryFile) {
    auto added =
        InstallLayout(Request(InstallWay::Add, "srpski", -1, "Serbian (Cyrillic, \"mine\")"), {});
    ASSERT_TRUE(added.ok()) << added.error().message();
    EXPECT_EQ(Volume("::/WINDOWS/SYSTEM/SRPSKI.KBD"), kLayout);
    EXPECT_EQ(Volume("::/WINDOWS/SRPSKI.REG"),
              "REGEDIT4\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Keyboard "
              "layouts\\A5F8081A]\r\n"
              "\"layout file\"=\"SRPSKI.KBD\"\r\n"
              "\"layout text\"=\"Serbian (Cyrillic, \\\"mine\\\")\"\r\n"
              "\"layout id\"=\"A5F8\"\r\n\r\n");
    EXPECT_EQ(Volume("::/WINDOWS/SYSTEM/KBDYU.KBD"), kbd::testing::YuKbd());
}

TEST_F(Install, RefusesAnImageAProcessHasOpen) {
    pid_t pid = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, image_.c_str(), O_RDONLY, 0);
    char* argv[] = {const_cast<char*>("sleep"), const_cast<char*>("30"), nullptr};
    ASSERT_EQ(posix_spawnp(&pid, "sleep", &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::usleep(100000); // until sleep runs with the image as its input
    const std::string refusal = Refusal(Request(InstallWay::Replace, "KBDYU.KBD"));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(refusal, image_ + ": process " + std::to_string(pid) +
                           " (sleep) has it open; shut the emulated machine down first (or "
                           "close the program)");
}

TEST_F(Install, RefusesAnImageSomeoneHoldsALockOn) {
    const int fd = ::open(image_.c_str(), O_RDONLY);
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_start = 100; // where QEMU puts its locks
    lock.l_len = 1;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);
    EXPECT_EQ(Refusal(Request(InstallWay::Replace, "KBDYU.KBD")),
              image_ + ": another program holds a lock on it, as QEMU does on the disk of a "
                       "running machine; shut the emulated machine down first");
    ::close(fd);
}

TEST_F(Install, LeavesTheImageWhenMcopyFails) {
    const kbd::testing::TempFolder tools;
    std::filesystem::create_directory(tools.path() / "bin");
    for (const char* tool : {"mdir", "mmove"}) {
        std::filesystem::create_symlink(std::string("/usr/bin/") + tool,
                                        tools.path() / "bin" / tool);
    }
    // Copies out of the image work; the copy into it fails.
    tools.write("bin/mcopy", "#!/bin/sh\ncase \"$*\" in *'-D o'*) echo 'mcopy: disk full' >&2; "
                             "exit 1;; esac\nexec /usr/bin/mcopy \"$@\"\n");
    ::chmod(tools.file("bin/mcopy").c_str(), 0755);
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", (tools.path() / "bin").c_str(), 1);
    const std::string refusal = Refusal(Request(InstallWay::Replace, "KBDYU.KBD"));
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(refusal.substr(refusal.find("mcopy failed")),
              "mcopy failed (exit status 1): mcopy: disk full");
}

TEST_F(Install, RefusesBeforeWritingWithoutRoomForTheCopy) {
    auto& calls = kbd::diskimage::ImageCopyCalls();
    const auto real = calls;
    calls.clone = [](int, int) {
        errno = EOPNOTSUPP;
        return -1;
    };
    calls.fstatvfs = [](int, struct statvfs* info) {
        *info = {};
        info->f_frsize = 4096;
        info->f_bavail = 1024; // 4 MB of the 8 the copy needs
        return 0;
    };
    const std::string refusal = Refusal(Request(InstallWay::Add, "MINE"));
    calls = real;
    EXPECT_EQ(refusal, image_ + ": writing into it safely needs a copy of it, 8 MB, and its "
                                "file system has only 4 MB free; nothing was written");
}

struct BadRequest {
    const char* test;
    InstallWay way;
    const char* name;
    int partition;
    const char* refusal; // after the image's path, when it starts with ':'
};

class InstallRefusal : public Install, public testing::WithParamInterface<BadRequest> {};

TEST_P(InstallRefusal, ChangesNothing) {
    const std::string expected = GetParam().refusal;
    EXPECT_EQ(Refusal(Request(GetParam().way, GetParam().name, GetParam().partition)),
              expected[0] == ':' ? image_ + expected : expected);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, InstallRefusal,
    testing::Values(
        BadRequest{"NoSuchFile", InstallWay::Replace, "KBDFR.KBD", -1,
                   ": WINDOWS\\SYSTEM has no KBDFR.KBD (it has KBDUS.KBD, KBDYU.KBD)"},
        BadRequest{"AddedNameTaken", InstallWay::Add, "kbdus", -1,
                   ": WINDOWS\\SYSTEM\\KBDUS.KBD exists already; choose another name, or "
                   "replace it"},
        BadRequest{"AddedNameNotDos", InstallWay::Add, "-i:x", -1,
                   "-i:x: not a DOS file name of 1 to 8 letters, digits, _ or - without an "
                   "extension"},
        BadRequest{"PartitionWithoutWindows", InstallWay::Replace, "KBDYU.KBD", 2,
                   ": no Windows folder on partition 2 (Windows is on partition 1)"}),
    [](const auto& info) { return std::string(info.param.test); });

} // namespace
