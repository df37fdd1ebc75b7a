#include "../layout/temp_folder.h"
#include "codepage/code_page.h"
#include "render/layout_picture.h"

#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace {

using kbd::render::ExportLayoutPicture;
using kbd::render::PictureStyle;

QString Path(const kbd::testing::TempFolder& folder, const char* name) {
    return QString::fromStdString(folder.file(name));
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How often each text appears in the picture's <text> elements.
std::map<QString, int> SvgTexts(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    std::map<QString, int> texts;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text") {
            ++texts[svg.readElementText()];
        }
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    return texts;
}

class SvgPicture : public testing::TestWithParam<int> {};

TEST_P(SvgPicture, HoldsEveryCharacterOfTheLayoutAsText) {
    const kbd::KeyboardLayout& layout = kbd::DefaultLayout();
    const auto page = kbd::CodePage::Load(GetParam());
    ASSERT_TRUE(page);
    std::map<QString, int> wanted;
    int characters = 0;
    for (int key = 0; key < kbd::kKeyCount; ++key) {
        for (int mode = kbd::LayerShift; mode <= kbd::LayerAnsi; ++mode) {
            const std::uint8_t code = *kbd::LayerChar(layout, mode, key);
            if (mode != kbd::LayerAltGr || (code != 0 && code != 32)) {
                ++wanted[QString::fromStdString(page->utf8(code))], ++characters;
            }
        }
    }
    // 49 keys of three characters and 28 that have an AltGr character.
    ASSERT_EQ(characters, 3 * 49 + 28);

    const kbd::testing::TempFolder folder;
    PictureStyle style;
    style.codePage = GetParam();
    ASSERT_EQ(ExportLayoutPicture(layout, style, Path(folder, "a.svg")), std::nullopt);
    auto found = SvgTexts(Path(folder, "a.svg"));
    for (const auto& [text, count] : wanted) {
        EXPECT_GE(found[text], count) << text.toStdString();
    }
    EXPECT_EQ(found[QStringLiteral("Arial \u00B7 code page %1 (%2)")
                        .arg(GetParam())
                        .arg(GetParam() == 1250 ? "Central European" : "Cyrillic")],
              1);
}

INSTANTIATE_TEST_SUITE_P(CodePages, SvgPicture, testing::Values(1250, 1251));

TEST(SvgPicture, PrintsTheTitleAndNoAltGrTheFileDoesNotKeep) {
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    layout.AltGrChar[0] = 0x05; // below the space
    layout.AltGrChar[1] = 0xB6; // pilcrow, on a key without a virtual-key code
    layout.VirtualKey[1] = 0;
    const kbd::testing::TempFolder folder;
    PictureStyle style;
    style.title = QStringLiteral("Kbd QZ");
    ASSERT_EQ(ExportLayoutPicture(layout, style, Path(folder, "t.svg")), std::nullopt);
    auto found = SvgTexts(Path(folder, "t.svg"));
    EXPECT_EQ(found[QStringLiteral("Kbd QZ")], 1);
    EXPECT_EQ(found[QStringLiteral("\u2405")], 0);
    EXPECT_EQ(found[QStringLiteral("\u00B6")], 0);
    EXPECT_EQ(found[QStringLiteral(" ")], 0);
    EXPECT_EQ(found[QString()], 0);
}

TEST(PdfPicture, IsOneA4LandscapePage) {
    const kbd::testing::TempFolder folder;
    ASSERT_EQ(ExportLayoutPicture(kbd::DefaultLayout(), {}, Path(folder, "B.PDF")), std::nullopt);
    const QString pdf = QString::fromLatin1(Contents(Path(folder, "B.PDF")));
    EXPECT_TRUE(pdf.startsWith(u"%PDF-"));
    const auto boxes = QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"))
                           .globalMatch(pdf);
    ASSERT_TRUE(boxes.hasNext());
    const auto box = boxes.peekNext();
    EXPECT_NEAR(box.captured(1).toDouble(), 842, 1); // 297 mm in points
    EXPECT_NEAR(box.captured(2).toDouble(), 595, 1); // 210 mm
}

TEST(PngPicture, IsTwiceThePictureSizeOnWhite) {
    const kbd::testing::TempFolder folder;
    ASSERT_EQ(ExportLayoutPicture(kbd::DefaultLayout(), {}, Path(folder, "c.Png")), std::nullopt);
    QImageReader reader(Path(folder, "c.Png"));
    EXPECT_EQ(reader.format(), "png");
    const QImage image = reader.read();
    EXPECT_EQ(image.size(), (kbd::render::PictureSize() * 2).toSize());
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
}

struct Refusal {
    const char* target;
    int codePage;
    const char* why;
};

void PrintTo(const Refusal& refusal, std::ostream* os) {
    *os << refusal.target << " in CP" << refusal.codePage;
}

class RefusedPicture : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedPicture, SaysWhyAndLeavesTheFolderAsItWas) {
    const kbd::testing::TempFolder folder;
    std::filesystem::create_directory(folder.file("folder.png"));
    QFile old(Path(folder, "old.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("older") == 5);
    old.close();

    PictureStyle style;
    style.codePage = GetParam().codePage;
    const auto error =
        ExportLayoutPicture(kbd::DefaultLayout(), style, Path(folder, GetParam().target));
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(QString::fromLatin1(GetParam().why))) << error->toStdString();
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"folder.png", "old.png"}));
    EXPECT_EQ(Contents(Path(folder, "old.png")), "older");
}

INSTANTIATE_TEST_SUITE_P(Targets, RefusedPicture,
                         testing::Values(Refusal{"old.txt", 1250, ".svg, .pdf or .png"},
                                         Refusal{"old.png.bak", 1250, ".svg, .pdf or .png"},
                                         Refusal{"no/picture.svg", 1250,
                                                 "(No such file or directory)"},
                                         Refusal{"folder.png", 1250, "(Is a directory)"},
                                         Refusal{"old.png", 99, "Code page 99"}));

} // namespace
