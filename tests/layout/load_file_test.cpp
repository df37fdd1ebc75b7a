#include "file_bytes.h"
#include "layout/reader.h"
#include "layout/writer.h"
#include "temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kbd {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A layout that no file here holds, so a refused load shows as "unchanged".
KeyboardLayout Marked() {
    KeyboardLayout layout = DefaultLayout();
    layout.NormalChar.fill(0x7E);
    layout.ScanCode.fill(0x11);
    return layout;
}

KeyboardLayout Saved() {
    KeyboardLayout layout = DefaultLayout();
    layout.ShiftChar[12] = 0xD0;
    layout.AltGrChar[12] = 0xF0;
    return layout;
}

std::vector<std::uint8_t> SavedImage() {
    const KbdImage image = BuildKbdImage(Saved());
    return {image.begin(), image.end()};
}

TEST(LoadKbdFile, ReadsWhatSaveWrote) {
    TempFolder folder;
    const std::string path = folder.file("qz.kbd");
    ASSERT_TRUE(SaveKbdFile(Saved(), path).ok());

    KeyboardLayout layout = Marked();
    ASSERT_TRUE(LoadKbdFile(path, layout).ok());
    EXPECT_EQ(layout.ShiftChar[12], 0xD0);
    EXPECT_EQ(layout.AltGrChar[12], 0xF0);
    EXPECT_EQ(layout.NormalChar, DefaultLayout().NormalChar);
    EXPECT_EQ(layout.ScanCode, Marked().ScanCode); // scan codes are not in the file
}

TEST(LoadKbdFile, OnlyTheFirst688BytesOfALongFileCount) {
    TempFolder folder;
    const std::string path = folder.file("long.kbd");
    std::vector<std::uint8_t> bytes = SavedImage();
    bytes.resize(1 << 20, 0xFF); // trailing junk would set every Caps-Lock bit if read
    WriteBytes(path, bytes);

    KeyboardLayout fromFile = Marked();
    KeyboardLayout fromImage = Marked();
    ASSERT_TRUE(LoadKbdFile(path, fromFile).ok());
    ASSERT_TRUE(DecodeKbdImage(SavedImage(), fromImage).ok());
    EXPECT_EQ(fromFile, fromImage);
}

struct RefusedFile {
    const char* name;
    const char* message; // before ": PATH"
    const char* reason;  // after it
};

class LoadRefusal : public ::testing::TestWithParam<RefusedFile> {};

TEST_P(LoadRefusal, TellsWhyAndKeepsTheLayout) {
    TempFolder folder;
    const std::string name = GetParam().name;
    std::string path = folder.file("target.kbd");
    if (name == "missing") {
        // nothing there
    } else if (name == "folder") {
        std::filesystem::create_directory(path);
    } else if (name == "fifo") {
        // Opening a FIFO without a writer would block forever without O_NONBLOCK.
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    } else if (name == "device") {
        path = "/dev/null";
    } else if (name == "short") {
        std::vector<std::uint8_t> bytes = SavedImage();
        bytes.pop_back();
        WriteBytes(path, bytes);
    } else if (name == "empty") {
        WriteBytes(path, {});
    } else if (name == "foreign") {
        std::vector<std::uint8_t> bytes = SavedImage();
        std::fill(bytes.begin() + 30, bytes.begin() + 45, 'x');
        WriteBytes(path, bytes);
    }

    KeyboardLayout layout = Marked();
    const Status status = LoadKbdFile(path, layout);

    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().message(),
              std::string(GetParam().message) + ": " + path + GetParam().reason);
    EXPECT_EQ(layout, Marked());
}

constexpr const char* kNotRegular = "Not a regular file";
constexpr const char* kTooShort = "The file is shorter than 688 bytes";

INSTANTIATE_TEST_SUITE_P(
    Files, LoadRefusal,
    ::testing::Values(RefusedFile{"missing", "Cannot open the file",
                                  " (No such file or directory)"},
                      RefusedFile{"folder", kNotRegular, ""}, RefusedFile{"fifo", kNotRegular, ""},
                      RefusedFile{"device", kNotRegular, ""}, RefusedFile{"short", kTooShort, ""},
                      RefusedFile{"empty", kTooShort, ""},
                      RefusedFile{"foreign", "The file has no signature of this program", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd
