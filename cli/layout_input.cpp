#include "layout_input.h"

#include "formats/import_layout.h"
#include "formats/json_layout.h"
#include "refuse.h"
#include "text_file.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace cli {
namespace {

// The JSON layout at `path`, whatever its extension.
kbd::Result<kbd::KeyboardLayout> ReadJsonLayout(const std::string& path) {
    const kbd::Result<std::string> text = ReadTextFile(path, formats::kMaxJsonLayoutBytes);
    if (!text.ok()) {
        return text.error();
    }
    return formats::LayoutFromJson(text.value(), path);
}

} // namespace

bool IsJsonPath(const std::string& path) {
    constexpr std::string_view kExtension = ".json";
    return path.size() > kExtension.size() &&
           std::equal(kExtension.rbegin(), kExtension.rend(), path.rbegin(), [](char a, char b) {
               return a == std::tolower(static_cast<unsigned char>(b));
           });
}

std::optional<formats::Imported> ReadImport(const std::string& path,
                                            const kbd::CodePage& codePage) {
    if (IsJsonPath(path)) {
        kbd::Result<kbd::KeyboardLayout> read = ReadJsonLayout(path);
        if (!read.ok()) {
            Refuse(read.error().message());
            return std::nullopt;
        }
        return formats::Imported{formats::ImportKind::Json, read.value(), {}};
    }
    auto imported = formats::ImportLayout(path, codePage);
    if (!imported.ok()) {
        Refuse(imported.error().message());
        return std::nullopt;
    }
    std::string lines;
    for (const kbd::NotCarried& item : imported.value().notCarried) {
        lines += kbd::NotCarriedText(item, codePage) + "\n";
    }
    std::cerr << lines;
    return imported.value();
}

} // namespace cli
