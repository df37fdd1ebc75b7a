#include "layout_from_xkb.h"

#include "codepage/locales.h"
#include "keysym_character.h"
#include "layout/dead_keys.h"
#include "layout/fill_rules.h"
#include "virtual_keys.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

namespace kbd {
namespace {

// Compile errors are the caller's to report, in its own words; a caller that wants
// libxkbcommon's own lines gets them collected (a user's file has its mistakes named).
void Collect(xkb_context* context, xkb_log_level, const char* format, va_list args) {
    auto* log = static_cast<std::string*>(xkb_context_get_user_data(context));
    if (log == nullptr) {
        return;
    }
    std::array<char, 512> line{};
    std::vsnprintf(line.data(), line.size(), format, args);
    *log += line.data();
}

struct ContextUnref {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct ComposeTableUnref {
    void operator()(xkb_compose_table* table) const { xkb_compose_table_unref(table); }
};
struct ComposeStateUnref {
    void operator()(xkb_compose_state* state) const { xkb_compose_state_unref(state); }
};
struct KeymapUnref {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
using Keymap = std::unique_ptr<xkb_keymap, KeymapUnref>;

// `includeRoot`, when given, is searched before the system's folders.
Keymap Compile(const std::string& name, const std::string& variant, const std::string& includeRoot,
               std::string* log) {
    // The environment's XKB_DEFAULT_* must not stand in for what the caller asked for.
    const std::unique_ptr<xkb_context, ContextUnref> context(xkb_context_new(
        includeRoot.empty() ? XKB_CONTEXT_NO_ENVIRONMENT_NAMES
                            : static_cast<xkb_context_flags>(XKB_CONTEXT_NO_ENVIRONMENT_NAMES |
                                                             XKB_CONTEXT_NO_DEFAULT_INCLUDES)));
    if (!context) {
        return nullptr;
    }
    if (!includeRoot.empty() &&
        (xkb_context_include_path_append(context.get(), includeRoot.c_str()) == 0 ||
         xkb_context_include_path_append_default(context.get()) == 0)) {
        return nullptr;
    }
    xkb_context_set_user_data(context.get(), log);
    xkb_context_set_log_fn(context.get(), Collect);
    xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_ERROR);
    const xkb_rule_names names{"evdev", "pc105", name.c_str(), variant.c_str(), ""};
    return Keymap(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
}

// The desktop's Compose table for `locale`, else for en_US.UTF-8, whose table most
// locales share; null when neither can be read (no libx11-data).
std::unique_ptr<xkb_compose_table, ComposeTableUnref> ComposeTable(const std::string& locale) {
    const std::unique_ptr<xkb_context, ContextUnref> context(
        xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    if (!context) {
        return nullptr;
    }
    // A locale without a table of its own is no error to show anyone.
    xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_CRITICAL);
    for (const std::string& name : {locale, std::string("en_US.UTF-8")}) {
        if (name.empty()) {
            continue;
        }
        if (auto* table = xkb_compose_table_new_from_locale(context.get(), name.c_str(),
                                                            XKB_COMPOSE_COMPILE_NO_FLAGS)) {
            return std::unique_ptr<xkb_compose_table, ComposeTableUnref>(table);
        }
    }
    return nullptr;
}

class KeyReader {
public:
    KeyReader(xkb_keymap* keymap, const CodePage& codePage, bool deadKeys, BuiltLayout& built)
        : keymap_(keymap), codePage_(codePage), deadKeys_(deadKeys), built_(built) {}

    void ReadKey(int index) {
        KeyboardLayout& layout = built_.layout;
        std::uint8_t& norm = layout.NormalChar[index];
        std::uint8_t& shift = layout.ShiftChar[index];
        layout.AltGrChar[index] = kNoAltGr;
        if (index == kDecimalKey) {
            // Its first level is a cursor key; the character is on the NumLock level.
            auto read = Read(index, 1, LayerNorm);
            if (read.byte) {
                norm = shift = *read.byte;
            } else if (read.lost) {
                Keep(*read.lost, norm);
                shift = norm;
            }
            layout.AnsiChar[index] = norm;
            layout.CapsAffected[index] = 0;
            return;
        }
        auto normRead = Read(index, 0, LayerNorm);
        if (normRead.byte) {
            norm = *normRead.byte;
            MarkDead(normRead, index, CharLayer::Norm);
        } else if (normRead.lost) {
            Keep(*normRead.lost, norm);
        }
        auto shiftRead = Read(index, 1, LayerShift);
        if (shiftRead.byte) {
            shift = *shiftRead.byte;
            MarkDead(shiftRead, index, CharLayer::Shift);
        } else if (shiftRead.lost) {
            KeepShift(*shiftRead.lost, norm, shift);
        } else if (OtherScript(shift, codePage_.script(norm))) {
            // No keysym: the default Shift must not put a letter of another script beside Norm.
            shift = UpperOrNothing(norm);
        }
        // A byte of 32 or less would not be written; the space stands for none.
        auto altGrRead = Read(index, 2, LayerAltGr);
        if (altGrRead.lost) {
            altGrRead.lost->kept = kNoAltGr;
            built_.notCarried.push_back(std::move(*altGrRead.lost));
        }
        layout.AltGrChar[index] = std::max(altGrRead.byte.value_or(kNoAltGr), kNoAltGr);
        if (layout.AltGrChar[index] > kNoAltGr) {
            MarkDead(altGrRead, index, CharLayer::AltGr);
        }
        auto fourthRead = Read(index, 3, LayerShiftAltGr);
        if (fourthRead.lost) {
            fourthRead.lost->kept = kNoAltGr;
            lostFourth_.push_back(built_.notCarried.size());
            built_.notCarried.push_back(std::move(*fourthRead.lost));
        }
        layout.ShiftAltGrChar[index] =
            fourthRead.byte && *fourthRead.byte > kNoAltGr ? *fourthRead.byte : 0;
        if (layout.ShiftAltGrChar[index] != 0) {
            MarkDead(fourthRead, index, CharLayer::ShiftAltGr);
        }
    }

    // What each dead character composes with, as the desktop's Compose table has it: a dead
    // key of the file knows only bytes of the code page, so a base or a result without one
    // is left out. Without a table the dead keys type their accents alone, as they would
    // without dead keys, rather than swallow every press.
    void AddCompositions(const std::string& locale) {
        if (deadSyms_.empty()) {
            return;
        }
        const auto table = ComposeTable(locale);
        const std::unique_ptr<xkb_compose_state, ComposeStateUnref> state(
            table ? xkb_compose_state_new(table.get(), XKB_COMPOSE_STATE_NO_FLAGS) : nullptr);
        KeyboardLayout& layout = built_.layout;
        if (!state) {
            layout.DeadLayers.fill(0);
            return;
        }
        std::unordered_map<std::string, std::uint8_t> byteOfText;
        std::vector<std::pair<std::uint8_t, xkb_keysym_t>> bases;
        for (int code = 0xFF; code > 0x1F; --code) {
            const auto byte = static_cast<std::uint8_t>(code);
            if (!codePage_.defined(byte)) {
                continue;
            }
            byteOfText[codePage_.utf8(byte)] = byte; // the lowest byte of a text wins
            // A base the driver never composes with is not worth asking the table about.
            const auto point = codePage_.codePoint(byte);
            if (point && DriverComposesWith(byte)) {
                const xkb_keysym_t keysym = xkb_utf32_to_keysym(*point);
                if (keysym != XKB_KEY_NoSymbol) {
                    bases.emplace_back(byte, keysym);
                }
            }
        }
        std::array<char, 64> text{};
        for (const auto& [dead, deadSym] : deadSyms_) {
            for (const auto& [base, baseSym] : bases) {
                xkb_compose_state_reset(state.get());
                xkb_compose_state_feed(state.get(), deadSym);
                xkb_compose_state_feed(state.get(), baseSym);
                if (xkb_compose_state_get_status(state.get()) != XKB_COMPOSE_COMPOSED) {
                    continue;
                }
                const int size = xkb_compose_state_get_utf8(state.get(), text.data(), text.size());
                if (size <= 0 || static_cast<std::size_t>(size) >= text.size()) {
                    continue;
                }
                const auto result = byteOfText.find(std::string(text.data(), size));
                if (result != byteOfText.end() && result->second > 0x1F) {
                    SetComposition(layout, {dead, base, result->second});
                }
            }
        }
    }

    // Once Caps Lock is set: a Caps key with AltGr but no Shift+AltGr character of its own
    // would type nothing with AltGr under Caps Lock; it gets the rule's character, and a
    // fourth level that was lost says what the layer keeps instead.
    void KeepAltGrUnderCapsLock() {
        KeepAltGrUnderCaps(built_.layout, codePage_);
        for (const std::size_t at : lostFourth_) {
            NotCarried& lost = built_.notCarried[at];
            lost.kept = std::max(built_.layout.ShiftAltGrChar[lost.key - 1], kNoAltGr);
        }
    }

private:
    struct Level {
        std::optional<std::uint8_t> byte;
        std::optional<NotCarried> lost;       // without either, the level has no keysym
        xkb_keysym_t dead = XKB_KEY_NoSymbol; // the dead keysym whose accent `byte` is
    };

    // The first dead keysym of a character gives its compositions: one byte, one dead key
    // table of the file.
    void MarkDead(const Level& read, int index, CharLayer layer) {
        if (read.dead == XKB_KEY_NoSymbol) {
            return;
        }
        SetDead(built_.layout, index, layer, true);
        deadSyms_.emplace(CharOf(built_.layout, index, layer), read.dead);
    }

    Level Read(int index, int level, int layer) const {
        const xkb_keycode_t keycode = DefaultLayout().ScanCode[index] + kNativeScanOffset;
        const xkb_keysym_t* syms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(
            keymap_, keycode, 0, static_cast<xkb_level_index_t>(level), &syms);
        if (count <= 0 || syms[0] == XKB_KEY_NoSymbol || syms[0] == XKB_KEY_VoidSymbol) {
            return {};
        }
        NotCarried lost{index + 1, layer, NotCarriedWhy::NoCharacter, 0, KeysymName(syms[0]), 0};
        const std::optional<char32_t> character = KeysymCharacter(syms[0]);
        if (!character) {
            return {std::nullopt, std::move(lost)};
        }
        lost.character = *character;
        if (*character <= U' ') {
            lost.why = NotCarriedWhy::SpaceOrControl;
            return {std::nullopt, std::move(lost)};
        }
        const bool accent = IsDeadKeysym(syms[0]);
        const xkb_keysym_t deadSym = deadKeys_ && accent ? syms[0] : XKB_KEY_NoSymbol;
        if (const auto byte = codePage_.byteFor(*character)) {
            return {byte, std::nullopt, deadSym};
        }
        // Dead or plain, the Greek acute is the tonos where the code page lacks the acute.
        if (const auto other = accent ? OtherSpacingForm(syms[0]) : std::nullopt) {
            if (const auto byte = codePage_.byteFor(*other)) {
                return {byte, std::nullopt, deadSym};
            }
        }
        lost.why = NotCarriedWhy::NotInCodePage;
        return {std::nullopt, std::move(lost)};
    }

    // The script the lost character would have brought: its own, or for a sign, a space
    // or a dead key, that of the code page's letters.
    LetterScript LostScript(const NotCarried& lost) const {
        const LetterScript own =
            lost.character != 0 ? ScriptOf(lost.character) : LetterScript::None;
        return own != LetterScript::None ? own : MainScript(codePage_.number());
    }

    // A default letter of another script would type a letter nobody asked for: a Cyrillic
    // key with a Latin Shift letter.
    bool OtherScript(std::uint8_t kept, LetterScript wanted) const {
        const LetterScript script = codePage_.script(kept);
        return script != LetterScript::None && wanted != LetterScript::None && script != wanted;
    }

    std::uint8_t UpperOrNothing(std::uint8_t norm) const {
        const std::uint8_t upper = codePage_.upper(norm);
        return norm != 0 && upper != norm ? upper : 0;
    }

    void Keep(NotCarried lost, std::uint8_t& byte) {
        if (OtherScript(byte, LostScript(lost))) {
            byte = 0;
        }
        lost.kept = byte;
        built_.notCarried.push_back(std::move(lost));
    }

    void KeepShift(NotCarried lost, std::uint8_t norm, std::uint8_t& shift) {
        if (const std::uint8_t upper = UpperOrNothing(norm); upper != 0) {
            shift = upper;
            lost.upperOfNorm = true;
        } else if (OtherScript(shift, LostScript(lost))) {
            shift = 0;
        }
        lost.kept = shift;
        built_.notCarried.push_back(std::move(lost));
    }

    xkb_keymap* keymap_;
    const CodePage& codePage_;
    bool deadKeys_;
    BuiltLayout& built_;
    std::vector<std::size_t> lostFourth_;           // where in notCarried each lost fourth level is
    std::map<std::uint8_t, xkb_keysym_t> deadSyms_; // the keysym of each dead byte
};

} // namespace

namespace {

struct Options {
    bool deadKeys = false;
    std::string composeLocale;
};

std::optional<BuiltLayout> Build(std::string_view name, std::string_view variant,
                                 const CodePage& codePage, const Options& options,
                                 const std::string& includeRoot, std::string* log) {
    // An empty name would compile the rules' default layout, "a,b" two groups.
    if (!ParseLayoutId(LayoutId(name, variant))) {
        return std::nullopt;
    }
    const Keymap keymap = Compile(std::string(name), std::string(variant), includeRoot, log);
    if (!keymap) {
        return std::nullopt;
    }
    BuiltLayout built{DefaultLayout(), {}};
    KeyReader reader(keymap.get(), codePage, options.deadKeys, built);
    for (int i = 0; i < kKeyCount; ++i) {
        reader.ReadKey(i);
    }
    reader.AddCompositions(options.composeLocale);
    FillAnsiByRuleOfThumb(built.layout, codePage);
    SetCapsOnCasePairs(built.layout, codePage);
    AssignVirtualKeys(built.layout, codePage);
    reader.KeepAltGrUnderCapsLock();
    return built;
}

} // namespace

std::optional<BuiltLayout> BuildSystemLayout(std::string_view name, std::string_view variant,
                                             const CodePage& codePage, bool deadKeys,
                                             std::string_view composeLocale) {
    return Build(name, variant, codePage, {deadKeys, std::string(composeLocale)}, {}, nullptr);
}

std::optional<BuiltLayout> BuildSystemLayout(const SystemLayout& which, const CodePage& codePage,
                                             bool deadKeys) {
    return BuildSystemLayout(which.name, which.variant, codePage, deadKeys,
                             ComposeLocale(which, codePage.number()));
}

std::string ComposeLocale(const SystemLayout& layout, int codePage) {
    const WindowsLocale* locale = LayoutLocale(layout, codePage);
    if (locale == nullptr) {
        return {};
    }
    // "sr-Latn-CS": the language and the country, the script left out.
    const std::string_view name = locale->name;
    const auto first = name.find('-'), last = name.rfind('-');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(name.substr(0, first)) + "_" + std::string(name.substr(last + 1)) + ".UTF-8";
}

std::optional<BuiltLayout> BuildLayoutFromRoot(const std::string& includeRoot,
                                               std::string_view name, std::string_view variant,
                                               const CodePage& codePage, std::string& log,
                                               bool deadKeys, std::string_view composeLocale) {
    return Build(name, variant, codePage, {deadKeys, std::string(composeLocale)}, includeRoot,
                 &log);
}

} // namespace kbd
