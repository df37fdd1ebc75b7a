// The registry as this machine's xkeyboard-config has it, and the spelling of a layout.
#include "system_layouts/layout_list.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kbd {
namespace {

struct Id {
    const char* name;
    const char* text;
    std::optional<SystemLayout> parsed;
};

void PrintTo(const Id& id, std::ostream* os) {
    *os << id.name;
}

class LayoutIdRow : public testing::TestWithParam<Id> {};

TEST_P(LayoutIdRow, ParsesOnlyNameAndNameWithVariant) {
    const std::optional<SystemLayout> parsed = ParseLayoutId(GetParam().text);
    EXPECT_EQ(parsed, GetParam().parsed);
    if (parsed) {
        EXPECT_EQ(LayoutId(*parsed), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    , LayoutIdRow,
    testing::Values(Id{"Name", "de", SystemLayout{"de", "", ""}},
                    Id{"NameAndVariant", "de(nodeadkeys)", SystemLayout{"de", "nodeadkeys", ""}},
                    Id{"DashAndUnderscore", "ru(typewriter-legacy)",
                       SystemLayout{"ru", "typewriter-legacy", ""}},
                    Id{"Empty", "", std::nullopt}, Id{"Unclosed", "de(nodeadkeys", std::nullopt},
                    Id{"EmptyVariant", "de()", std::nullopt},
                    Id{"VariantOnly", "(nodeadkeys)", std::nullopt},
                    Id{"TwoVariants", "de(a)(b)", std::nullopt},
                    Id{"TextAfterVariant", "de(a)b", std::nullopt},
                    Id{"TwoLayouts", "de,ru", std::nullopt}, Id{"Space", "de ", std::nullopt},
                    Id{"Path", "../de", std::nullopt}),
    [](const testing::TestParamInfo<Id>& info) { return std::string(info.param.name); });

struct Filter {
    const char* name;
    const char* text;
    bool matches; // against German (no dead keys), de(nodeadkeys)
};

void PrintTo(const Filter& filter, std::ostream* os) {
    *os << filter.name;
}

class LayoutFilterRow : public testing::TestWithParam<Filter> {};

TEST_P(LayoutFilterRow, LooksAtIdAndDescriptionInAnyCase) {
    const SystemLayout layout{"de", "nodeadkeys", "German (no dead keys)"};
    EXPECT_EQ(LayoutMatches(layout, GetParam().text), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    , LayoutFilterRow,
    testing::Values(Filter{"Empty", "", true}, Filter{"Description", "dead keys", true},
                    Filter{"DescriptionOtherCase", "GERMAN", true},
                    Filter{"VariantInParentheses", "E(NODEAD", true},
                    Filter{"NeitherHasIt", "french", false},
                    // Name and description are searched one at a time, not joined.
                    Filter{"AcrossBoth", "keys) German", false}),
    [](const testing::TestParamInfo<Filter>& info) { return std::string(info.param.name); });

TEST(ListSystemLayouts, HasTheLayoutsAndVariantsOfXkeyboardConfig) {
    const auto layouts = ListSystemLayouts();
    ASSERT_TRUE(layouts);
    EXPECT_GT(layouts->size(), 500u);
    EXPECT_EQ(layouts->front(), (SystemLayout{"us", "", "English (US)"}));
    for (const SystemLayout& wanted :
         {SystemLayout{"de", "", "German"},
          SystemLayout{"de", "nodeadkeys", "German (no dead keys)"},
          SystemLayout{"rs", "", "Serbian"}, SystemLayout{"rs", "latin", "Serbian (Latin)"}}) {
        EXPECT_NE(std::find(layouts->begin(), layouts->end(), wanted), layouts->end())
            << LayoutId(wanted);
    }
}

} // namespace
} // namespace kbd
