#include "layout_check.h"

#include "dead_keys.h"
#include "format_rules.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace kbd {
namespace {

constexpr std::uint8_t kSpace = 32;

// Adds the findings of one key. Sentences are formatted on the stack, so each finding
// costs one allocation for its text and nothing else does.
class KeyReport {
public:
    KeyReport(std::vector<Finding>& out, int index) : out_(out), key_(index + 1) {}

    [[gnu::format(printf, 4, 5)]] void add(int layer, Severity severity, const char* format,
                                           ...) const {
        char text[256]; // the longest sentence has about 150 characters
        va_list args;
        va_start(args, format);
        const int length = std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        const std::size_t size =
            length < 0 ? 0 : std::min(static_cast<std::size_t>(length), sizeof text - 1);
        out_.push_back(Finding{key_, layer, severity, std::string(text, size)});
    }

private:
    std::vector<Finding>& out_;
    int key_;
};

void CheckSharedCode(const KeyboardLayout& layout, int i, int first, const KeyReport& report) {
    const unsigned code = layout.VirtualKey[i];
    const bool altGr = AltGrWritten(layout, i);
    const bool caps = layout.CapsAffected[i] != 0;
    // Even with nothing to move yet, this key cannot hold either: a file read back cannot
    // tell which of the keys with one code they belonged to, so the loss may be done.
    if (!altGr && !caps) {
        report.add(0, Severity::LosesData,
                   "shares virtual-key code 0x%02X with key %d, so it cannot keep an AltGr "
                   "character or Caps-Lock flag: a file gives both to key %d",
                   code, first + 1, first + 1);
        return;
    }
    char altGrPart[96] = "";
    if (altGr) {
        std::snprintf(altGrPart, sizeof altGrPart,
                      "its AltGr character 0x%02X is read into key %d%s", layout.AltGrChar[i],
                      first + 1, AltGrWritten(layout, first) ? ", over that key's own" : "");
    }
    char capsPart[64] = "";
    if (caps) {
        if (layout.CapsAffected[first] != 0) {
            std::snprintf(capsPart, sizeof capsPart, "its Caps-Lock flag is cleared");
        } else {
            std::snprintf(capsPart, sizeof capsPart, "its Caps-Lock flag moves to key %d",
                          first + 1);
        }
    }
    report.add(0, Severity::LosesData,
               "shares virtual-key code 0x%02X with key %d: on reload %s%s%s", code, first + 1,
               altGrPart, altGr && caps ? " and " : "", capsPart);
}

void CheckCaps(const KeyboardLayout& layout, int i, const CodePage& page, const KeyReport& report) {
    const std::uint8_t norm = layout.NormalChar[i];
    const std::uint8_t shift = layout.ShiftChar[i];
    const bool pair = page.isCasePair(norm, shift);
    if (layout.CapsAffected[i] != 0 && !pair) {
        report.add(0, Severity::Warning,
                   "Caps Lock is set, but Norm 0x%02X and Shift 0x%02X are not a lower/upper-case "
                   "pair: with Caps Lock on the key types its Shift character",
                   norm, shift);
    } else if (layout.CapsAffected[i] == 0 && pair) {
        report.add(0, Severity::Warning,
                   "Caps Lock is clear, but Norm 0x%02X and Shift 0x%02X are a lower/upper-case "
                   "pair: with Caps Lock on the key still types 0x%02X",
                   norm, shift, norm);
    }
}

// Only scripts with letter case: Hebrew and Arabic layouts have no capitals to put on
// Shift, and Israeli ones put the Latin capitals there on purpose.
bool HasCase(LetterScript script) {
    return script == LetterScript::Latin || script == LetterScript::Greek ||
           script == LetterScript::Cyrillic;
}

void CheckScripts(const KeyboardLayout& layout, int i, const CodePage& page,
                  const KeyReport& report) {
    const LetterScript norm = page.script(layout.NormalChar[i]);
    const LetterScript shift = page.script(layout.ShiftChar[i]);
    if (HasCase(norm) && HasCase(shift) && norm != shift) {
        const std::string_view normName = LetterScriptName(norm),
                               shiftName = LetterScriptName(shift);
        report.add(0, Severity::Warning,
                   "Norm 0x%02X is a %.*s letter but Shift 0x%02X a %.*s one: Shift types a "
                   "letter of another script",
                   layout.NormalChar[i], static_cast<int>(normName.size()), normName.data(),
                   layout.ShiftChar[i], static_cast<int>(shiftName.size()), shiftName.data());
    }
}

void CheckDefined(std::uint8_t code, int layer, const CodePage& page, const KeyReport& report) {
    if (!page.defined(code)) {
        const std::string_view name = LayerName(layer);
        report.add(layer, Severity::Warning,
                   "%.*s character 0x%02X is not defined in the current code page",
                   static_cast<int>(name.size()), name.data(), code);
    }
}

void CheckAltGr(const KeyboardLayout& layout, int i, const CodePage& page,
                const KeyReport& report) {
    const std::uint8_t altGr = layout.AltGrChar[i];
    // 0 and the space are how the editor says "none", and both read back as none.
    if (altGr == 0 || altGr == kSpace) {
        return;
    }
    if (altGr < kSpace) {
        report.add(LayerAltGr, Severity::LosesData,
                   "AltGr character 0x%02X is below the space, so it is not written and the key "
                   "reads back with no AltGr character",
                   altGr);
    } else if (layout.VirtualKey[i] == 0) {
        report.add(LayerAltGr, Severity::LosesData,
                   "AltGr character 0x%02X is not written, because the key's virtual-key code is "
                   "0; the key reads back with no AltGr character",
                   altGr);
    } else {
        CheckDefined(altGr, LayerAltGr, page, report);
        // Windows reads AltGr under Caps Lock on such a key from the Shift+AltGr table.
        if (layout.CapsAffected[i] != 0 && !ShiftAltGrWritten(layout, i)) {
            report.add(LayerAltGr, Severity::Warning,
                       "AltGr character 0x%02X types nothing while Caps Lock is on, as the key "
                       "has no Shift+AltGr character (Edit, Keep AltGr under Caps Lock)",
                       altGr);
        }
    }
}

// The four character layers: where a key's dead bit sits, and the layer a finding names (0,
// the whole key, for Shift+AltGr, which the main window does not show).
struct DeadLayer {
    CharLayer layer;
    int mode;
    const char* prefix;
};
constexpr DeadLayer kDeadLayers[] = {
    {CharLayer::Norm, LayerNorm, ""},
    {CharLayer::Shift, LayerShift, ""},
    {CharLayer::AltGr, LayerAltGr, ""},
    {CharLayer::ShiftAltGr, 0, "Shift+AltGr "},
};

// Whether some key types `code` as itself, in a layer the file writes and that is not dead.
bool TypedPlainly(const KeyboardLayout& layout, std::uint8_t code) {
    for (int i = 0; i < kKeyCount; ++i) {
        for (const DeadLayer& layer : kDeadLayers) {
            const bool written = layer.layer == CharLayer::AltGr ? AltGrWritten(layout, i)
                                 : layer.layer == CharLayer::ShiftAltGr
                                     ? ShiftAltGrWritten(layout, i)
                                     : true;
            if (written && CharOf(layout, i, layer.layer) == code &&
                !IsDead(layout, i, layer.layer)) {
                return true;
            }
        }
    }
    return false;
}

void CheckDeadKeys(const KeyboardLayout& layout, int i, const CodePage& page,
                   const KeyReport& report) {
    for (const DeadLayer& layer : kDeadLayers) {
        if (!IsDead(layout, i, layer.layer)) {
            continue;
        }
        const std::uint8_t dead = CharOf(layout, i, layer.layer);
        const auto compositions = CompositionsOf(layout, dead);
        for (const Composition& pair : compositions) {
            if (!page.defined(pair.base) || !page.defined(pair.result)) {
                report.add(layer.mode, Severity::Warning,
                           "%sdead key 0x%02X composes 0x%02X into 0x%02X, and the current code "
                           "page does not define both",
                           layer.prefix, dead, pair.base, pair.result);
            }
        }
        if (compositions.empty()) {
            report.add(layer.mode, Severity::Warning,
                       "%sdead key 0x%02X has no compositions: with any key after it, both "
                       "characters are typed",
                       layer.prefix, dead);
        }
        if (!TypedPlainly(layout, dead)) {
            report.add(layer.mode, Severity::Warning,
                       "%sdead key 0x%02X is typed plainly by no key: only the dead key and "
                       "Space type it",
                       layer.prefix, dead);
        }
    }
}

void CheckAnsi(const KeyboardLayout& layout, int i, const CodePage& page, const KeyReport& report) {
    const std::uint8_t ansi = layout.AnsiChar[i];
    const std::uint8_t norm = layout.NormalChar[i];
    const std::uint8_t upper = page.upper(norm);
    if (!page.defined(ansi)) {
        CheckDefined(ansi, LayerAnsi, page, report);
    } else if (ansi != norm && ansi != upper) {
        if (upper != norm) {
            report.add(LayerAnsi, Severity::Warning,
                       "ANSI character 0x%02X is neither Norm 0x%02X nor its upper case 0x%02X",
                       ansi, norm, upper);
        } else {
            report.add(LayerAnsi, Severity::Warning,
                       "ANSI character 0x%02X is not Norm 0x%02X, which has no upper case", ansi,
                       norm);
        }
    }
}

} // namespace

std::vector<Finding> CheckLayout(const KeyboardLayout& layout, const CodePage& page) {
    // The reader hangs every AltGr entry and Caps-Lock bit on the first key with its code, so
    // that key is what each other key with the code is compared to.
    const FirstKeyOfCode first = FirstKeys(layout);
    std::vector<Finding> out;
    // Key by key and, within a key, layer by layer, so the list comes out sorted.
    for (int i = 0; i < kKeyCount; ++i) {
        const KeyReport report(out, i);
        if (const int firstKey = first[layout.VirtualKey[i]]; firstKey != i) {
            CheckSharedCode(layout, i, firstKey, report);
        }
        CheckCaps(layout, i, page, report);
        CheckScripts(layout, i, page, report);
        CheckDefined(layout.ShiftChar[i], LayerShift, page, report);
        CheckDefined(layout.NormalChar[i], LayerNorm, page, report);
        CheckAltGr(layout, i, page, report);
        CheckAnsi(layout, i, page, report);
        CheckDeadKeys(layout, i, page, report);
    }
    // The dead keys' findings come after a key's others; each key's stay in layer order.
    std::stable_sort(out.begin(), out.end(), [](const Finding& a, const Finding& b) {
        return std::pair(a.key, a.layer) < std::pair(b.key, b.layer);
    });
    return out;
}

bool LosesData(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::LosesData; });
}

std::string_view SeverityName(Severity severity) {
    return severity == Severity::LosesData ? "loses data" : "warning";
}

} // namespace kbd
