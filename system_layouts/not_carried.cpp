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
    // A layer keeps nothing rather than a wrong character: an AltGr byte of 32 or less is
    // not written, a Norm or Shift byte 0 types nothing.
    const bool empty = item.layer == LayerAltGr ? item.kept <= 0x20 : item.kept == 0;
    text += empty ? "; left empty" : "; kept " + codePage.shown(item.kept);
    return text;
}

} // namespace kbd
