#include "code_page.h"

#include <iconv.h>
#include <locale.h>
#include <map>
#include <mutex>
#include <type_traits>
#include <wctype.h>

namespace kbd {

struct CodePage::Data {
    int number = 0;
    std::array<std::string, 256> utf8;
    std::array<std::optional<char32_t>, 256> point;
    std::array<std::string, 256> shown;
    Cases cases;
    std::array<bool, 256> mark{};
    // Unicode to byte; iconv handles keep state, so one caller at a time.
    std::shared_ptr<void> encoder;
    std::unique_ptr<std::mutex> encoderLock = std::make_unique<std::mutex>();
};

namespace {

constexpr std::array<Script, 10> kScripts{{
    {"Western", 1252},
    {"Central European", 1250},
    {"Cyrillic", 1251},
    {"Greek", 1253},
    {"Turkish", 1254},
    {"Hebrew", 1255},
    {"Arabic", 1256},
    {"Baltic", 1257},
    {"Vietnamese", 1258},
    {"Thai", 874},
}};

constexpr char32_t kUndefined = 0xFFFD;
constexpr char32_t kDottedCircle = 0x25CC;
constexpr char32_t kControlPictures = 0x2400;
constexpr char32_t kDeletePicture = 0x2421;
const auto kNoConverter = reinterpret_cast<iconv_t>(-1);

std::shared_ptr<void> OpenConverter(const char* to, const char* from) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == kNoConverter) {
        return nullptr;
    }
    return std::shared_ptr<void>(cd,
                                 [](void* handle) { iconv_close(static_cast<iconv_t>(handle)); });
}

// Converts one unit on its own. The state is reset first and flushed last, because some
// converters (CP1255, CP1258) hold a letter back to see whether a mark follows.
std::optional<std::string> Convert(void* handle, const char* in, std::size_t size) {
    const auto cd = static_cast<iconv_t>(handle);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in);
    std::size_t inLeft = size;
    char out[32];
    char* outPtr = out;
    std::size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return std::string(out, static_cast<std::size_t>(outPtr - out));
}

// iconv's output is valid UTF-8, so a byte's text is one code point exactly when its
// first sequence takes all of it.
std::optional<char32_t> SoleCodePoint(const std::string& utf8) {
    const auto read = ReadUtf8(utf8);
    if (!read || read->length != utf8.size()) {
        return std::nullopt;
    }
    return read->point;
}

// Unicode's case and mark facts without a Unicode library of our own: glibc's built-in
// C.UTF-8 locale carries them, and a locale object of our own leaves the program's alone.
locale_t UnicodeLocale() {
    static const locale_t locale =
        newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

bool IsCombining(char32_t point) {
    const locale_t locale = UnicodeLocale();
    if (locale == static_cast<locale_t>(nullptr)) {
        return point >= 0x300 && point < 0x370;
    }
    static const wctype_t combining = wctype_l("combining", locale);
    return combining != 0 && iswctype_l(static_cast<wint_t>(point), combining, locale) != 0;
}

char32_t ToUpper(char32_t point) {
    const locale_t locale = UnicodeLocale();
    return locale == static_cast<locale_t>(nullptr)
               ? point
               : static_cast<char32_t>(towupper_l(static_cast<wint_t>(point), locale));
}

char32_t ToLower(char32_t point) {
    const locale_t locale = UnicodeLocale();
    return locale == static_cast<locale_t>(nullptr)
               ? point
               : static_cast<char32_t>(towlower_l(static_cast<wint_t>(point), locale));
}

bool IsLetter(char32_t point) {
    const locale_t locale = UnicodeLocale();
    if (locale == static_cast<locale_t>(nullptr)) {
        return point > 0x7F || (point | 0x20) - U'a' < 26;
    }
    return iswalpha_l(static_cast<wint_t>(point), locale) != 0 && !IsCombining(point);
}

struct Block {
    char32_t first;
    char32_t last;
    LetterScript script;
};

constexpr std::array<Block, 14> kBlocks{{
    {0x0041, 0x005A, LetterScript::Latin},
    {0x0061, 0x007A, LetterScript::Latin},
    {0x00AA, 0x00AA, LetterScript::Latin},
    {0x00BA, 0x00BA, LetterScript::Latin},
    {0x00C0, 0x024F, LetterScript::Latin},
    {0x1E00, 0x1EFF, LetterScript::Latin},
    {0x0370, 0x03FF, LetterScript::Greek},
    {0x1F00, 0x1FFF, LetterScript::Greek},
    {0x0400, 0x052F, LetterScript::Cyrillic},
    {0x0590, 0x05FF, LetterScript::Hebrew},
    {0x0600, 0x06FF, LetterScript::Arabic},
    {0xFB50, 0xFDFF, LetterScript::Arabic},
    {0xFE70, 0xFEFF, LetterScript::Arabic},
    {0x0E00, 0x0E7F, LetterScript::Thai},
}};

// Each language's own case where it is not Unicode's default: Turkish dotted and dotless
// i; in Greek the final sigma, which capitalises as sigma, and the micro sign, a unit
// that only Unicode's compatibility gives the capital mu.
constexpr std::array<LanguageCase, 4> kLanguageCases{{
    {1254, U'i', U'\u0130', true},
    {1254, U'\u0131', U'I', true},
    {1253, U'\u03C2', U'\u03A3', false},
    {1253, U'\u00B5', U'\u00B5', false},
}};

std::string Shown(const std::string& utf8, const std::optional<char32_t>& point, bool mark) {
    if (utf8.empty()) {
        return Utf8(kUndefined);
    }
    if (!point) {
        return utf8;
    }
    if (*point == 0) {
        return {};
    }
    if (*point < 0x20) {
        return Utf8(kControlPictures + *point);
    }
    if (*point == 0x7F) {
        return Utf8(kDeletePicture);
    }
    if (*point >= 0x80 && *point < 0xA0) {
        return Utf8(kUndefined); // C1 controls have no picture of their own
    }
    if (mark) {
        return Utf8(kDottedCircle) + utf8; // alone, a mark would fall on its neighbour
    }
    return utf8;
}

std::optional<std::uint8_t> Encode(const CodePage::Data& data, char32_t point) {
    const char in[4] = {static_cast<char>(point & 0xFF), static_cast<char>((point >> 8) & 0xFF),
                        static_cast<char>((point >> 16) & 0xFF),
                        static_cast<char>((point >> 24) & 0xFF)};
    std::optional<std::string> out;
    {
        const std::lock_guard guard(*data.encoderLock);
        out = Convert(data.encoder.get(), in, sizeof in);
    }
    if (!out || out->size() != 1) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>((*out)[0]);
}

std::shared_ptr<const CodePage::Data> Build(int number, const std::string& iconvName) {
    const std::shared_ptr<void> decoder = OpenConverter("UTF-8", iconvName.c_str());
    auto data = std::make_shared<CodePage::Data>();
    data->encoder = OpenConverter(iconvName.c_str(), "UTF-32LE");
    if (!decoder || !data->encoder) {
        return nullptr;
    }
    data->number = number;
    for (int code = 0; code < 256; ++code) {
        const char in = static_cast<char>(code);
        auto& text = data->utf8[code];
        text = Convert(decoder.get(), &in, 1).value_or(std::string());
        data->point[code] = SoleCodePoint(text);
        data->cases.defined[code] = !text.empty();
        data->mark[code] = data->point[code] && IsCombining(*data->point[code]);
        data->shown[code] = Shown(text, data->point[code], data->mark[code]);
    }
    CodePage::Cases& cases = data->cases;
    for (int code = 0; code < 256; ++code) {
        const auto byte = static_cast<std::uint8_t>(code);
        cases.upper[code] = cases.lower[code] = byte;
        if (const auto point = data->point[code]) {
            cases.upper[code] = Encode(*data, ToUpper(*point)).value_or(byte);
            cases.lower[code] = Encode(*data, ToLower(*point)).value_or(byte);
            cases.script[code] = ScriptOf(*point);
        }
    }
    std::array<bool, 256> oneWay{};
    for (const LanguageCase& rule : kLanguageCases) {
        const auto lower = rule.codePage == number ? Encode(*data, rule.lower) : std::nullopt;
        const auto upper = lower ? Encode(*data, rule.upper) : std::nullopt;
        if (!upper) {
            continue;
        }
        cases.upper[*lower] = *upper;
        if (rule.upperLowersToThis) {
            cases.lower[*upper] = *lower;
        } else if (*upper != *lower) {
            oneWay[*lower] = true;
        }
    }
    for (int code = 0; code < 256; ++code) {
        const std::uint8_t upper = cases.upper[code];
        const bool paired = cases.lower[upper] == code || oneWay[code];
        cases.pairedUpper[code] = paired ? upper : static_cast<std::uint8_t>(code);
    }
    return data;
}

std::shared_ptr<const CodePage::Data> Cached(int number, const std::string& iconvName) {
    static std::mutex lock;
    static std::map<std::string, std::shared_ptr<const CodePage::Data>> loaded;
    const std::lock_guard guard(lock);
    auto found = loaded.find(iconvName);
    if (found == loaded.end()) {
        found = loaded.emplace(iconvName, Build(number, iconvName)).first;
    }
    return found->second;
}

} // namespace

LetterScript ScriptOf(char32_t point) {
    if (!IsLetter(point)) {
        return LetterScript::None;
    }
    for (const Block& block : kBlocks) {
        if (point >= block.first && point <= block.last) {
            return block.script;
        }
    }
    return LetterScript::None;
}

std::string_view LetterScriptName(LetterScript script) {
    switch (script) {
    case LetterScript::Latin:
        return "Latin";
    case LetterScript::Greek:
        return "Greek";
    case LetterScript::Cyrillic:
        return "Cyrillic";
    case LetterScript::Hebrew:
        return "Hebrew";
    case LetterScript::Arabic:
        return "Arabic";
    case LetterScript::Thai:
        return "Thai";
    case LetterScript::None:
        break;
    }
    return "none";
}

LetterScript MainScript(int codePage) {
    switch (codePage) {
    case 1251:
        return LetterScript::Cyrillic;
    case 1253:
        return LetterScript::Greek;
    case 1255:
        return LetterScript::Hebrew;
    case 1256:
        return LetterScript::Arabic;
    case 874:
        return LetterScript::Thai;
    default:
        return LetterScript::Latin;
    }
}

std::span<const LanguageCase> LanguageCases() {
    return kLanguageCases;
}

std::span<const Script> Scripts() {
    return kScripts;
}

std::string_view CodePageName(int number) {
    for (const Script& script : kScripts) {
        if (script.codePage == number) {
            return script.name;
        }
    }
    return {};
}

std::string CodePageCaption(int number) {
    std::string caption = "code page " + std::to_string(number);
    const std::string_view name = CodePageName(number);
    if (!name.empty()) {
        caption += " (" + std::string(name) + ")";
    }
    return caption;
}

std::optional<CodePage> CodePage::Load(int number) {
    if (number <= 0) {
        return std::nullopt;
    }
    auto data = Cached(number, "CP" + std::to_string(number));
    if (!data) {
        return std::nullopt;
    }
    return CodePage(std::move(data));
}

CodePage CodePage::Latin1() {
    // ISO 8859-1 is part of every iconv, so this never fails.
    return CodePage(Cached(28591, "ISO-8859-1"));
}

CodePage CodePage::LoadOrLatin1(int number) {
    return Load(number).value_or(Latin1());
}

CodePage::CodePage(std::shared_ptr<const Data> data)
    : data_(std::move(data)), cases_(&data_->cases) {}

int CodePage::number() const {
    return data_->number;
}

const std::string& CodePage::utf8(std::uint8_t code) const {
    return data_->utf8[code];
}

std::optional<char32_t> CodePage::codePoint(std::uint8_t code) const {
    return data_->point[code];
}

const std::string& CodePage::shown(std::uint8_t code) const {
    return data_->shown[code];
}

bool CodePage::isMark(std::uint8_t code) const {
    return data_->mark[code];
}

std::optional<std::uint8_t> CodePage::byteFor(char32_t point) const {
    return Encode(*data_, point);
}

} // namespace kbd
