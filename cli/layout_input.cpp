#include "layout_input.h"

#include "formats/import_layout.h"
#include "formats/json_layout.h"
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

std::optional<formats::Imported> ReadImport(const std::string& path,
                                            const kbd::CodePage& codePage) {
    if (IsJsonPath(path)) {
        const kbd::Result<std::string> text = ReadTextFile(path);
        if (!text.ok()) {
            return Refused(text.error().message());
        }
        auto parsed = formats::LayoutFromJson(text.value());
        if (const auto* refusal = std::get_if<formats::JsonRefusal>(&parsed)) {
            return Refused(path + ": " + refusal->message);
        }
        return formats::Imported{
            formats::ImportKind::Json, std::get<kbd::KeyboardLayout>(parsed), {}};
    }
    auto imported = formats::ImportLayout(path, codePage);
    if (!imported.ok()) {
        return Refused(imported.error().message());
    }
    std::string lines;
    for (const kbd::NotCarried& item : imported.value().notCarried) {
        lines += kbd::NotCarriedText(item, codePage) + "\n";
    }
    std::cerr << lines;
    return imported.value();
}

} // namespace cli
