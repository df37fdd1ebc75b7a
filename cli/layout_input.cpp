#include "layout_input.h"

#include "formats/json_layout.h"
#include "layout/reader.h"
#include "refuse.h"
#include "text_file.h"

#include <algorithm>
#include <cctype>

namespace cli {

bool IsJsonPath(const std::string& path) {
    constexpr std::string_view kExtension = ".json";
    return path.size() > kExtension.size() &&
           std::equal(kExtension.rbegin(), kExtension.rend(), path.rbegin(), [](char a, char b) {
               return a == std::tolower(static_cast<unsigned char>(b));
           });
}

kbd::Result<kbd::KeyboardLayout> ReadJsonLayout(const std::string& path) {
    const kbd::Result<std::string> text = ReadTextFile(path, formats::kMaxJsonLayoutBytes);
    if (!text.ok()) {
        return text.error();
    }
    return formats::LayoutFromJson(text.value(), path);
}

std::optional<kbd::KeyboardLayout> ReadLayout(const std::string& path) {
    if (IsJsonPath(path)) {
        const kbd::Result<kbd::KeyboardLayout> read = ReadJsonLayout(path);
        if (!read.ok()) {
            Refuse(read.error().message());
            return std::nullopt;
        }
        return read.value();
    }
    // A fresh default layout, as the editor's open has: ScanCode, which no file carries,
    // holds the defaults.
    kbd::KeyboardLayout layout = kbd::DefaultLayout();
    const kbd::Status loaded = kbd::LoadKbdFile(path, layout);
    if (!loaded.ok()) {
        Refuse(loaded.error().message());
        return std::nullopt;
    }
    return layout;
}

} // namespace cli
