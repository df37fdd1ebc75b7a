// Saving and loading through real files: what reaches the disk, and each refusal's message,
// with the folder and the layout in memory left as they were.
#include "files/system_calls.h"
#include "layout/reader.h"
#include "layout/writer.h"
#include "predict.h"
#include "temp_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kbd {
namespace {

using testing::TempFolder;
using Bytes = std::string;

KeyboardLayout Changed() {
    KeyboardLayout layout = DefaultLayout();
    layout.ShiftChar[12] = 0xD0;
    layout.AltGrChar[12] = 0xF0;
    return layout;
}

Bytes ImageBytes(const KeyboardLayout& layout = Changed()) {
    const KbdImage image = BuildKbdImage(layout);
    return {image.begin(), image.end()};
}

const Bytes kPrevious = "old\n";

// Loading reads only the first 688 bytes, so a file with more after them loads as well.
TEST(KbdFile, SavedOverAnOlderFileKeepsItsPermissionBitsAndLoadsBack) {
    TempFolder folder;
    const std::string path = folder.file("qz.kbd");
    folder.write(path, kPrevious);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(SaveKbdFile(Changed(), path).ok());

    EXPECT_EQ(folder.read(path), ImageBytes());
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"qz.kbd"});
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    folder.write(path, folder.read(path) + std::string(4096, '\xFF'));
    KeyboardLayout layout = DefaultLayout();
    ASSERT_TRUE(LoadKbdFile(path, layout).ok());
    EXPECT_EQ(layout, fuzz::PredictReload(Changed(), Changed().ScanCode));
}

// A relative link names its file from the link's folder; a dangling one names a file to make.
TEST(SaveKbdFile, WritesThroughSymbolicLinksAndKeepsThem) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "real");
    folder.write(folder.file("real/layout.kbd"), kPrevious);
    std::filesystem::create_symlink("real/layout.kbd", folder.file("relative.kbd"));
    std::filesystem::create_symlink(folder.file("new.kbd"), folder.file("dangling.kbd"));
    for (const char* link : {"relative.kbd", "dangling.kbd"}) {
        ASSERT_TRUE(SaveKbdFile(Changed(), folder.file(link)).ok()) << link;
        EXPECT_TRUE(std::filesystem::is_symlink(folder.file(link))) << link;
    }
    EXPECT_EQ(folder.read(folder.file("real/layout.kbd")), ImageBytes());
    EXPECT_EQ(folder.read(folder.file("new.kbd")), ImageBytes());
}

// A save whose system call fails, as on a full disk or a dying device: the call that the
// test names fails with gError, the others do their work. Close frees the descriptor even when
// it fails, and the clean-up's unlink after a failed rename fails too: the reason told must
// still be the first failure's.
std::string gFailing;
int gError = 0;

int Failed() {
    errno = gError;
    return -1;
}

const SystemCalls kFaultyCalls{
    [](const char* path, int flags, mode_t mode) {
        return gFailing == "open" ? Failed() : ::open(path, flags, mode);
    },
    [](int fd, const void* data, std::size_t size) -> ssize_t {
        if (gFailing == "write_part_way") {
            return size == kImageSize ? ::write(fd, data, 100) : Failed();
        }
        return gFailing == "write_of_nothing" ? 0 : ::write(fd, data, size);
    },
    [](int fd) { return gFailing == "fsync" ? Failed() : ::fsync(fd); },
    [](int fd) { return gFailing == "close" ? (::close(fd), Failed()) : ::close(fd); },
    [](const char* from, const char* to) {
        return gFailing == "rename" ? Failed() : ::rename(from, to);
    },
    [](const char* path) {
        return gFailing == "rename" ? (::unlink(path), errno = EPERM, -1) : ::unlink(path);
    }};

struct Refusal {
    const char* name;
    bool save;
    const char* target;  // what stands at the path beforehand
    const char* failing; // the system call that fails, with errno `error`
    int error;
    const char* message; // PATH stands for the path
};

class RefusedFile : public ::testing::TestWithParam<Refusal> {
protected:
    void TearDown() override { FileSystemCalls() = real_; }

private:
    SystemCalls real_ = FileSystemCalls();
};

TEST_P(RefusedFile, SaysWhyAndChangesNothing) {
    TempFolder folder;
    const std::string target = GetParam().target, path = folder.file("qz.kbd");
    Bytes bytes = target == "older" ? kPrevious : ImageBytes(DefaultLayout());
    if (target == "short") {
        bytes.pop_back();
    } else if (target == "foreign") {
        std::fill(bytes.begin() + 30, bytes.begin() + 45, 'x');
    }
    if (target == "folder") {
        std::filesystem::create_directory(path);
    } else if (target == "fifo") { // opened without O_NONBLOCK, it would wait for a writer
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    } else if (target != "missing") {
        folder.write(path, bytes);
    }
    const auto before = folder.entries();
    gFailing = GetParam().failing;
    gError = GetParam().error;
    FileSystemCalls() = kFaultyCalls;
    KeyboardLayout layout = Changed();

    const Status status = GetParam().save ? SaveKbdFile(layout, path) : LoadKbdFile(path, layout);
    ASSERT_FALSE(status.ok());
    std::string message = GetParam().message;
    EXPECT_EQ(status.error().message(), message.replace(message.find("PATH"), 4, path));
    EXPECT_EQ(folder.entries(), before);
    EXPECT_EQ(layout, Changed());
    if (target == "older") {
        EXPECT_EQ(folder.read(path), kPrevious);
    }
}

constexpr bool kLoad = false, kSave = true;
constexpr const char* kNotRegular = "Not a regular file: PATH";

const Refusal kRefusals[] = {
    {"LoadMissing", kLoad, "missing", "", 0,
     "Cannot open the file: PATH (No such file or directory)"},
    {"LoadFolder", kLoad, "folder", "", 0, kNotRegular},
    {"LoadFifo", kLoad, "fifo", "", 0, kNotRegular},
    {"LoadShort", kLoad, "short", "", 0, "The file is shorter than 688 bytes: PATH"},
    {"LoadForeign", kLoad, "foreign", "", 0, "The file has no signature of this program: PATH"},
    {"SaveOverFolder", kSave, "folder", "", 0, "The path names a folder: PATH (Is a directory)"},
    {"SaveOverFifo", kSave, "fifo", "", 0, kNotRegular},
    {"SaveFailingOpen", kSave, "older", "open", EACCES,
     "Cannot create the file: PATH (Permission denied)"},
    {"SaveWritingPartWay", kSave, "older", "write_part_way", EFBIG,
     "Cannot write the file: PATH (File too large)"},
    {"SaveWritingNothing", kSave, "older", "write_of_nothing", 0,
     "Cannot write the file: PATH (No space left on device)"},
    {"SaveFailingFsync", kSave, "older", "fsync", EIO,
     "Cannot write the file: PATH (Input/output error)"},
    {"SaveFailingClose", kSave, "older", "close", EIO,
     "Cannot write the file: PATH (Input/output error)"},
    {"SaveFailingRename", kSave, "older", "rename", EXDEV,
     "Cannot replace the file: PATH (Invalid cross-device link)"}};

INSTANTIATE_TEST_SUITE_P(, RefusedFile, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd
