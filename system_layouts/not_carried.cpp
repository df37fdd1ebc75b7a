#include "not_carried.h"

#include "layout/keyboard_layout.h"
#include "layout/layout_check.h"

#include <cstdio>

namespace kbd {
namespace {

std::string CodePoint(char32_t point) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(point));
    return text;
}

// A layer keeps nothing rather than a wrong character: an AltGr or Shift+AltGr byte of 32
// or less is not written, a Norm or Shift byte 0 types nothing.
bool LeftEmpty(const NotCarried& item) {
    return item.layer == LayerAltGr || item.layer == LayerShiftAltGr ? item.kept <= 0x20
                                                                     : item.kept == 0;
}

} // namespace

std::string NotCarriedText(const NotCarried& item, const CodePage& codePage) {
    std::string text = item.key == 0
                           ? item.place
                           : "key " + std::to_string(item.key) +
                                 (item.layer != 0      ? " " + std::string(LayerName(item.layer))
                                  : item.place.empty() ? std::string()
                                                       : " " + item.place);
    text += ": ";
    const std::string character = CodePoint(item.character) + " " + Utf8(item.character);
    switch (item.why) {
    case NotCarriedWhy::NotInCodePage:
        text += character + " is not in code page " + std::to_string(codePage.number());
        break;
    case NotCarriedWhy::SpaceOrControl:
        text += CodePoint(item.character) + " is a space or a control character";
        break;
    case NotCarriedWhy::NoCharacter:
        text += item.keysym + " has no character";
        break;
    case NotCarriedWhy::DeadKey:
        text += character + " is a dead key";
        break;
    case NotCarriedWhy::Ligature:
        text += "a ligature of several characters";
        break;
    case NotCarriedWhy::OtherState:
        return text + character + " is in a state the layout has no layer for; left out";
    case NotCarriedWhy::OtherKey:
        return text + "a key outside the 49; left out";
    case NotCarriedWhy::CapsOwnCharacters:
        return text + "Caps Lock types characters of its own (SGCap); Caps Lock left off";
    case NotCarriedWhy::CapsOnAltGr:
        return text + "Caps Lock acts on AltGr too; it acts on Norm and Shift only";
    }
    if (LeftEmpty(item)) {
        text += "; left empty";
    } else if (item.upperOfNorm) {
        text += "; upper case of Norm: " + codePage.shown(item.kept);
    } else {
        text += "; kept " + codePage.shown(item.kept);
    }
    return text;
}

std::string NotCarriedSummary(const std::vector<NotCarried>& items) {
    int kept = 0, upper = 0, empty = 0;
    for (const NotCarried& item : items) {
        if (LeftEmpty(item)) {
            ++empty;
        } else if (item.upperOfNorm) {
            ++upper;
        } else {
            ++kept;
        }
    }
    std::vector<std::string> parts;
    const auto count = [](int n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    if (kept > 0) {
        parts.push_back(
            count(kept, "key kept its default character", "keys kept their default character"));
    }
    if (upper > 0) {
        parts.push_back(count(upper, "Shift took the upper case of Norm",
                              "Shifts took the upper case of Norm"));
    }
    if (empty > 0) {
        parts.push_back(count(empty, "layer was left empty", "layers were left empty"));
    }
    if (parts.empty()) {
        return {};
    }
    std::string text = "Where the code page has no character for the new one, ";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    }
    return text + ".";
}

} // namespace kbd
