// The spelling of a layout and the filter of the list; the list itself is kbdtool's
// layouts test.
#include "codepage/locales.h"
#include "system_layouts/layout_list.h"
#include "temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace kbd {
namespace {

TEST(LayoutId, ParsesOnlyNameAndNameWithVariant) {
    const std::pair<const char*, std::optional<SystemLayout>> ids[] = {
        {"de", SystemLayout{"de", "", "", {}}},
        {"ru(typewriter-legacy_1)", SystemLayout{"ru", "typewriter-legacy_1", "", {}}},
        {"de(nodeadkeys", std::nullopt},
        {"de()", std::nullopt},
        {"(nodeadkeys)", std::nullopt},
        {"de(a)(b)", std::nullopt},
        {"../de", std::nullopt}};
    for (const auto& [text, expected] : ids) {
        const std::optional<SystemLayout> parsed = ParseLayoutId(text);
        EXPECT_EQ(parsed, expected) << text;
        EXPECT_EQ(parsed ? LayoutId(*parsed) : text, text);
    }
}

// Name and description are searched one at a time, not joined.
TEST(LayoutMatches, LooksAtIdAndDescriptionInAnyCase) {
    const SystemLayout layout{"de", "nodeadkeys", "German (no dead keys)", {}};
    const std::pair<const char*, bool> filters[] = {{"", true},
                                                    {"dead KEYS", true},
                                                    {"E(NODEAD", true},
                                                    {"french", false},
                                                    {"keys) German", false}};
    for (const auto& [text, matches] : filters) {
        EXPECT_EQ(LayoutMatches(layout, text), matches) << text;
    }
}

// A registry that cannot be read names its file and why: missing, or not XML; the path
// is where libxkbregistry looks under $XKB_CONFIG_ROOT, not one handed to it.
TEST(SystemLayoutList, SaysWhichRegistryFileFailsAndWhy) {
    const testing::TempFolder root;
    std::filesystem::create_directory(root.file("rules"));
    const std::string file = root.file("rules") + "/evdev.xml";
    ::setenv("XKB_CONFIG_ROOT", root.path().c_str(), 1);
    const auto missing = ListSystemLayouts();
    root.write(file, "not xml");
    const auto garbled = ListSystemLayouts();
    ::unsetenv("XKB_CONFIG_ROOT");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().message(),
              "Cannot open the file: " + file + " (No such file or directory)");
    ASSERT_FALSE(garbled.ok());
    EXPECT_EQ(garbled.error().kind, ErrorKind::ReadFailed);
    EXPECT_EQ(garbled.error().path, file);
    EXPECT_FALSE(garbled.error().reason.empty());
}

// The registry's languages imply the script, a variant named after one overriding it; the
// same languages name the locale a .klc is listed under.
TEST(SystemLayoutLanguage, ImpliesTheScriptAndTheLocale) {
    const auto listed = ListSystemLayouts();
    ASSERT_TRUE(listed.ok()) << listed.error().message();
    const std::vector<SystemLayout>& layouts = listed.value();
    const auto find = [&](std::string_view id) {
        const auto at = std::ranges::find_if(
            layouts, [id](const SystemLayout& layout) { return LayoutId(layout) == id; });
        return at != layouts.end() ? *at : SystemLayout{};
    };
    const std::tuple<const char*, std::optional<int>, const char*> rows[] = {
        {"rs", 1251, "sr-Cyrl-CS"},
        {"rs(latin)", 1250, "sr-Latn-CS"},
        {"gr", 1253, "el-GR"},
        {"de", 1252, "de-DE"},
        {"de(nodeadkeys)", 1252, "de-DE"},
        {"tr", 1254, "tr-TR"},
        {"ara", 1256, "ar-SA"},
        {"bg", 1251, "bg-BG"},
        {"kz(latin)", std::nullopt, "kk-KZ"},
        {"jp", std::nullopt, nullptr},
    };
    for (const auto& [id, codePage, locale] : rows) {
        const SystemLayout layout = find(id);
        ASSERT_FALSE(layout.name.empty()) << id;
        EXPECT_EQ(ImpliedCodePage(layout), codePage) << id;
        const WindowsLocale* found = LayoutLocale(layout, codePage.value_or(1251));
        EXPECT_EQ(found ? std::string(found->name) : "", locale ? locale : "") << id;
    }
}

} // namespace
} // namespace kbd
