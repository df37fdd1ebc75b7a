#include "tool_run.h"

#include "layout/keyboard_layout.h"

#include <cstdlib>
#include <sys/wait.h>

ToolRun ToolTest::Run(const std::string& args) const {
    // The captures live beside the folder, so Names() lists only what kbdtool made.
    const std::string out = folder_.path().string() + ".out",
                      err = folder_.path().string() + ".err";
    const int wait = std::system(("cd " + folder_.path().string() + " && " KBDTOOL_PATH " >" + out +
                                  " 2>" + err + " " + args)
                                     .c_str());
    ToolRun run{WIFEXITED(wait) ? WEXITSTATUS(wait) : -1, Read(out), Read(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

nlohmann::ordered_json DefaultJson() {
    const kbd::KeyboardLayout& layout = kbd::DefaultLayout();
    return {{"ScanCode", layout.ScanCode},        {"VirtualKey", layout.VirtualKey},
            {"NormalChar", layout.NormalChar},    {"ShiftChar", layout.ShiftChar},
            {"AltGrChar", layout.AltGrChar},      {"AnsiChar", layout.AnsiChar},
            {"CapsAffected", layout.CapsAffected}};
}
