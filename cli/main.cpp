// kbdtool: writes, converts, lists and checks the editor's KBD files from a shell.
// Arguments are parsed here; the commands live in commands.cpp and
// system_layout_commands.cpp.

#include "codepage/code_page.h"
#include "commands.h"
#include "export_commands.h"
#include "files/excerpt.h"
#include "install_command.h"
#include "system_layout_commands.h"
#include "type_command.h"
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
    "  kbdtool import LAYOUT OUT.kbd [--codepage N]\n"
    "                                         a KBD file from any keyboard file below\n"
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
    "  kbdtool from-xkb LAYOUT[(VARIANT)] OUT.kbd [--codepage N] [--no-dead-keys]\n"
    "                                         a KBD file from a system layout in code page\n"
    "                                         N (default 1250), its dead keys composing as\n"
    "                                         the desktop's Compose table says (with\n"
    "                                         --no-dead-keys, their accents typed alone);\n"
    "                                         a line on standard error for each character\n"
    "                                         not carried (\"key 14 Norm: ...; kept q\");\n"
    "                                         an unknown layout or code page is refused\n"
    "  kbdtool to-xkb FILE OUT [--codepage N] [--name TEXT]\n"
    "                                         XKB symbols for Linux, named TEXT (default:\n"
    "                                         OUT's stem)\n"
    "  kbdtool to-klc FILE OUT.klc [--codepage N] [--name TEXT] [--locale NAME]\n"
    "                                         source for Microsoft's Keyboard Layout\n"
    "                                         Creator (Windows NT and later), listed\n"
    "                                         under locale NAME (BCP 47, e.g. de-DE;\n"
    "                                         default: the code page's main language)\n"
    "  kbdtool floppy FILE OUT.img [--name NAME]\n"
    "                                         a 1.44 MB install floppy for Windows 95 with\n"
    "                                         NAME.KBD (default: OUT's stem), README.TXT\n"
    "  kbdtool type FILE [--codepage N] PRESS...\n"
    "                                         what Windows 95 types for each PRESS,\n"
    "                                         [Ctrl+][Alt+][Shift+][AltGr+]N (key 1..49) or\n"
    "                                         CapsLock: one line each, the press, a tab\n"
    "                                         and the bytes with their characters (\"71 q\",\n"
    "                                         \"dead 5E ^\", \"nothing\"); a malformed\n"
    "                                         PRESS is wrong usage\n"
    "  kbdtool install --list DISK.IMG [--codepage N]\n"
    "                                         the Windows folders of an emulated machine's\n"
    "                                         disk and their KBD files, with what the first\n"
    "                                         letter row types in its language's code page\n"
    "                                         (N where the language names none)\n"
    "  kbdtool install FILE DISK.IMG --replace KBDXX.KBD [--partition N]\n"
    "                                         FILE in place of SYSTEM\\KBDXX.KBD, the\n"
    "                                         original kept once as KBDXX.ORI\n"
    "  kbdtool install FILE DISK.IMG --add NAME [--text TEXT] [--partition N]\n"
    "                                         FILE as SYSTEM\\NAME.KBD, and NAME.REG in the\n"
    "                                         Windows folder to register it; shut the\n"
    "                                         machine down first\n"
    "  kbdtool --version                      the version, the same as the editor's\n"
    "Every FILE (and LAYOUT) may be a KBD file of any origin, an MSKLC .klc source, an\n"
    "XKB symbols file (PATH or PATH(VARIANT)) or a JSON layout; characters of .klc and XKB\n"
    "files become bytes of code page N (--codepage, default 1250); what the layout cannot\n"
    "carry is one line each on standard error. from-xkb also takes such a PATH (with a /).\n"
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
    exportCmd->add_option("--codepage", codePage);
    auto* importCmd = app.add_subcommand("import");
    importCmd->add_option("LAYOUT.json", in)->required();
    importCmd->add_option("OUT.kbd", out)->required();
    importCmd->add_option("--codepage", codePage);
    auto* showCmd = app.add_subcommand("show");
    showCmd->add_option("FILE.kbd", in)->required();
    showCmd->add_option("--codepage", codePage);
    auto* checkCmd = app.add_subcommand("check");
    checkCmd->add_option("FILE.kbd", in)->required();
    checkCmd->add_option("--codepage", codePage);
    auto* pictureCmd = app.add_subcommand("picture");
    pictureCmd->add_option("FILE.kbd", in)->required();
    pictureCmd->add_option("OUT", out)->required();
    pictureCmd->add_option("--codepage", codePage);
    auto* lintCmd = app.add_subcommand("lint");
    lintCmd->add_option("FILE.kbd", in)->required();
    lintCmd->add_option("--codepage", codePage);
    auto* typeCmd = app.add_subcommand("type");
    typeCmd->add_option("FILE", in)->required();
    typeCmd->add_option("--codepage", codePage);
    std::vector<std::string> presses;
    typeCmd->add_option("PRESS", presses)->required();
    const cli::SystemLayoutCommands systemLayouts(app);
    cli::ExportCommands exports(app, codePage);
    const cli::InstallCommand install(app, codePage);

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
    if (const auto status = systemLayouts.Run()) {
        return *status;
    }
    // Looked up before any file is read: a code page iconv lacks is a wrong argument,
    // whatever the file holds.
    const auto page = kbd::CodePage::Load(codePage);
    if (!page) {
        return UsageError("code page " + std::to_string(codePage) + " is not known to iconv");
    }
    if (exportCmd->parsed()) {
        return cli::ExportJson(in, jsonOut, *page);
    }
    if (importCmd->parsed()) {
        return cli::ImportToKbd(in, out, *page);
    }
    if (const auto exported = exports.run(*page)) {
        return *exported;
    }
    if (const auto installed = install.run(*page)) {
        return *installed;
    }
    if (showCmd->parsed()) {
        return cli::ShowTable(in, *page);
    }
    if (pictureCmd->parsed()) {
        return cli::WritePicture(in, out, *page);
    }
    if (typeCmd->parsed()) {
        return cli::TypePresses(in, *page, presses);
    }
    if (lintCmd->parsed()) {
        return cli::LintFile(in, *page);
    }
    // require_subcommand(1) leaves check as the one command not handled above.
    return cli::CheckFile(in, *page);
}
