#include "xkb_import.h"

#include "files/excerpt.h"
#include "system_layouts/layout_from_xkb.h"
#include "system_layouts/layout_list.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace formats {
namespace {

// The name the file goes by in the include root when its own is none a rules file can
// spell ("my layout.xkb").
constexpr std::string_view kFallbackName = "imported";

kbd::Error Refuse(std::string why) {
    return {kbd::ErrorKind::BadKeyboardFile, {}, std::move(why)};
}

// A fresh include root under the temporary folder, removed with everything in it: the
// user's file is compiled from a copy, so it is read once and never changed.
class IncludeRoot {
public:
    IncludeRoot() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern =
            std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/kbdgen-xkb-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        } else {
            error_ = std::strerror(errno);
        }
    }
    ~IncludeRoot() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    IncludeRoot(const IncludeRoot&) = delete;
    IncludeRoot& operator=(const IncludeRoot&) = delete;

    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

    // Puts `bytes` at symbols/`name`; false, with error() set, when it cannot.
    bool hold(std::string_view name, std::span<const std::uint8_t> bytes) {
        std::error_code made;
        std::filesystem::create_directory(path_ + "/symbols", made);
        std::ofstream out(path_ + "/symbols/" + std::string(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (made || !out) {
            error_ = made ? made.message() : "cannot write into the temporary folder";
            return false;
        }
        return true;
    }

private:
    std::string path_;
    std::string error_;
};

std::string FirstLine(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    return line.empty() ? "it names no section it has" : line;
}

} // namespace

bool LooksLikeXkbSymbols(std::span<const std::uint8_t> bytes) {
    constexpr std::string_view kWord = "xkb_symbols";
    return std::search(bytes.begin(), bytes.end(), kWord.begin(), kWord.end(),
                       [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }) !=
           bytes.end();
}

kbd::Result<Imported> XkbSymbolsLayout(std::span<const std::uint8_t> bytes,
                                       std::string_view fileName, std::string_view variant,
                                       const kbd::CodePage& codePage, bool deadKeys) {
    const auto spelled = kbd::ParseLayoutId(fileName);
    const std::string_view name = spelled && spelled->variant.empty() ? fileName : kFallbackName;
    if (!variant.empty() && !kbd::ParseLayoutId(kbd::LayoutId(name, variant))) {
        return Refuse("no XKB section can be named \"" + kbd::Excerpt(variant) + "\"");
    }
    IncludeRoot root;
    if (root.path().empty() || !root.hold(name, bytes)) {
        return Refuse("cannot make a temporary include root (" + root.error() + ")");
    }
    std::string log;
    auto built = kbd::BuildLayoutFromRoot(root.path(), name, variant, codePage, log, deadKeys);
    if (!built) {
        return Refuse("libxkbcommon cannot compile it" +
                      (variant.empty() ? std::string() : " with variant " + std::string(variant)) +
                      ": " + FirstLine(log));
    }
    return Imported{ImportKind::XkbSymbols, std::move(built->layout), std::move(built->notCarried)};
}

} // namespace formats
