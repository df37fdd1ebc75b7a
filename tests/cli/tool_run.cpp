#include "tool_run.h"

#include "layout/keyboard_layout.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

void ToolTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kbdtool-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
}

ToolRun ToolTest::Run(const std::string& args) const {
    // The captures live beside the folder, so Files() counts only what kbdtool made.
    const std::string out = folder_.string() + ".out", err = folder_.string() + ".err";
    const int wait = std::system((KBDTOOL_PATH " >" + out + " 2>" + err + " " + args).c_str());
    ToolRun run{WIFEXITED(wait) ? WEXITSTATUS(wait) : -1, Read(out), Read(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

ToolRun ToolTest::Run(const std::vector<std::string>& args) const {
    std::string line;
    for (const auto& arg : args) {
        line += (line.empty() ? "" : " ") + arg;
    }
    return Run(line);
}

std::string ToolTest::Read(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void ToolTest::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
}

long ToolTest::Files() const {
    return std::distance(std::filesystem::directory_iterator(folder_), {});
}

std::vector<std::string> ToolTest::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

nlohmann::ordered_json DefaultJson() {
    const kbd::KeyboardLayout& layout = kbd::DefaultLayout();
    return {{"ScanCode", layout.ScanCode},        {"VirtualKey", layout.VirtualKey},
            {"NormalChar", layout.NormalChar},    {"ShiftChar", layout.ShiftChar},
            {"AltGrChar", layout.AltGrChar},      {"AnsiChar", layout.AnsiChar},
            {"CapsAffected", layout.CapsAffected}};
}
