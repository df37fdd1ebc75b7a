// kbdtool: writes, converts, lists and checks the editor's KBD files from a shell.
// Arguments are parsed here; the commands live in commands.cpp and
// system_layout_commands.cpp.

#include "codepage/code_page.h"
#include "commands.h"
#include "export_commands.h"
#include "files/excerpt.h"
#include "system_layout_commands.h"
#include "version/version.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace {

// Written by hand rather than generated, so that it reads like the commands people type.
constexpr const char* kUsage =
    "Usage:\n"
    "  kbdtool default OUT.kbd                write the built-in default layout\n"
    "  kbdtool export FILE.kbd [OUT.json]     the layout of FILE as JSON (standard output\n"
    "                                         without OUT.json)\n"
    "  kbdtool import LAYOUT.json OUT.kbd     a KBD file from a JSON layout\n"
    "  kbdtool show FILE.kbd [--codepage N]   the 49 keys, characters read in Windows\n"
    "                                         code page N (default 1250)\n"
    "  kbdtool check FILE.kbd                 exit 0 when the editor would open FILE,\n"
    "                                         else say why it would not\n"
    "  kbdtool picture FILE.kbd OUT [--codepage N]\n"
    "                                         a printable picture of the keys; OUT ends in\n"
    "                                         .svg, .pdf or .png (any other is refused,\n"
    "                                         status 1)\n"
    "  kbdtool lint FILE.kbd [--codepage N]   what FILE's layout loses when saved and read\n"
    "                                         back, and what types oddly in code page N:\n"
    "                                         one line a finding (\"key 27 AltGr: loses\n"
    "                                         data: ...\", \"key 14: warning: ...\"), or\n"
    "                                         \"no findings\"; exit 1 when one loses data\n"
    "  kbdtool layouts [TEXT]                 the system's keyboard layouts: name(variant),\n"
    "                                         a tab, the description; TEXT keeps those\n"
    "                                         that hold it, in any case\n"
    "  kbdtool from-xkb LAYOUT[(VARIANT)] OUT.kbd [--codepage N]\n"
    "                                         a KBD file from a system layout in code page\n"
    "                                         N (default 1250); a line on standard error\n"
    "                                         for each character not carried (\"key 14\n"
    "                                         Norm: ...; kept q\"); an unknown layout or\n"
    "                                         code page is refused\n"
    "  kbdtool to-xkb FILE OUT [--codepage N] [--name TEXT]\n"
    "                                         XKB symbols for Linux, named TEXT (default:\n"
    "                                         OUT's stem)\n"
    "  kbdtool to-klc FILE OUT.klc [--codepage N] [--name TEXT]\n"
    "                                         source for Microsoft's Keyboard Layout\n"
    "                                         Creator (Windows NT and later)\n"
    "  kbdtool floppy FILE OUT.img [--name NAME]\n"
    "                                         a 1.44 MB install floppy for Windows 95 with\n"
    "                                         NAME.KBD (default: OUT's stem), README.TXT\n"
    "  kbdtool --version                      the version, the same as the editor's\n"
    "Every FILE may also be a JSON layout, by its .json extension.\n"
    "Exit status: 0 done, 1 refused file or input, 2 wrong usage.\n";

int UsageError(const std::string& why) {
    std::cerr << "kbdtool: " << kbd::Escaped(why) << "\n" << kUsage;
    return cli::ExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app("kbdtool");
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("kbdtool ") + kbd::kVersion);
    std::string in;
    std::string out;
    std::optional<std::string> jsonOut;
    int codePage = kbd::kDefaultCodePage;

    auto* defaultCmd = app.add_subcommand("default");
    defaultCmd->add_option("OUT.kbd", out)->required();
    auto* exportCmd = app.add_subcommand("export");
    exportCmd->add_option("FILE.kbd", in)->required();
    exportCmd->add_option("OUT.json", jsonOut);
    auto* importCmd = app.add_subcommand("import");
    importCmd->add_option("LAYOUT.json", in)->required();
    importCmd->add_option("OUT.kbd", out)->required();
    auto* showCmd = app.add_subcommand("show");
    showCmd->add_option("FILE.kbd", in)->required();
    showCmd->add_option("--codepage", codePage);
    auto* checkCmd = app.add_subcommand("check");
    checkCmd->add_option("FILE.kbd", in)->required();
    auto* pictureCmd = app.add_subcommand("picture");
    pictureCmd->add_option("FILE.kbd", in)->required();
    pictureCmd->add_option("OUT", out)->required();
    pictureCmd->add_option("--codepage", codePage);
    auto* lintCmd = app.add_subcommand("lint");
    lintCmd->add_option("FILE.kbd", in)->required();
    lintCmd->add_option("--codepage", codePage);
    const cli::SystemLayoutCommands systemLayouts(app);
    cli::ExportCommands exports(app, codePage);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << kUsage;
        return cli::ExitOk;
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << "\n";
        return cli::ExitOk;
    } catch (const CLI::ParseError& error) {
        return UsageError(error.what());
    }

    if (defaultCmd->parsed()) {
        return cli::WriteDefault(out);
    }
    if (exportCmd->parsed()) {
        return cli::ExportJson(in, jsonOut);
    }
    if (importCmd->parsed()) {
        return cli::ImportJson(in, out);
    }
    if (const auto status = systemLayouts.Run()) {
        return *status;
    }
    // Looked up before any file is read: a code page iconv lacks is a wrong argument,
    // whatever the file holds.
    const auto page = kbd::CodePage::Load(codePage);
    if (!page) {
        return UsageError("code page " + std::to_string(codePage) + " is not known to iconv");
    }
    if (const auto exported = exports.run(*page)) {
        return *exported;
    }
    if (showCmd->parsed()) {
        return cli::ShowTable(in, *page);
    }
    if (pictureCmd->parsed()) {
        return cli::WritePicture(in, out, codePage);
    }
    if (lintCmd->parsed()) {
        return cli::LintFile(in, *page);
    }
    // require_subcommand(1) leaves check as the one command not handled above.
    return cli::CheckFile(in);
}
