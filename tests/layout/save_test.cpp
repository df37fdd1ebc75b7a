#include "file_bytes.h"
#include "layout/system_calls.h"
#include "layout/writer.h"
#include "temp_folder.h"

#include <cerrno>
#include <gtest/gtest.h>
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
    const char* name;
    int error; // what the failing call sets errno to
    SystemCalls calls;
    const char* message; // before ": PATH (REASON)"
    const char* reason;
};

int gError = 0;

int Fail() {
    errno = gError;
    return -1;
}

struct Fake {
    static int Open(const char*, int, mode_t) { return Fail(); }
    static ssize_t Write(int, const void*, std::size_t) { return Fail(); }
    static ssize_t WriteSome(int fd, const void* data, std::size_t size) {
        return size == kImageSize ? ::write(fd, data, 100) : Fail();
    }
    static ssize_t WriteNothing(int, const void*, std::size_t) { return 0; }
    static int Fsync(int) { return Fail(); }
    static int Close(int fd) { return ::close(fd), Fail(); }
    static int Rename(const char*, const char*) { return Fail(); }
    static int Unlink(const char* path) { return ::unlink(path), errno = EPERM, -1; }
};

// `calls` with one of them swapped for a fake.
template <class Call>
SystemCalls With(Call SystemCalls::*call, Call fake, SystemCalls calls = FileSystemCalls()) {
    calls.*call = fake;
    return calls;
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
    FileSystemCalls() = GetParam().calls;

    const Status status = SaveKbdFile(DefaultLayout(), path);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().message(),
              std::string(GetParam().message) + ": " + path + " (" + GetParam().reason + ")");
    EXPECT_EQ(ReadBytes(path), kPrevious);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"qz.kbd"});
}

constexpr const char* kCannotWrite = "Cannot write the file";
constexpr const char* kCannotReplace = "Cannot replace the file";
constexpr const char* kFull = "No space left on device";
constexpr const char* kCrossDevice = "Invalid cross-device link";
constexpr const char* kIo = "Input/output error";
using C = SystemCalls;

INSTANTIATE_TEST_SUITE_P(
    Calls, FailingCall,
    ::testing::Values(
        Failure{"open", EACCES, With(&C::open, Fake::Open), "Cannot create the file",
                "Permission denied"},
        Failure{"write", ENOSPC, With(&C::write, Fake::Write), kCannotWrite, kFull},
        Failure{"write_part_way", EFBIG, With(&C::write, Fake::WriteSome), kCannotWrite,
                "File too large"},
        Failure{"write_of_nothing", 0, With(&C::write, Fake::WriteNothing), kCannotWrite, kFull},
        Failure{"fsync", EIO, With(&C::fsync, Fake::Fsync), kCannotWrite, kIo},
        Failure{"close", EIO, With(&C::close, Fake::Close), kCannotWrite, kIo},
        Failure{"rename", EXDEV, With(&C::rename, Fake::Rename), kCannotReplace, kCrossDevice},
        Failure{"rename_then_unlink", EXDEV,
                With(&C::unlink, Fake::Unlink, With(&C::rename, Fake::Rename)), kCannotReplace,
                kCrossDevice}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd
