#include "codepage/code_page.h"
#include "layout/dead_keys.h"
#include "render/layout_picture.h"
#include "temp_folder.h"

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

// The picture's <text> elements in drawing order.
QStringList SvgTextList(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    QStringList texts;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text") {
            texts << svg.readElementText();
        }
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    return texts;
}

// How often each text appears in the picture's <text> elements.
std::map<QString, int> SvgTexts(const QString& path) {
    std::map<QString, int> texts;
    for (const QString& text : SvgTextList(path)) {
        ++texts[text];
    }
    return texts;
}

// Every character of the layout as the code page reads it, but no AltGr character that the
// file does not keep: none of 0 or the space, 0x05 below it, nor the pilcrow of key 2, which
// has no virtual-key code.
TEST(SvgPicture, HoldsTheTitleFooterAndEveryCharacterTheFileKeeps) {
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    layout.AltGrChar[0] = 0x05;
    layout.AltGrChar[1] = 0xB6;
    layout.VirtualKey[1] = 0;
    const kbd::CodePage page = kbd::CodePage::Load(1251).value();
    std::map<QString, int> wanted;
    for (int key = 0; key < kbd::kKeyCount; ++key) {
        for (int mode = kbd::LayerShift; mode <= kbd::LayerAnsi; ++mode) {
            const std::uint8_t code = *kbd::LayerChar(layout, mode, key);
            if (mode != kbd::LayerAltGr || (code > 32 && key != 1)) {
                ++wanted[QString::fromStdString(page.utf8(code))];
            }
        }
    }
    const kbd::testing::TempFolder folder;
    PictureStyle style;
    style.codePage = 1251;
    style.title = QStringLiteral("Kbd QZ");
    ASSERT_TRUE(ExportLayoutPicture(layout, style, Path(folder, "a.svg")).ok());

    auto found = SvgTexts(Path(folder, "a.svg"));
    for (const auto& [text, count] : wanted) {
        EXPECT_GE(found[text], count) << text.toStdString();
    }
    EXPECT_EQ(found[QStringLiteral("Kbd QZ")], 1);
    EXPECT_EQ(found[QStringLiteral("Arial \u00B7 code page 1251 (Cyrillic)")], 1);
    for (const QString& kept :
         {QString(), QStringLiteral(" "), QStringLiteral("\u2405"), QStringLiteral("\u00B6")}) {
        EXPECT_EQ(found[kept], 0) << kept.toStdString();
    }
}

// The fourth corner and the dead-key sample follow what the file keeps: a Shift+AltGr
// character or dead mark on a key without a virtual-key code, or on a character the file
// drops, leaves the card as it was. A dead key adds three paths to the default's: its
// mark, the sample key's cap and the sample's mark.
TEST(SvgPicture, ShowsShiftAltGrAndDeadKeysOnlyWhenTheFileKeepsThem) {
    using Edit = void (*)(kbd::KeyboardLayout&);
    const struct {
        const char* name;
        Edit edit;
        bool shiftAltGr;
        bool dead;
        int morePaths;
    } rows[] = {
        {"default", [](kbd::KeyboardLayout&) {}, false, false, 0},
        {"Shift+AltGr", [](kbd::KeyboardLayout& l) { l.ShiftAltGrChar[14] = 0xA5; }, true, false,
         0},
        {"Shift+AltGr without a code",
         [](kbd::KeyboardLayout& l) {
             l.ShiftAltGrChar[1] = 0xA5;
             l.VirtualKey[1] = 0;
         },
         false, false, 0},
        {"dead Norm",
         [](kbd::KeyboardLayout& l) { kbd::SetDead(l, 0, kbd::CharLayer::Norm, true); }, false,
         true, 3},
        {"dead AltGr that is not written",
         [](kbd::KeyboardLayout& l) { kbd::SetDead(l, 0, kbd::CharLayer::AltGr, true); }, false,
         false, 0},
    };
    const kbd::testing::TempFolder folder;
    qsizetype defaultPaths = -1;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        kbd::KeyboardLayout layout = kbd::DefaultLayout();
        row.edit(layout);
        ASSERT_TRUE(ExportLayoutPicture(layout, {}, Path(folder, "a.svg")).ok());
        const QStringList texts = SvgTextList(Path(folder, "a.svg"));
        const QString line = texts.join(u' ');
        EXPECT_EQ(texts.count(QStringLiteral("\u0104")), row.shiftAltGr ? 1 : 0); // Ą in 1250
        EXPECT_EQ(line.contains(u"Shift+AltGr with Shift and the right Alt key held down; blank "
                                u"when the key has none"),
                  row.shiftAltGr);
        EXPECT_EQ(line.contains(u"ANSI the character Windows uses inside for the key"),
                  !row.shiftAltGr);
        EXPECT_EQ(line.contains(u"A dead key: it waits for the next key and types what the two "
                                u"compose into"),
                  row.dead);
        const qsizetype paths = QString::fromStdString(folder.read("a.svg")).count(u"<path");
        if (defaultPaths < 0) {
            defaultPaths = paths;
        }
        EXPECT_EQ(paths - defaultPaths, row.morePaths);
    }
}

// The format follows the name's ending in any case: PDF is one A4 landscape page, PNG twice
// the picture's size on white.
TEST(PdfAndPngPictures, AreA4LandscapeAndTwiceThePictureSize) {
    const kbd::testing::TempFolder folder;
    ASSERT_TRUE(ExportLayoutPicture(kbd::DefaultLayout(), {}, Path(folder, "B.PDF")).ok());
    ASSERT_TRUE(ExportLayoutPicture(kbd::DefaultLayout(), {}, Path(folder, "c.Png")).ok());
    const QString pdf = QString::fromLatin1(QByteArray::fromStdString(folder.read("B.PDF")));
    EXPECT_TRUE(pdf.startsWith(u"%PDF-"));
    const auto box =
        QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])")).match(pdf);
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 842, 1); // 297 mm in points
    EXPECT_NEAR(box.captured(2).toDouble(), 595, 1); // 210 mm
    QImageReader reader(Path(folder, "c.Png"));
    EXPECT_EQ(reader.format(), "png");
    const QImage image = reader.read();
    EXPECT_EQ(image.size(), (kbd::render::PictureSize() * 2).toSize());
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(ExportLayoutPicture, RefusesWithAReasonAndLeavesTheFolderAsItWas) {
    const kbd::testing::TempFolder folder;
    std::filesystem::create_directory(folder.file("folder.png"));
    folder.write("old.png", "older");
    const char* notPicture = "Not a picture format this program writes: PATH (the name must "
                             "end in .svg, .pdf or .png)";
    const std::tuple<const char*, int, const char*> refusals[] = {
        {"old.png.bak", 1250, notPicture},
        {"folder.png", 1250, "The path names a folder: PATH (Is a directory)"},
        {"old.png", 99, "Code page 99 is not known to this system"}};
    for (const auto& [name, codePage, why] : refusals) {
        PictureStyle style;
        style.codePage = codePage;
        const kbd::Status written =
            ExportLayoutPicture(kbd::DefaultLayout(), style, Path(folder, name));
        EXPECT_EQ(written.ok() ? "" : written.error().message(),
                  QString::fromLatin1(why)
                      .replace(QStringLiteral("PATH"), Path(folder, name))
                      .toStdString());
    }
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"folder.png", "old.png"}));
    EXPECT_EQ(folder.read("old.png"), "older");
}

} // namespace
