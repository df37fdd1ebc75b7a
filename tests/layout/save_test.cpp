#include "file_bytes.h"
#include "layout/writer.h"
#include "temp_folder.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
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
    ErrorKind kind;
};

void PrintTo(const RefusedSave& value, std::ostream* out) {
    *out << value.name;
}

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
    } else if (name == "missing folder") {
        path = folder.file("nowhere/qz.kbd");
    } else if (name == "fifo") {
        path = folder.file("pipe");
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    }
    const auto before = folder.entries();

    const Status status = SaveKbdFile(DefaultLayout(), path);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().kind, GetParam().kind);
    EXPECT_EQ(status.error().path, path);
    EXPECT_NE(status.error().message().find(path), std::string::npos);
    EXPECT_EQ(folder.entries(), before);
}

INSTANTIATE_TEST_SUITE_P(Targets, SaveRefusal,
                         ::testing::Values(RefusedSave{"folder", ErrorKind::IsFolder},
                                           RefusedSave{"missing folder", ErrorKind::CannotCreate},
                                           RefusedSave{"fifo", ErrorKind::NotRegularFile}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST(SaveKbdFile, ReadOnlyFolderKeepsThePreviousFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into any folder";
    }
    TempFolder folder;
    const std::string path = folder.file("qz.kbd");
    WriteBytes(path, kPrevious);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);

    const Status status = SaveKbdFile(DefaultLayout(), path);
    ::chmod(folder.path().c_str(), 0755);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().kind, ErrorKind::CannotCreate);
    EXPECT_FALSE(status.error().reason.empty());
    EXPECT_EQ(ReadBytes(path), kPrevious);
}

// A file size limit makes write() fail part way, as a full disk does.
TEST(SaveKbdFile, FailedWriteKeepsThePreviousFileAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string path = folder.file("qz.kbd");
    WriteBytes(path, kPrevious);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    const Status status = SaveKbdFile(DefaultLayout(), path);

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().kind, ErrorKind::CannotWrite);
    EXPECT_FALSE(status.error().reason.empty());
    EXPECT_EQ(ReadBytes(path), kPrevious);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"qz.kbd"});
}

} // namespace
} // namespace kbd
