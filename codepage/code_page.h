// An 8-bit Windows code page: what each byte stands for, which byte stands for a
// character, how a byte shows on screen and which bytes are cases of one letter.
// Layout bytes never change; only how they read does, so the windows, kbdtool, the
// picture, the check, the exports and the system layouts all read bytes through here.
#pragma once

#include "utf8.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kbd {

// The code page of the language every written file announces (Serbian, Latin script).
inline constexpr int kDefaultCodePage = 1250;

enum class LetterScript : std::uint8_t { None, Latin, Greek, Cyrillic, Hebrew, Arabic, Thai };

// The script of a letter, by its Unicode block; None for anything that is not a letter.
LetterScript ScriptOf(char32_t point);

// "Latin", "Cyrillic"...; "none" for None.
std::string_view LetterScriptName(LetterScript script);

// The script of the letters a code page is made for: Cyrillic for 1251, Latin for 1250.
LetterScript MainScript(int codePage);

// Where a code page's language cases a letter otherwise than Unicode's default does.
struct LanguageCase {
    int codePage;
    char32_t lower;
    char32_t upper;         // equal to `lower`: the character has no case in this code page
    bool upperLowersToThis; // false: the upper case keeps its default lower case
};
std::span<const LanguageCase> LanguageCases();

struct Script {
    std::string_view name;
    int codePage;
};

// The ten scripts a display font can take, in the order the font chooser lists them.
std::span<const Script> Scripts();

// "Central European" for 1250 and so on; empty for a code page that is not a script above.
std::string_view CodePageName(int number);

// "code page 1250 (Central European)", or "code page 437" when it has no name here.
std::string CodePageCaption(int number);

class CodePage {
public:
    // "CP<number>" through iconv; nothing when iconv does not know it. Loaded once a run.
    static std::optional<CodePage> Load(int number);

    // ISO 8859-1, for a system whose iconv lacks the Windows code pages.
    static CodePage Latin1();

    // Load(number), else Latin1(): for displays, which must show something.
    static CodePage LoadOrLatin1(int number);

    int number() const;

    // The byte's text as UTF-8; empty where the code page defines no character. Byte 0
    // reads as one NUL character.
    const std::string& utf8(std::uint8_t code) const;

    // The one code point the byte stands for; nothing where it is undefined or stands for
    // several (a letter and a combining mark).
    std::optional<char32_t> codePoint(std::uint8_t code) const;

    // The byte that stands for `point` alone, through iconv; nothing when the code page
    // has no such byte.
    std::optional<std::uint8_t> byteFor(char32_t point) const;

    // How a key, a palette cell, the magnifier, kbdtool and the picture show the byte:
    // nothing for 0, a space as a space, a control picture for other control codes, a
    // combining mark on a dotted circle, U+FFFD where the code page has no character.
    const std::string& shown(std::uint8_t code) const;

    bool defined(std::uint8_t code) const { return cases_->defined[code]; }

    // The byte of the upper (lower) case of the byte's character in this code page; the
    // byte itself when it has none here (the sharp s, the micro sign). Unicode's default
    // case is followed except where the code page's language has its own (LanguageCases).
    std::uint8_t upper(std::uint8_t code) const { return cases_->upper[code]; }
    std::uint8_t lower(std::uint8_t code) const { return cases_->lower[code]; }

    // Two different characters of which `shift` is the upper case of `norm` and `norm` the
    // lower case of `shift`: the keys Caps Lock acts on.
    // The Greek final sigma pairs with the capital sigma although that lowers to the other
    // sigma, so the pair is a table of its own rather than upper() and lower() together.
    bool isCasePair(std::uint8_t norm, std::uint8_t shift) const {
        return norm != shift && cases_->pairedUpper[norm] == shift;
    }

    // The script of the byte's character when it is a letter; LetterScript::None for
    // digits, signs, marks and holes.
    LetterScript script(std::uint8_t code) const { return cases_->script[code]; }

    // True when the byte reads as one combining mark.
    bool isMark(std::uint8_t code) const;

    struct Data;
    // What the layout check asks of every key, kept where the calls above inline.
    struct Cases {
        std::array<std::uint8_t, 256> upper{};
        std::array<std::uint8_t, 256> lower{};
        std::array<bool, 256> defined{};
        std::array<std::uint8_t, 256> pairedUpper{}; // the byte itself when none
        std::array<LetterScript, 256> script{};
    };

private:
    explicit CodePage(std::shared_ptr<const Data> data);
    std::shared_ptr<const Data> data_;
    const Cases* cases_;
};

} // namespace kbd
