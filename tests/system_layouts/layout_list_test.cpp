// The spelling of a layout and the filter of the list; the list itself is kbdtool's
// layouts test.
#include "system_layouts/layout_list.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

struct Id {
    const char* name;
    const char* text;
    std::optional<SystemLayout> parsed;
};

class LayoutIdRow : public testing::TestWithParam<Id> {};

TEST_P(LayoutIdRow, ParsesOnlyNameAndNameWithVariant) {
    const std::optional<SystemLayout> parsed = ParseLayoutId(GetParam().text);
    EXPECT_EQ(parsed, GetParam().parsed);
    if (parsed) {
        EXPECT_EQ(LayoutId(*parsed), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(, LayoutIdRow,
                         testing::Values(Id{"Name", "de", SystemLayout{"de", "", ""}},
                                         Id{"DashAndUnderscore", "ru(typewriter-legacy_1)",
                                            SystemLayout{"ru", "typewriter-legacy_1", ""}},
                                         Id{"Unclosed", "de(nodeadkeys", std::nullopt},
                                         Id{"EmptyVariant", "de()", std::nullopt},
                                         Id{"VariantOnly", "(nodeadkeys)", std::nullopt},
                                         Id{"TwoVariants", "de(a)(b)", std::nullopt},
                                         Id{"Path", "../de", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Filter {
    const char* name;
    const char* text;
    bool matches; // against German (no dead keys), de(nodeadkeys)
};

class LayoutFilterRow : public testing::TestWithParam<Filter> {};

TEST_P(LayoutFilterRow, LooksAtIdAndDescriptionInAnyCase) {
    const SystemLayout layout{"de", "nodeadkeys", "German (no dead keys)"};
    EXPECT_EQ(LayoutMatches(layout, GetParam().text), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    , LayoutFilterRow,
    testing::Values(Filter{"Empty", "", true}, Filter{"DescriptionOtherCase", "dead KEYS", true},
                    Filter{"VariantInParentheses", "E(NODEAD", true},
                    Filter{"NeitherHasIt", "french", false},
                    // Name and description are searched one at a time, not joined.
                    Filter{"AcrossBoth", "keys) German", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd
