#include "layout_input.h"

#include "formats/json_layout.h"
#include "layout/reader.h"
#include "text_file.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace cli {
namespace {

std::nullopt_t Refused(const std::string& message) {
    std::cerr << "kbdtool: " << message << "\n";
    return std::nullopt;
}

} // namespace

bool IsJsonPath(const std::string& path) {
    constexpr std::string_view kExtension = ".json";
    return path.size() > kExtension.size() &&
           std::equal(kExtension.rbegin(), kExtension.rend(), path.rbegin(), [](char a, char b) {
               return a == std::tolower(static_cast<unsigned char>(b));
           });
}

std::optional<kbd::KeyboardLayout> ReadLayout(const std::string& path) {
    if (IsJsonPath(path)) {
        const kbd::Result<std::string> text = ReadTextFile(path);
        if (!text.ok()) {
            return Refused(text.error().message());
        }
        auto parsed = formats::LayoutFromJson(text.value());
        if (const auto* refusal = std::get_if<formats::JsonRefusal>(&parsed)) {
            return Refused(path + ": " + refusal->message);
        }
        return std::get<kbd::KeyboardLayout>(parsed);
    }
    // A fresh default layout, as the editor's open has: ScanCode, which no file carries,
    // holds the defaults.
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    const kbd::Status loaded = kbd::LoadKbdFile(path, layout);
    if (!loaded.ok()) {
        return Refused(loaded.error().message());
    }
    return layout;
}

} // namespace cli
