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
    std::string text =
        "key " + std::to_string(item.key) + " " + std::string(LayerName(item.layer)) + ": ";
    switch (item.why) {
    case NotCarriedWhy::NotInCodePage:
        text += CodePoint(item.character) + " " + Utf8(item.character) + " is not in code page " +
                std::to_string(codePage.number());
        break;
    case NotCarriedWhy::SpaceOrControl:
        text += CodePoint(item.character) + " is a space or a control character";
        break;
    case NotCarriedWhy::NoCharacter:
        text += item.keysym + " has no character";
        break;
    }
    // An AltGr layer keeps nothing: a key types no AltGr character rather than a wrong one.
    text += item.layer == LayerAltGr ? "; left empty" : "; kept " + codePage.shown(item.kept);
    return text;
}

} // namespace kbd
