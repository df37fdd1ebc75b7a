// kbdtool: writes, converts, lists and checks the editor's KBD files from a shell.
// Arguments are parsed here; every command lives in commands.cpp.

#include "commands.h"

#include <CLI/CLI.hpp>
#include <functional>
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
    "Exit status: 0 done, 1 refused file or input, 2 wrong usage.\n";

int UsageError(const std::string& why) {
    std::cerr << "kbdtool: " << why << "\n" << kUsage;
    return cli::ExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app("kbdtool");
    app.require_subcommand(1);
    std::function<int()> run;

    std::string in;
    std::string out;
    std::optional<std::string> jsonOut;
    int codePage = 1250;

    app.add_subcommand("default")
        ->callback([&] {
            run = [&] {
                return cli::WriteDefault(out);
            };
        })
        ->add_option("OUT", out)
        ->required();

    auto* exportCmd = app.add_subcommand("export");
    exportCmd->add_option("FILE", in)->required();
    exportCmd->add_option("OUT", jsonOut);
    exportCmd->callback([&] {
        run = [&] {
            return cli::ExportJson(in, jsonOut);
        };
    });

    auto* importCmd = app.add_subcommand("import");
    importCmd->add_option("LAYOUT", in)->required();
    importCmd->add_option("OUT", out)->required();
    importCmd->callback([&] {
        run = [&] {
            return cli::ImportJson(in, out);
        };
    });

    std::optional<cli::CodePageText> text;
    auto* showCmd = app.add_subcommand("show");
    showCmd->add_option("FILE", in)->required();
    showCmd->add_option("--codepage", codePage);
    showCmd->callback([&] {
        // Before the file is read, so that a mistyped code page is a usage error.
        text = cli::CodePageText::Load(codePage);
        run = [&] {
            return text ? cli::ShowTable(in, *text)
                        : UsageError("code page " + std::to_string(codePage) +
                                     " is not known to iconv");
        };
    });

    app.add_subcommand("check")
        ->callback([&] {
            run = [&] {
                return cli::CheckFile(in);
            };
        })
        ->add_option("FILE", in)
        ->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << kUsage;
        return cli::ExitOk;
    } catch (const CLI::ParseError& error) {
        return UsageError(error.what());
    }
    return run();
}
