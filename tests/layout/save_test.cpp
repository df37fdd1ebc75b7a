#include "file_bytes.h"
#include "layout/system_calls.h"
#include "layout/writer.h"
#include "temp_folder.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace kbd {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::vector<std::uint8_t> ImageBytes(const KeyboardLayout& layout) {
    const KbdImage image = BuildKbdImage(layout);
    return {image.begin(), image.end()};
}

KeyboardLayout Changed() {
    KeyboardLayout layout = DefaultLayout();
    layout.NormalChar[0] = 0xE8;
    layout.AltGrChar[5] = 0xA9;
    return layout;
}

const std::vector<std::uint8_t> kPrevious{'o', 'l', 'd', '\n'};

TEST(SaveKbdFile, SavingTwiceLeavesOneFileOf688Bytes) {
    TempFolder folder;
    const std::string path = folder.file("qz.kbd");
    ASSERT_TRUE(SaveKbdFile(DefaultLayout(), path).ok());
    ASSERT_TRUE(SaveKbdFile(Changed(), path).ok());

    EXPECT_EQ(ReadBytes(path), ImageBytes(Changed()));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"qz.kbd"});
}

TEST(SaveKbdFile, SymbolicLinkKeepsPointingAtItsFile) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "real");
    const std::string real = folder.file("real/layout.kbd");
    const std::string link = folder.file("link.kbd");
    WriteBytes(real, kPrevious);
    std::filesystem::create_symlink("real/layout.kbd", link);

    ASSERT_TRUE(SaveKbdFile(Changed(), link).ok());

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), "real/layout.kbd");
    EXPECT_EQ(ReadBytes(real), ImageBytes(Changed()));
}

TEST(SaveKbdFile, DanglingLinkCreatesTheFileItNames) {
    TempFolder folder;
    const std::string link = folder.file("link.kbd");
    std::filesystem::create_symlink(folder.file("new.kbd"), link);

    ASSERT_TRUE(SaveKbdFile(DefaultLayout(), link).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(folder.file("new.kbd")).size(), kImageSize);
}

TEST(SaveKbdFile, ExistingFileKeepsItsPermissionBits) {
    TempFolder folder;
    const std::string path = folder.file("private.kbd");
    WriteBytes(path, kPrevious);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);

    ASSERT_TRUE(SaveKbdFile(DefaultLayout(), path).ok());

    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

struct RefusedSave {
    const char* name;
    const char* message; // before ": PATH"
    const char* reason;  // after it
};

class SaveRefusal : public ::testing::TestWithParam<RefusedSave> {};

// Each case prepares a target that cannot be saved; the previous contents of the
// folder must be exactly as they were, with no temporary file left over.
TEST_P(SaveRefusal, FailsWithReasonAndLeavesTheFolderAsItWas) {
    TempFolder folder;
    const std::string name = GetParam().name;
    std::string path;
    if (name == "folder") {
        std::filesystem::create_directory(folder.path() / "target");
        path = folder.file("target");
    } else if (name == "missing_folder") {
        path = folder.file("nowhere/qz.kbd");
    } else if (name == "fifo") {
        path = folder.file("pipe");
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    }
    const auto before = folder.entries();

    const Status status = SaveKbdFile(DefaultLayout(), path);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().message(),
              std::string(GetParam().message) + ": " + path + GetParam().reason);
    EXPECT_EQ(folder.entries(), before);
}

INSTANTIATE_TEST_SUITE_P(Targets, SaveRefusal,
                         ::testing::Values(RefusedSave{"folder", "The path names a folder",
                                                       " (Is a directory)"},
                                           RefusedSave{"missing_folder", "Cannot create the file",
                                                       " (No such file or directory)"},
                                           RefusedSave{"fifo", "Not a regular file", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// A save whose system call fails, as on a full disk or a dying device. Calls that fail
// after doing their work (a close that still frees the descriptor, an unlink that still
// removes) show that the reason reported is the first failure's.
struct Failure {
    const char* call;
    int error;           // what the call sets errno to
    const char* message; // before ": PATH (REASON)"
    const char* reason;
};

int gError = 0;

int Fail() {
    errno = gError;
    return -1;
}

void Inject(SystemCalls& c, std::string_view call) {
    using Size = std::size_t;
    if (call == "open") {
        c.open = [](const char*, int, mode_t) {
            return Fail();
        };
    } else if (call == "write") {
        c.write = [](int, const void*, Size) -> ssize_t {
            return Fail();
        };
    } else if (call == "write_part_way") {
        c.write = [](int fd, const void* data, Size size) -> ssize_t {
            return size == kImageSize ? ::write(fd, data, 100) : Fail();
        };
    } else if (call == "write_of_nothing") {
        c.write = [](int, const void*, Size) -> ssize_t {
            return 0;
        };
    } else if (call == "fsync") {
        c.fsync = [](int) {
            return Fail();
        };
    } else if (call == "close") {
        c.close = [](int fd) {
            return ::close(fd), Fail();
        };
    } else if (call.starts_with("rename")) {
        c.rename = [](const char*, const char*) {
            return Fail();
        };
        if (call == "rename_then_unlink") {
            c.unlink = [](const char* path) {
                return ::unlink(path), errno = EPERM, -1;
            };
        }
    }
}

class FailingCall : public ::testing::TestWithParam<Failure> {
protected:
    void TearDown() override { FileSystemCalls() = real_; }

private:
    SystemCalls real_ = FileSystemCalls();
};

TEST_P(FailingCall, FailsTheSaveWithTheReasonAndKeepsThePreviousFile) {
    TempFolder folder;
    const std::string path = folder.file("qz.kbd");
    WriteBytes(path, kPrevious);
    gError = GetParam().error;
    Inject(FileSystemCalls(), GetParam().call);

    const Status status = SaveKbdFile(DefaultLayout(), path);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().message(),
              std::string(GetParam().message) + ": " + path + " (" + GetParam().reason + ")");
    EXPECT_EQ(ReadBytes(path), kPrevious);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"qz.kbd"});
}

constexpr const char* kCannotWrite = "Cannot write the file";

INSTANTIATE_TEST_SUITE_P(
    Calls, FailingCall,
    ::testing::Values(Failure{"open", EACCES, "Cannot create the file", "Permission denied"},
                      Failure{"write", ENOSPC, kCannotWrite, "No space left on device"},
                      Failure{"write_part_way", EFBIG, kCannotWrite, "File too large"},
                      Failure{"write_of_nothing", 0, kCannotWrite, "No space left on device"},
                      Failure{"fsync", EIO, kCannotWrite, "Input/output error"},
                      Failure{"close", EIO, kCannotWrite, "Input/output error"},
                      Failure{"rename", EXDEV, "Cannot replace the file",
                              "Invalid cross-device link"},
                      Failure{"rename_then_unlink", EXDEV, "Cannot replace the file",
                              "Invalid cross-device link"}),
    [](const auto& info) { return std::string(info.param.call); });

} // namespace
} // namespace kbd
