#include "export_commands.h"

#include "exports/floppy.h"
#include "exports/klc.h"
#include "exports/xkb_symbols.h"
#include "files/excerpt.h"
#include "layout_input.h"
#include "refuse.h"

#include <iostream>

namespace cli {
namespace {

ExitStatus Report(const kbd::Status& written) {
    return written.ok() ? ExitOk : Refuse(written.error().message());
}

} // namespace

ExportCommands::ExportCommands(CLI::App& app, int& codePage)
    : xkb_(app.add_subcommand("to-xkb")), klc_(app.add_subcommand("to-klc")),
      floppy_(app.add_subcommand("floppy")) {
    for (CLI::App* command : {xkb_, klc_, floppy_}) {
        command->add_option("FILE", in_)->required();
        command->add_option("OUT", out_)->required();
        command->add_option("--name", name_);
    }
    xkb_->add_option("--codepage", codePage);
    klc_->add_option("--codepage", codePage);
    klc_->add_option("--locale", locale_);
}

std::optional<ExitStatus> ExportCommands::run(const kbd::CodePage& page) const {
    if (!xkb_->parsed() && !klc_->parsed() && !floppy_->parsed()) {
        return std::nullopt;
    }
    const kbd::WindowsLocale* locale = &kbd::MainLocale(page.number());
    if (klc_->parsed() && locale_) {
        locale = kbd::FindLocale(*locale_);
        if (locale == nullptr) {
            std::cerr << "kbdtool: unknown locale \"" << *locale_
                      << "\": give a Windows locale name such as de-DE or sr-Cyrl-CS\n";
            return ExitUsage;
        }
    }
    const auto layout = ReadLayout(in_, page);
    if (!layout) {
        return ExitRefused;
    }
    namespace exports = kbd::exports;
    // One rule for every export, the editor's included: --name, else the output's stem.
    const std::string name = name_.value_or(exports::FileStem(out_));
    if (floppy_->parsed()) {
        const ExitStatus made = Report(exports::MakeInstallFloppy(*layout, name, out_));
        const auto chosen = exports::ChooseFloppyName(name, out_);
        if (made == ExitOk && chosen.ok() && !chosen.value().note.empty()) {
            std::cerr << "kbdtool: " << kbd::Escaped(chosen.value().note) << "\n";
        }
        return made;
    }
    if (xkb_->parsed()) {
        return Report(exports::ExportXkbSymbols(*layout, page, name, out_));
    }
    return Report(exports::ExportKlc(*layout, page, name, out_, *locale));
}

} // namespace cli
