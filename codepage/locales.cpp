#include "locales.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace kbd {
namespace {

// A language written in two scripts has a row for each, the one its keyboards mostly use
// first; ids are those Windows gives the locales.
constexpr std::array<WindowsLocale, 62> kLocales{{
    {"en-US", 0x0409, "English (United States)", "eng", 1252, true},
    {"en-GB", 0x0809, "English (United Kingdom)", "eng", 1252, false},
    {"de-DE", 0x0407, "German (Germany)", "deu", 1252, false},
    {"de-CH", 0x0807, "German (Switzerland)", "gsw", 1252, false},
    {"fr-FR", 0x040C, "French (France)", "fra", 1252, false},
    {"nl-NL", 0x0413, "Dutch (Netherlands)", "nld", 1252, false},
    {"it-IT", 0x0410, "Italian (Italy)", "ita", 1252, false},
    {"es-ES", 0x0C0A, "Spanish (Spain)", "spa", 1252, false},
    {"pt-PT", 0x0816, "Portuguese (Portugal)", "por", 1252, false},
    {"da-DK", 0x0406, "Danish (Denmark)", "dan", 1252, false},
    {"sv-SE", 0x041D, "Swedish (Sweden)", "swe", 1252, false},
    {"nb-NO", 0x0414, "Norwegian, Bokmal (Norway)", "nor", 1252, false},
    {"nb-NO", 0x0414, "Norwegian, Bokmal (Norway)", "nob", 1252, false},
    {"nn-NO", 0x0814, "Norwegian, Nynorsk (Norway)", "nno", 1252, false},
    {"fi-FI", 0x040B, "Finnish (Finland)", "fin", 1252, false},
    {"is-IS", 0x040F, "Icelandic (Iceland)", "isl", 1252, false},
    {"fo-FO", 0x0438, "Faroese (Faroe Islands)", "fao", 1252, false},
    {"ga-IE", 0x083C, "Irish (Ireland)", "gle", 1252, false},
    {"ca-ES", 0x0403, "Catalan (Catalan)", "cat", 1252, false},
    {"eu-ES", 0x042D, "Basque (Basque)", "eus", 1252, false},
    {"mt-MT", 0x043A, "Maltese (Malta)", "mlt", 1252, false},
    {"id-ID", 0x0421, "Indonesian (Indonesia)", "ind", 1252, false},
    {"ms-MY", 0x043E, "Malay (Malaysia)", "msa", 1252, false},
    {"sw-KE", 0x0441, "Kiswahili (Kenya)", "swa", 1252, false},
    {"pl-PL", 0x0415, "Polish (Poland)", "pol", 1250, true},
    {"cs-CZ", 0x0405, "Czech (Czech Republic)", "ces", 1250, false},
    {"sk-SK", 0x041B, "Slovak (Slovakia)", "slk", 1250, false},
    {"hu-HU", 0x040E, "Hungarian (Hungary)", "hun", 1250, false},
    {"sl-SI", 0x0424, "Slovenian (Slovenia)", "slv", 1250, false},
    {"hr-HR", 0x041A, "Croatian (Croatia)", "hrv", 1250, false},
    {"bs-Latn-BA", 0x141A, "Bosnian (Latin)", "bos", 1250, false},
    {"sr-Cyrl-CS", 0x0C1A, "Serbian (Cyrillic)", "srp", 1251, false},
    {"sr-Latn-CS", 0x081A, "Serbian (Latin)", "srp", 1250, false},
    {"ro-RO", 0x0418, "Romanian (Romania)", "ron", 1250, false},
    {"sq-AL", 0x041C, "Albanian (Albania)", "sqi", 1250, false},
    {"ru-RU", 0x0419, "Russian (Russia)", "rus", 1251, true},
    {"uk-UA", 0x0422, "Ukrainian (Ukraine)", "ukr", 1251, false},
    {"be-BY", 0x0423, "Belarusian (Belarus)", "bel", 1251, false},
    {"bg-BG", 0x0402, "Bulgarian (Bulgaria)", "bul", 1251, false},
    {"mk-MK", 0x042F, "Macedonian (FYROM)", "mkd", 1251, false},
    {"kk-KZ", 0x043F, "Kazakh (Kazakhstan)", "kaz", 1251, false},
    {"ky-KG", 0x0440, "Kyrgyz (Kyrgyzstan)", "kir", 1251, false},
    {"mn-MN", 0x0450, "Mongolian (Cyrillic)", "mon", 1251, false},
    {"tg-Cyrl-TJ", 0x0428, "Tajik (Cyrillic)", "tgk", 1251, false},
    {"az-Latn-AZ", 0x042C, "Azeri (Latin)", "aze", 1254, false},
    {"az-Cyrl-AZ", 0x082C, "Azeri (Cyrillic)", "aze", 1251, false},
    {"uz-Cyrl-UZ", 0x0843, "Uzbek (Cyrillic)", "uzb", 1251, false},
    {"uz-Latn-UZ", 0x0443, "Uzbek (Latin)", "uzb", 1254, false},
    {"el-GR", 0x0408, "Greek (Greece)", "ell", 1253, true},
    {"tr-TR", 0x041F, "Turkish (Turkey)", "tur", 1254, true},
    {"tk-TM", 0x0442, "Turkmen (Turkmenistan)", "tuk", 1250, false},
    {"he-IL", 0x040D, "Hebrew (Israel)", "heb", 1255, true},
    {"ar-SA", 0x0401, "Arabic (Saudi Arabia)", "ara", 1256, true},
    {"ar-MA", 0x1801, "Arabic (Morocco)", "ary", 1256, false},
    {"fa-IR", 0x0429, "Persian", "fas", 1256, false},
    {"ur-PK", 0x0420, "Urdu (Islamic Republic of Pakistan)", "urd", 1256, false},
    {"ps-AF", 0x0463, "Pashto (Afghanistan)", "pus", 1256, false},
    {"lt-LT", 0x0427, "Lithuanian (Lithuania)", "lit", 1257, true},
    {"lv-LV", 0x0426, "Latvian (Latvia)", "lav", 1257, false},
    {"et-EE", 0x0425, "Estonian (Estonia)", "est", 1257, false},
    {"vi-VN", 0x042A, "Vietnamese (Vietnam)", "vie", 1258, true},
    {"th-TH", 0x041E, "Thai (Thailand)", "tha", 874, true},
}};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::span<const WindowsLocale> WindowsLocales() {
    return kLocales;
}

const WindowsLocale* FindLocale(std::string_view name) {
    const auto found = std::ranges::find_if(
        kLocales, [name](const WindowsLocale& row) { return SameIgnoringCase(row.name, name); });
    return found != kLocales.end() ? &*found : nullptr;
}

const WindowsLocale* LocaleOfLanguage(std::string_view iso639, int codePage) {
    const WindowsLocale* first = nullptr;
    for (const WindowsLocale& row : kLocales) {
        if (row.iso639 == iso639) {
            if (row.codePage == codePage) {
                return &row;
            }
            first = first != nullptr ? first : &row;
        }
    }
    return first;
}

const WindowsLocale& MainLocale(int codePage) {
    const auto found = std::ranges::find_if(kLocales, [codePage](const WindowsLocale& row) {
        return row.main && row.codePage == codePage;
    });
    return found != kLocales.end() ? *found : kLocales.front();
}

std::string LocaleIdText(std::uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(id));
    return text;
}

} // namespace kbd
