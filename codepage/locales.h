// Windows' locales for the languages the ten code pages are made for: the name and id a
// Windows NT keyboard layout is listed under, and which code page a language's letters
// are in, so a layout can be shown in the script its language implies.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kbd {

struct WindowsLocale {
    std::string_view name;     // BCP 47 as Windows spells it: "sr-Cyrl-CS"
    std::uint32_t id;          // the locale id (LCID): 0x0C1A
    std::string_view language; // as Windows lists it: "Serbian (Cyrillic)"
    std::string_view iso639;   // the three letters by which xkeyboard-config names it: "srp"
    int codePage;              // the code page of its letters
    bool main;                 // the code page's main language
};

std::span<const WindowsLocale> WindowsLocales();

// The row named `name`, ignoring ASCII case ("de-de" finds "de-DE"); null for a name
// the table does not hold.
const WindowsLocale* FindLocale(std::string_view name);

// The row of the language `iso639` in `codePage` ("srp" in 1250: Serbian in Latin
// letters), else the language's first row; null for a language the table does not hold.
const WindowsLocale* LocaleOfLanguage(std::string_view iso639, int codePage);

// The main language of a code page: Polish for 1250, Russian for 1251, English (United
// States) for 1252 and any code page not in the table.
const WindowsLocale& MainLocale(int codePage);

// "0000081a": the locale id as a .klc file writes it.
std::string LocaleIdText(std::uint32_t id);

} // namespace kbd
