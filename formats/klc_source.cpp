#include "klc_source.h"

#include "codepage/code_page.h"
#include "files/excerpt.h"
#include "layout/virtual_key_names.h"
#include "text_decoding.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

namespace formats {
namespace {

using Tokens = std::vector<std::u32string_view>;

constexpr std::array<std::u32string_view, 17> kKeywords{
    U"KBD",     U"COPYRIGHT",   U"COMPANY",      U"LOCALENAME",   U"LOCALEID",
    U"VERSION", U"SHIFTSTATE",  U"LAYOUT",       U"DEADKEY",      U"LIGATURE",
    U"KEYNAME", U"KEYNAME_EXT", U"KEYNAME_DEAD", U"DESCRIPTIONS", U"LANGUAGENAMES",
    U"ENDKBD",  U"ATTRIBUTES",
};

kbd::Error Refuse(std::string why) {
    return {kbd::ErrorKind::BadKeyboardFile, {}, std::move(why)};
}

kbd::Error RefuseAt(int line, const std::string& why) {
    return Refuse("line " + std::to_string(line) + ": " + why);
}

// At most a short excerpt: a hostile line must not make a message as long as itself.
std::string Quoted(std::u32string_view token) {
    std::string text;
    for (const char32_t point : token) {
        text += kbd::Utf8(point);
    }
    return "\"" + kbd::Excerpt(text) + "\"";
}

// The fields of a line: tabs and spaces part them, "//" starts a comment.
Tokens Split(std::u32string_view line) {
    if (const auto comment = line.find(U"//"); comment != std::u32string_view::npos) {
        line = line.substr(0, comment);
    }
    Tokens tokens;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = line.find_first_of(U" \t\r", start);
        const std::size_t stop = end == std::u32string_view::npos ? line.size() : end;
        if (stop > start) {
            tokens.push_back(line.substr(start, stop - start));
        }
        start = stop + 1;
    }
    return tokens;
}

std::vector<std::u32string_view> Lines(std::u32string_view text) {
    std::vector<std::u32string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(U'\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::optional<unsigned> Hex(std::u32string_view token, std::size_t maxDigits) {
    if (token.empty() || token.size() > maxDigits) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const char32_t c : token) {
        const int digit = c >= U'0' && c <= U'9'   ? static_cast<int>(c - U'0')
                          : c >= U'a' && c <= U'f' ? static_cast<int>(c - U'a' + 10)
                          : c >= U'A' && c <= U'F' ? static_cast<int>(c - U'A' + 10)
                                                   : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value << 4 | static_cast<unsigned>(digit);
    }
    return value;
}

std::optional<unsigned> Decimal(std::u32string_view token, unsigned most) {
    if (token.empty() || token.size() > 3) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const char32_t c : token) {
        if (c < U'0' || c > U'9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c - U'0');
    }
    return value <= most ? std::optional(value) : std::nullopt;
}

bool SameIgnoringCase(std::u32string_view token, std::u32string_view word) {
    return std::equal(token.begin(), token.end(), word.begin(), word.end(),
                      [](char32_t a, char32_t b) {
                          const auto lower = [](char32_t c) {
                              return c >= U'A' && c <= U'Z' ? c + 32 : c;
                          };
                          return lower(a) == lower(b);
                      });
}

// -1 none, %% a ligature, one character as itself, or 4 to 6 hex digits; a trailing @
// marks a dead key.
std::optional<KlcCell> Cell(std::u32string_view token) {
    if (token == U"-1") {
        return KlcCell{};
    }
    if (token == U"%%") {
        return KlcCell{KlcCell::Ligature, 0, false};
    }
    const bool dead = token.size() > 1 && token.back() == U'@';
    if (dead) {
        token.remove_suffix(1);
    }
    if (token.size() == 1) {
        return KlcCell{KlcCell::Character, token[0], dead};
    }
    const auto point = token.size() >= 4 ? Hex(token, 6) : std::nullopt;
    if (!point || *point > 0x10FFFF || (*point >= 0xD800 && *point <= 0xDFFF)) {
        return std::nullopt;
    }
    return KlcCell{KlcCell::Character, static_cast<char32_t>(*point), dead};
}

class Parser {
public:
    kbd::Result<KlcSource> Run(const std::vector<std::u32string_view>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const int line = static_cast<int>(i) + 1;
            const Tokens tokens = Split(lines[i]);
            if (tokens.empty()) {
                continue;
            }
            if (std::find(kKeywords.begin(), kKeywords.end(), tokens[0]) != kKeywords.end()) {
                if (auto refused = Keyword(line, tokens)) {
                    return *refused;
                }
                if (tokens[0] == U"ENDKBD") {
                    break;
                }
                continue;
            }
            if (!seenKbd_) {
                return RefuseAt(line, "a keyboard source begins with KBD");
            }
            auto refused = section_ == Section::ShiftState ? ShiftStateRow(line, tokens)
                           : section_ == Section::Layout   ? LayoutRow(line, tokens)
                           : section_ == Section::DeadKey  ? DeadKeyRow(line, tokens)
                                                           : std::nullopt;
            if (refused) {
                return *refused;
            }
        }
        if (source_.states.empty()) {
            return Refuse("no SHIFTSTATE section names the columns of LAYOUT");
        }
        if (!seenLayout_) {
            return Refuse("no LAYOUT section");
        }
        return std::move(source_);
    }

private:
    enum class Section { Other, ShiftState, Layout, DeadKey };

    std::optional<kbd::Error> Keyword(int line, const Tokens& tokens) {
        const std::u32string_view word = tokens[0];
        if (!seenKbd_ && word != U"KBD") {
            return RefuseAt(line, "a keyboard source begins with KBD");
        }
        seenKbd_ = true;
        section_ = Section::Other;
        if (word == U"SHIFTSTATE") {
            if (seenLayout_) {
                return RefuseAt(line, "SHIFTSTATE after LAYOUT");
            }
            section_ = Section::ShiftState;
        } else if (word == U"LAYOUT") {
            if (seenLayout_) {
                return RefuseAt(line, "a second LAYOUT section");
            }
            seenLayout_ = true;
            section_ = Section::Layout;
        } else if (word == U"DEADKEY") {
            const auto dead = tokens.size() == 2 ? Cell(tokens[1]) : std::nullopt;
            if (!dead || dead->kind != KlcCell::Character) {
                return RefuseAt(line, "DEADKEY names no character");
            }
            deadKey_ = dead->character;
            source_.deadKeys[deadKey_];
            section_ = Section::DeadKey;
        } else if (word == U"LOCALEID" && tokens.size() > 1) {
            std::u32string_view value = tokens[1];
            if (value.size() >= 2 && value.front() == U'"' && value.back() == U'"') {
                value = value.substr(1, value.size() - 2);
            }
            const auto id = Hex(value, 8);
            if (!id) {
                return RefuseAt(line, "LOCALEID " + Quoted(tokens[1]) + " is not hexadecimal");
            }
            source_.language = static_cast<std::uint16_t>(*id & 0xFFFF);
        }
        return std::nullopt;
    }

    std::optional<kbd::Error> ShiftStateRow(int line, const Tokens& tokens) {
        const auto state = Decimal(tokens[0], 15);
        if (!state || tokens.size() != 1) {
            return RefuseAt(line,
                            "a SHIFTSTATE row is one number 0..15, not " + Quoted(Joined(tokens)));
        }
        if (std::find(source_.states.begin(), source_.states.end(), *state) !=
            source_.states.end()) {
            return RefuseAt(line, "SHIFTSTATE " + std::to_string(*state) + " is given twice");
        }
        source_.states.push_back(*state);
        return std::nullopt;
    }

    std::optional<kbd::Error> LayoutRow(int line, const Tokens& tokens) {
        const std::size_t fields = 3 + source_.states.size();
        if (tokens[0] == U"-1") {
            // SGCap's second row: what Caps Lock types on the key above, which no layer
            // here holds; only its place is checked.
            if (!awaitingSgCap_) {
                return RefuseAt(line, "a row of scan code -1 follows no SGCap row");
            }
            awaitingSgCap_ = false;
            return std::nullopt;
        }
        if (tokens.size() != fields) {
            return RefuseAt(line, "a LAYOUT row has " + std::to_string(tokens.size()) +
                                      " fields; with " + std::to_string(source_.states.size()) +
                                      " SHIFTSTATE columns it needs " + std::to_string(fields));
        }
        KlcRow row{line, 0, 0, 0, false, {}};
        for (std::size_t k = 3; k < fields; ++k) {
            const auto cell = Cell(tokens[k]);
            if (!cell) {
                return RefuseAt(line, Quoted(tokens[k]) +
                                          " is neither -1, %%, one character nor 4 to 6 "
                                          "hexadecimal digits");
            }
            row.cells.push_back(*cell);
        }
        if (awaitingSgCap_) {
            return RefuseAt(line, "the row after an SGCap row must have scan code -1");
        }
        const auto scan = Hex(tokens[0], 4);
        if (!scan) {
            return RefuseAt(line, "scan code " + Quoted(tokens[0]) + " is not hexadecimal");
        }
        std::string name;
        for (const char32_t c : tokens[1]) {
            name += c < 0x80 ? static_cast<char>(c) : '?';
        }
        const auto code = kbd::VirtualKeyCode(name);
        if (!code) {
            return RefuseAt(line, "no virtual key is named " + Quoted(tokens[1]));
        }
        if (SameIgnoringCase(tokens[2], U"SGCap")) {
            row.sgCap = awaitingSgCap_ = true;
        } else if (const auto cap = Decimal(tokens[2], 255)) {
            row.cap = *cap;
        } else {
            return RefuseAt(line, "Cap " + Quoted(tokens[2]) + " is neither a number nor SGCap");
        }
        if (const auto [first, fresh] = scanLines_.emplace(*scan, line); !fresh) {
            return RefuseAt(line, "scan code " + Quoted(tokens[0]) + " was given on line " +
                                      std::to_string(first->second));
        }
        row.scanCode = *scan;
        row.virtualKey = *code;
        source_.rows.push_back(std::move(row));
        return std::nullopt;
    }

    std::optional<kbd::Error> DeadKeyRow(int line, const Tokens& tokens) {
        const auto base = tokens.size() == 2 ? Cell(tokens[0]) : std::nullopt;
        const auto result = tokens.size() == 2 ? Cell(tokens[1]) : std::nullopt;
        if (!base || !result || base->kind != KlcCell::Character ||
            result->kind != KlcCell::Character) {
            return RefuseAt(line, "a DEADKEY row is a base and a result character, not " +
                                      Quoted(Joined(tokens)));
        }
        source_.deadKeys[deadKey_].push_back({base->character, result->character});
        return std::nullopt;
    }

    static std::u32string Joined(const Tokens& tokens) {
        std::u32string joined;
        for (const auto& token : tokens) {
            joined += (joined.empty() ? U"" : U" ");
            joined += token;
        }
        return joined;
    }

    KlcSource source_;
    Section section_ = Section::Other;
    bool seenKbd_ = false;
    bool seenLayout_ = false;
    bool awaitingSgCap_ = false;
    char32_t deadKey_ = 0; // of the DEADKEY section being read
    std::map<unsigned, int> scanLines_;
};

} // namespace

bool LooksLikeKlc(std::span<const std::uint8_t> bytes) {
    std::string why;
    const auto text = DecodeText(bytes, why);
    if (!text) {
        return false;
    }
    for (const std::u32string_view line : Lines(*text)) {
        if (const Tokens tokens = Split(line); !tokens.empty()) {
            return tokens[0] == U"KBD";
        }
    }
    return false;
}

kbd::Result<KlcSource> ParseKlc(std::span<const std::uint8_t> bytes) {
    std::string why;
    const auto text = DecodeText(bytes, why);
    if (!text) {
        return Refuse(why);
    }
    return Parser().Run(Lines(*text));
}

} // namespace formats
