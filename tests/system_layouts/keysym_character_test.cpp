// Each dead keysym's spacing accent, one row apiece, and the way back from the accent that
// the exports take: a slip in one row would type the wrong accent on that dead key only.
#include "system_layouts/keysym_character.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

namespace {

struct Accent {
    const char* keysym;
    char32_t spacing;
};

class SpacingAccent : public testing::TestWithParam<Accent> {};

TEST_P(SpacingAccent, GoesBothWays) {
    const xkb_keysym_t dead = xkb_keysym_from_name(GetParam().keysym, XKB_KEYSYM_NO_FLAGS);
    ASSERT_NE(dead, XKB_KEY_NoSymbol);
    EXPECT_TRUE(kbd::IsDeadKeysym(dead));
    EXPECT_EQ(kbd::KeysymCharacter(dead), GetParam().spacing);
    EXPECT_EQ(kbd::DeadKeysymOf(GetParam().spacing), dead);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, SpacingAccent,
                         testing::Values(Accent{"dead_grave", U'`'}, Accent{"dead_acute", U'´'},
                                         Accent{"dead_circumflex", U'^'},
                                         Accent{"dead_tilde", U'~'}, Accent{"dead_diaeresis", U'¨'},
                                         Accent{"dead_caron", U'ˇ'}, Accent{"dead_breve", U'˘'},
                                         Accent{"dead_abovedot", U'˙'}, Accent{"dead_ogonek", U'˛'},
                                         Accent{"dead_doubleacute", U'˝'},
                                         Accent{"dead_cedilla", U'¸'},
                                         Accent{"dead_abovering", U'˚'},
                                         Accent{"dead_macron", U'¯'}));

TEST(SpacingAccent, TonosIsTheAcuteOfGreek) {
    EXPECT_EQ(kbd::OtherSpacingForm(XKB_KEY_dead_acute), U'\u0384');
    EXPECT_EQ(kbd::DeadKeysymOf(U'\u0384'), XKB_KEY_dead_acute);
    EXPECT_EQ(kbd::OtherSpacingForm(XKB_KEY_dead_grave), std::nullopt);
    EXPECT_EQ(kbd::DeadKeysymOf(U'a'), std::nullopt);
    EXPECT_FALSE(kbd::IsDeadKeysym(XKB_KEY_a));
    EXPECT_EQ(kbd::KeysymCharacter(XKB_KEY_dead_belowdot), std::nullopt); // no spacing form
}

} // namespace
