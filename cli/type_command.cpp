#include "type_command.h"

#include "driver/keyboard_file.h"
#include "driver/to_ascii.h"
#include "layout/writer.h"
#include "layout_input.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <sstream>

namespace cli {
namespace {

struct Press {
    bool capsLock = false;
    kbd::driver::Modifiers held;
    int key = 0; // index 0..48
};

// [Ctrl+][Alt+][Shift+][AltGr+]N with N 1..49, or CapsLock.
std::optional<Press> ParsePress(std::string_view text) {
    Press press;
    if (text == "CapsLock") {
        press.capsLock = true;
        return press;
    }
    const std::pair<std::string_view, bool kbd::driver::Modifiers::*> prefixes[] = {
        {"Ctrl+", &kbd::driver::Modifiers::ctrl},
        {"Alt+", &kbd::driver::Modifiers::alt},
        {"Shift+", &kbd::driver::Modifiers::shift},
        {"AltGr+", &kbd::driver::Modifiers::altGr},
    };
    for (const auto& [prefix, flag] : prefixes) {
        if (text.substr(0, prefix.size()) == prefix) {
            press.held.*flag = true;
            text.remove_prefix(prefix.size());
        }
    }
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || text[0] == '0' || error != std::errc{} ||
        end != text.data() + text.size() || number < 1 || number > kbd::kKeyCount) {
        return std::nullopt;
    }
    press.key = number - 1;
    return press;
}

std::string Hex(std::uint8_t byte) {
    const char* digits = "0123456789ABCDEF";
    return {digits[byte >> 4], digits[byte & 15]};
}

std::string Typed(const kbd::driver::Typed& typed, const kbd::CodePage& page) {
    if (typed.bytes.empty()) {
        return "nothing";
    }
    std::string text = typed.deadWaiting() ? "dead " : "";
    for (std::size_t i = 0; i < typed.bytes.size(); ++i) {
        text += (i == 0 ? "" : " ") + Hex(typed.bytes[i]) + " " + page.shown(typed.bytes[i]);
    }
    return text;
}

kbd::Result<kbd::driver::LoadedKeyboard> Load(const std::string& file, const kbd::CodePage& page) {
    if (!IsJsonPath(file)) {
        return kbd::driver::LoadKeyboardFile(file);
    }
    const auto layout = ReadLayout(file, page);
    if (!layout) {
        return kbd::Error{kbd::ErrorKind::BadKeyboardData, file, "not a layout"};
    }
    return kbd::driver::LoadKeyboard(kbd::BuildKbdFile(*layout));
}

} // namespace

ExitStatus TypePresses(const std::string& file, const kbd::CodePage& page,
                       const std::vector<std::string>& presses) {
    std::vector<Press> parsed;
    for (const std::string& text : presses) {
        const auto press = ParsePress(text);
        if (!press) {
            std::cerr << "kbdtool: malformed press \"" << text
                      << "\": [Ctrl+][Alt+][Shift+][AltGr+]N with N 1..49, or CapsLock\n";
            return ExitUsage;
        }
        parsed.push_back(*press);
    }
    const auto loaded = Load(file, page);
    if (!loaded.ok()) {
        std::cerr << "kbdtool: " << loaded.error().message() << "\n";
        return ExitRefused;
    }
    kbd::driver::Keyboard keyboard(loaded.value());
    std::ostringstream out;
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        out << presses[i] << '\t';
        if (parsed[i].capsLock) {
            keyboard.setCapsLock(!keyboard.capsLock());
            out << (keyboard.capsLock() ? "Caps Lock on" : "Caps Lock off") << '\n';
        } else {
            out << Typed(keyboard.pressKey(parsed[i].key, parsed[i].held), page) << '\n';
        }
    }
    std::cout << out.str() << std::flush;
    if (!std::cout) {
        std::cerr << "kbdtool: cannot write to standard output\n";
        return ExitRefused;
    }
    return ExitOk;
}

} // namespace cli
