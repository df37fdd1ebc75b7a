// The version, the application id and the commands where a user meets them outside the
// program: kbdtool --version, the release notes that software centres (metainfo) and dpkg
// (changelog) show, the desktop files, and kbdtool's manual page.
#include "tool_run.h"

#include <fstream>
#include <iterator>
#include <regex>

namespace {

std::string SourceFile(const std::string& path) {
    std::ifstream in(std::string(KBD_SOURCE_DIR) + "/" + path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Group 1 of the first match, or "" without one.
std::string FirstMatch(const std::string& text, const std::string& pattern) {
    std::smatch match;
    return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : "";
}

TEST_F(ToolTest, VersionIsTheNewestReleaseOfBothReleaseNotes) {
    const std::string metainfo = FirstMatch(SourceFile("app/io.github.tavik.kbdgen.metainfo.xml"),
                                            R"re(<release version="([^"]*)")re");
    const std::string changelog =
        FirstMatch(SourceFile("debian/changelog"), R"(^kbdgen \(([^)]*)\) )");
    const ToolRun run = Run("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(std::regex_match(metainfo, std::regex(R"(\d+\.\d+\.\d+)"))) << metainfo;
    EXPECT_EQ(changelog, metainfo);
    EXPECT_EQ(run.out, "kbdtool " + metainfo + "\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(ToolTest, ManualPageHasAnEntryForEveryCommandOfTheHelp) {
    const std::string help = Run("--help").out;
    const std::string page = SourceFile("docs/man/kbdtool.1.in");
    ASSERT_FALSE(page.empty());
    const std::regex usageLine(R"(\n  kbdtool ([a-z][a-z-]*))");
    int commands = 0;
    for (std::sregex_iterator it(help.begin(), help.end(), usageLine), end; it != end; ++it) {
        ++commands;
        // An entry opens with the command in bold, its hyphens as troff's \-.
        const std::string name = (*it)[1].str();
        const std::string entry =
            "\n.TP\n\\fB" + std::regex_replace(name, std::regex("-"), "\\-") + "\\fR";
        EXPECT_NE(page.find(entry), std::string::npos) << name;
    }
    EXPECT_GE(commands, 7) << help;
}

// A desktop finds the menu entry, its icon and the software centre's page through one id,
// which the files name inside as well as in their own names; a file manager offers the
// editor for a KBD file when the type the MIME package defines is the one the menu entry
// takes and the metainfo announces.
TEST(AppId, TheDesktopFilesNameTheOneIdAndTheOneType) {
    const std::string id = KBD_APP_ID, type = "application/x-kbdgen-kbd";
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {".metainfo.xml", "<id>([^<]*)</id>", id},
        {".metainfo.xml", R"re(<launchable type="desktop-id">([^<]*)<)re", id + ".desktop"},
        {".metainfo.xml", R"re(<icon type="stock">([^<]*)<)re", id},
        {".metainfo.xml", "<mediatype>([^<]*)<", type},
        {".desktop", "\nIcon=([^\n]*)", id},
        {".desktop", "\nExec=([^\n]*)", "kbdgen %f"},
        {".desktop", "\nMimeType=([^\n]*)", type + ";"},
        {".xml", R"re(<mime-type type="([^"]*)")re", type}};
    for (const auto& [file, pattern, named] : rows) {
        EXPECT_EQ(FirstMatch(SourceFile("app/" + id + file), pattern), named) << pattern;
    }
}

} // namespace
