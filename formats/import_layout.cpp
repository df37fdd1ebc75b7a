#include "import_layout.h"

#include "files/regular_file.h"
#include "json_layout.h"
#include "kbd_import.h"
#include "klc_import.h"
#include "xkb_import.h"

#include <algorithm>
#include <sys/stat.h>
#include <vector>

namespace formats {
namespace {

struct FileAndVariant {
    std::string file;
    std::string variant;
};

// "~/.config/xkb/symbols/mine(basic)": the file and the section, unless a file has the
// whole name.
FileAndVariant SplitVariant(const std::string& path) {
    const auto open = path.rfind('(');
    const auto slash = path.rfind('/');
    struct stat st {};
    if (path.empty() || path.back() != ')' || open == std::string::npos ||
        (slash != std::string::npos && open < slash) || ::stat(path.c_str(), &st) == 0) {
        return {path, {}};
    }
    return {path.substr(0, open), path.substr(open + 1, path.size() - open - 2)};
}

std::string_view FileName(const std::string& path) {
    const auto slash = path.rfind('/');
    return std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
}

kbd::Result<std::vector<std::uint8_t>> ReadWhole(const std::string& path) {
    kbd::UniqueFd fd;
    if (kbd::Status opened = kbd::OpenRegularFile(path, fd); !opened.ok()) {
        return opened.error();
    }
    constexpr std::size_t kChunk = 64 * 1024;
    std::vector<std::uint8_t> bytes;
    for (;;) {
        const std::size_t have = bytes.size();
        bytes.resize(have + kChunk);
        const auto got = kbd::ReadUpTo(fd, std::span(bytes).subspan(have), path);
        if (!got.ok()) {
            return got.error();
        }
        bytes.resize(have + got.value());
        if (bytes.size() > kMaxImportSize) {
            return kbd::Error{kbd::ErrorKind::BadKeyboardFile, path,
                              "larger than 1 MiB, more than any keyboard file holds"};
        }
        if (got.value() < kChunk) {
            return bytes;
        }
    }
}

bool LooksLikeJson(std::span<const std::uint8_t> bytes) {
    const auto first = std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t byte) {
        return byte != ' ' && byte != '\t' && byte != '\r' && byte != '\n';
    });
    return first != bytes.end() && *first == '{';
}

std::optional<ImportKind> Sniff(std::span<const std::uint8_t> bytes) {
    if (LooksLikeWindowsKbd(bytes)) {
        return ImportKind::WindowsKbd;
    }
    if (LooksLikeKlc(bytes)) {
        return ImportKind::Klc;
    }
    if (LooksLikeJson(bytes)) {
        return ImportKind::Json;
    }
    if (LooksLikeXkbSymbols(bytes)) {
        return ImportKind::XkbSymbols;
    }
    return std::nullopt;
}

kbd::Error NotAKeyboardFile() {
    return {kbd::ErrorKind::NotAKeyboardFile, {}, {}};
}

kbd::Error OnlyXkbHasVariants() {
    return {kbd::ErrorKind::BadKeyboardFile,
            {},
            "only an XKB symbols file has sections to name in parentheses"};
}

kbd::Error NamingFile(kbd::Error error, const std::string& path) {
    error.path = path;
    return error;
}

kbd::Result<Imported> JsonLayout(std::span<const std::uint8_t> bytes, std::string_view fileName) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    auto parsed = LayoutFromJson(text, std::string(fileName));
    if (!parsed.ok()) {
        return parsed.error();
    }
    return Imported{ImportKind::Json, parsed.value(), {}};
}

} // namespace

std::string_view ImportKindName(ImportKind kind) {
    switch (kind) {
    case ImportKind::Json:
        return "a JSON layout";
    case ImportKind::Klc:
        return "an MSKLC source";
    case ImportKind::XkbSymbols:
        return "an XKB symbols file";
    case ImportKind::WindowsKbd:
        return "a Windows keyboard file";
    }
    return {};
}

kbd::Result<ImportProbe> ProbeImport(const std::string& path) {
    const FileAndVariant named = SplitVariant(path);
    const auto bytes = ReadWhole(named.file);
    if (!bytes.ok()) {
        return bytes.error();
    }
    const auto kind = Sniff(bytes.value());
    if (!kind) {
        return NamingFile(NotAKeyboardFile(), named.file);
    }
    if (!named.variant.empty() && *kind != ImportKind::XkbSymbols) {
        return NamingFile(OnlyXkbHasVariants(), named.file);
    }
    if (*kind == ImportKind::Klc) {
        const auto source = ParseKlc(bytes.value());
        if (!source.ok()) {
            return NamingFile(source.error(), named.file);
        }
        return ImportProbe{*kind, KlcCodePage(source.value())};
    }
    if (*kind == ImportKind::WindowsKbd) {
        return ImportProbe{*kind, WindowsKbdCodePage(bytes.value())};
    }
    return ImportProbe{*kind, std::nullopt};
}

kbd::Result<Imported> ImportLayoutBytes(std::span<const std::uint8_t> bytes,
                                        std::string_view fileName, std::string_view variant,
                                        const kbd::CodePage& codePage, bool xkbDeadKeys) {
    const auto kind = Sniff(bytes);
    if (!kind) {
        return NotAKeyboardFile();
    }
    if (!variant.empty() && *kind != ImportKind::XkbSymbols) {
        return OnlyXkbHasVariants();
    }
    switch (*kind) {
    case ImportKind::WindowsKbd:
        return WindowsKbdLayout(bytes, codePage);
    case ImportKind::Klc: {
        const auto source = ParseKlc(bytes);
        if (!source.ok()) {
            return source.error();
        }
        return KlcLayout(source.value(), codePage);
    }
    case ImportKind::Json:
        return JsonLayout(bytes, fileName);
    case ImportKind::XkbSymbols:
        return XkbSymbolsLayout(bytes, fileName, variant, codePage, xkbDeadKeys);
    }
    return NotAKeyboardFile();
}

kbd::Result<Imported> ImportLayout(const std::string& path, const kbd::CodePage& codePage,
                                   bool xkbDeadKeys) {
    const FileAndVariant named = SplitVariant(path);
    const auto bytes = ReadWhole(named.file);
    if (!bytes.ok()) {
        return bytes.error();
    }
    auto imported = ImportLayoutBytes(bytes.value(), FileName(named.file), named.variant, codePage,
                                      xkbDeadKeys);
    if (!imported.ok()) {
        return NamingFile(imported.error(), named.file);
    }
    return imported;
}

} // namespace formats
