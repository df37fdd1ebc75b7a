#include "system_layout_commands.h"

#include "files/excerpt.h"
#include "formats/import_layout.h"
#include "layout/writer.h"
#include "refuse.h"
#include "system_layouts/layout_from_xkb.h"
#include "system_layouts/layout_list.h"

#include <algorithm>
#include <iostream>

namespace cli {
namespace {

std::optional<std::vector<kbd::SystemLayout>> Registry() {
    auto layouts = kbd::ListSystemLayouts();
    if (!layouts.ok()) {
        Refuse("cannot read the system's list of keyboard layouts (xkeyboard-config): " +
               layouts.error().message());
        return std::nullopt;
    }
    return std::move(layouts.value());
}

// A symbols file the user names by its path ("./mine", "~/.config/xkb/symbols/mine(var)"),
// through the same import as every other command: nothing but an XKB file is taken here.
ExitStatus FromXkbFile(const std::string& path, const std::string& out, const kbd::CodePage& page,
                       bool deadKeys) {
    const auto imported = formats::ImportLayout(path, page, deadKeys);
    if (!imported.ok()) {
        return Refuse(imported.error().message());
    }
    if (imported.value().kind != formats::ImportKind::XkbSymbols) {
        return Refuse(path + ": not an XKB symbols file (kbdtool import takes " +
                      std::string(formats::ImportKindName(imported.value().kind)) + ")");
    }
    const kbd::Status saved = kbd::SaveKbdFile(imported.value().layout, out);
    if (!saved.ok()) {
        return Refuse(saved.error().message());
    }
    for (const kbd::NotCarried& item : imported.value().notCarried) {
        std::cerr << kbd::NotCarriedText(item, page) << "\n";
    }
    return ExitOk;
}

} // namespace

ExitStatus ListLayouts(const std::string& filter) {
    const auto layouts = Registry();
    if (!layouts) {
        return ExitRefused;
    }
    std::string text;
    for (const kbd::SystemLayout& layout : *layouts) {
        if (kbd::LayoutMatches(layout, filter)) {
            text += kbd::LayoutId(layout) + "\t" + layout.description + "\n";
        }
    }
    std::cout << text << std::flush;
    return std::cout ? ExitOk : Refuse("cannot write to standard output");
}

ExitStatus FromXkb(const std::string& id, const std::string& out, int codePage, bool deadKeys) {
    const auto page = kbd::CodePage::Load(codePage);
    if (!page) {
        return Refuse("code page " + std::to_string(codePage) + " is not known to iconv");
    }
    if (id.find('/') != std::string::npos) {
        return FromXkbFile(id, out, *page, deadKeys);
    }
    // Only what the registry lists: libxkbcommon also compiles helper files such as "pc",
    // which are no layout and would give a keyboard of defaults.
    const auto layouts = Registry();
    if (!layouts) {
        return ExitRefused;
    }
    const auto wanted = kbd::ParseLayoutId(id);
    // The listed layout knows its languages, and so its Compose table.
    const auto listed =
        !wanted ? layouts->end()
                : std::find_if(layouts->begin(), layouts->end(), [&](const kbd::SystemLayout& l) {
                      return l.name == wanted->name && l.variant == wanted->variant;
                  });
    if (listed == layouts->end()) {
        return Refuse("no system layout is named \"" + kbd::Excerpt(id) +
                      "\" (kbdtool layouts lists them)");
    }
    const auto built = kbd::BuildSystemLayout(*listed, *page, deadKeys);
    if (!built) {
        return Refuse("libxkbcommon cannot compile the system layout \"" + kbd::Excerpt(id) + "\"");
    }
    const kbd::Status saved = kbd::SaveKbdFile(built->layout, out);
    if (!saved.ok()) {
        return Refuse(saved.error().message());
    }
    for (const kbd::NotCarried& item : built->notCarried) {
        std::cerr << kbd::NotCarriedText(item, *page) << "\n";
    }
    return ExitOk;
}

SystemLayoutCommands::SystemLayoutCommands(CLI::App& app)
    : layouts_(app.add_subcommand("layouts")), fromXkb_(app.add_subcommand("from-xkb")) {
    layouts_->add_option("TEXT", filter_);
    fromXkb_->add_option("LAYOUT", id_)->required();
    fromXkb_->add_option("OUT.kbd", out_)->required();
    fromXkb_->add_option("--codepage", codePage_);
    fromXkb_->add_flag("--no-dead-keys", noDeadKeys_);
}

std::optional<ExitStatus> SystemLayoutCommands::Run() const {
    if (layouts_->parsed()) {
        return ListLayouts(filter_);
    }
    if (fromXkb_->parsed()) {
        return FromXkb(id_, out_, codePage_, !noDeadKeys_);
    }
    return std::nullopt;
}

} // namespace cli
