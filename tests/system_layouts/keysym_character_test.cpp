// Each dead keysym's spacing accent, one row apiece, and the way back from the accent that
// the exports take: a slip in one row would type the wrong accent on that dead key only.
#include "system_layouts/keysym_character.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

namespace {

TEST(SpacingAccent, GoesBothWaysForEveryDeadKeysym) {
    const std::pair<const char*, char32_t> accents[] = {
        {"dead_grave", U'`'},       {"dead_acute", U'´'},     {"dead_circumflex", U'^'},
        {"dead_tilde", U'~'},       {"dead_diaeresis", U'¨'}, {"dead_caron", U'ˇ'},
        {"dead_breve", U'˘'},       {"dead_abovedot", U'˙'},  {"dead_ogonek", U'˛'},
        {"dead_doubleacute", U'˝'}, {"dead_cedilla", U'¸'},   {"dead_abovering", U'˚'},
        {"dead_macron", U'¯'}};
    for (const auto& [name, spacing] : accents) {
        const xkb_keysym_t dead = xkb_keysym_from_name(name, XKB_KEYSYM_NO_FLAGS);
        ASSERT_NE(dead, XKB_KEY_NoSymbol) << name;
        EXPECT_TRUE(kbd::IsDeadKeysym(dead)) << name;
        EXPECT_EQ(kbd::KeysymCharacter(dead), spacing) << name;
        EXPECT_EQ(kbd::DeadKeysymOf(spacing), dead) << name;
    }
}

TEST(SpacingAccent, TonosIsTheAcuteOfGreek) {
    EXPECT_EQ(kbd::OtherSpacingForm(XKB_KEY_dead_acute), U'\u0384');
    EXPECT_EQ(kbd::DeadKeysymOf(U'\u0384'), XKB_KEY_dead_acute);
    EXPECT_EQ(kbd::OtherSpacingForm(XKB_KEY_dead_grave), std::nullopt);
    EXPECT_EQ(kbd::DeadKeysymOf(U'a'), std::nullopt);
    EXPECT_FALSE(kbd::IsDeadKeysym(XKB_KEY_a));
    EXPECT_EQ(kbd::KeysymCharacter(XKB_KEY_dead_belowdot), std::nullopt); // no spacing form
}

} // namespace
