// What the survey finds, and what it refuses before anything is written: images mtools
// cannot write into, and partition tables that point outside the image.
#include "diskimage/layout_preview.h"
#include "diskimage/survey.h"
#include "temp_folder.h"
#include "test_image.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

using kbd::diskimage::SurveyImage;
using kbd::testing::Partition;

// The survey of an image that `make` writes, with `tail` appended.
kbd::diskimage::Survey Surveyed(void (*make)(const std::string&), const std::string& tail = "") {
    const kbd::testing::TempFolder folder;
    make(folder.file("disk.img"));
    std::ofstream(folder.file("disk.img"), std::ios::binary | std::ios::app) << tail;
    const auto survey = SurveyImage(folder.file("disk.img"));
    EXPECT_TRUE(survey.ok()) << survey.error().message();
    return survey.ok() ? survey.value() : kbd::diskimage::Survey{};
}

TEST(Survey, FindsWindowsAndItsLayoutFiles) {
    const auto survey = Surveyed(kbd::testing::MakeWindowsDisk);
    ASSERT_EQ(survey.volumes.size(), 2u);
    EXPECT_EQ(survey.volumes[1].number, 2);
    ASSERT_EQ(survey.windows.size(), 1u);
    const auto& windows = survey.windows[0];
    EXPECT_EQ(windows.volume.firstSector, 63u);
    EXPECT_EQ(windows.folder, "WINDOWS");
    ASSERT_EQ(windows.layouts.size(), 2u);
    EXPECT_EQ(windows.layouts[0].name, "KBDUS.KBD");
    EXPECT_EQ(std::string(windows.layouts[1].bytes.begin(), windows.layouts[1].bytes.end()),
              kbd::testing::YuKbd());
}

TEST(Survey, PreviewsTheFirstLetterRowAsTheDriverTypesIt) {
    const auto page = kbd::CodePage::Load(1250);
    ASSERT_TRUE(page);
    const std::string yu = kbd::testing::YuKbd();
    EXPECT_EQ(
        kbd::diskimage::FirstRowPreview(std::vector<std::uint8_t>(yu.begin(), yu.end()), *page),
        "q w e r t z u i o p š đ");
    EXPECT_EQ(kbd::diskimage::FirstRowPreview(std::vector<std::uint8_t>(688, 0), *page),
              "(not loaded: KbdDesc (bytes 0 and 1) is not \"DS\")");
    // The same bytes in a file of another language read in that language's code page; a
    // language that names none falls back to the page given.
    for (const auto& [language, row] : {std::pair{0x0419, "q w e r t z u i o p \u0459 \u0440"},
                                        {0x0000, "q w e r t z u i o p š đ"}}) {
        std::vector<std::uint8_t> file(yu.begin(), yu.end());
        file[2] = static_cast<std::uint8_t>(language & 0xFF);
        file[3] = static_cast<std::uint8_t>(language >> 8);
        EXPECT_EQ(kbd::diskimage::FirstRowPreview(file, *page), row) << language;
    }
}

TEST(Survey, FindsWindowsOnABareVolume) {
    const auto survey = Surveyed(kbd::testing::MakeBareVolume);
    ASSERT_EQ(survey.windows.size(), 1u);
    EXPECT_EQ(survey.windows[0].volume.number, 0);
}

TEST(Survey, ReadsAFixedVhdUpToItsFooter) {
    std::string footer(512, '\0');
    footer.replace(0, 8, "conectix");
    footer[63] = 2; // fixed
    const auto survey = Surveyed(kbd::testing::MakeWindowsDisk, footer);
    EXPECT_EQ(survey.format.kind, kbd::diskimage::ImageKind::FixedVhd);
    EXPECT_EQ(survey.format.diskBytes, kbd::testing::kDiskSectors * 512ull);
    EXPECT_EQ(survey.windows.size(), 1u);
}

struct Refused {
    const char* test;
    std::string head;             // the image's first bytes, when not a made disk
    std::vector<Partition> table; // else the disk made
    std::string refusal;          // after "<image>: "
};

class SurveyRefusal : public testing::TestWithParam<Refused> {};

TEST_P(SurveyRefusal, NamesTheImageAndTheReason) {
    const kbd::testing::TempFolder folder;
    const std::string image = folder.file("disk.img");
    if (GetParam().head.empty()) {
        kbd::testing::MakeDisk(image, GetParam().table);
    } else {
        std::string bytes = GetParam().head;
        bytes.resize(4096, '\0');
        folder.write("disk.img", bytes);
    }
    const auto survey = SurveyImage(image);
    ASSERT_FALSE(survey.ok());
    EXPECT_EQ(survey.error().message(), image + ": " + GetParam().refusal);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"disk.img"});
}

constexpr const char* kConvert =
    " image, which mtools cannot write into; convert it to a raw image first: qemu-img "
    "convert -O raw IN OUT.img";

INSTANTIATE_TEST_SUITE_P(
    Images, SurveyRefusal,
    testing::Values(
        Refused{
            "Qcow2", std::string("QFI\xfb\0\0\0\3", 8), {}, std::string("a QEMU qcow2") + kConvert},
        Refused{"Vdi",
                std::string("<<< Oracle VM VirtualBox Disk Image >>>\n").append(24, '\0') +
                    "\x7f\x10\xda\xbe",
                {},
                std::string("a VirtualBox VDI") + kConvert},
        Refused{"PartitionPastTheEnd",
                "",
                {{0x06, 63, 8001}, {0x0B, 8064, 9000, false}},
                "partition 2 (type 0B) runs from sector 8064 to 17064, outside the image's "
                "0..16384; the partition table cannot be trusted"},
        Refused{"ExtendedWithoutRecord",
                "",
                {{0x05, 100, 50, false}},
                "the extended boot record at sector 100 has no boot signature"},
        Refused{"NoTable",
                std::string("just text"),
                {},
                "neither a partition table nor a FAT volume at its start"}),
    [](const auto& info) { return std::string(info.param.test); });

} // namespace
