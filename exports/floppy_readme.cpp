#include "floppy_readme.h"

namespace kbd::exports {

std::string FloppyReadme(std::string_view kbdName) {
    const std::string file(kbdName);
    const std::string reg = file.substr(0, file.find('.')) + ".REG";
    const std::string title = file + " - a keyboard layout for Windows 95";
    const std::string lines[] = {
        title,
        std::string(title.size(), '='),
        "",
        "This floppy holds " + file + ", a keyboard layout made with Tavik's",
        "Keyboard Generator for Windows 95. Windows 95 keeps every keyboard",
        "layout it has installed in a KBD file in the WINDOWS\\SYSTEM folder.",
        "There are two ways in: as a layout of its own, beside those of",
        "Windows (nothing is overwritten), or in place of one of them.",
        "",
        "As a layout of its own",
        "----------------------",
        "",
        "1. Copy " + file + " into WINDOWS\\SYSTEM:",
        "",
        "       COPY A:\\" + file + " C:\\WINDOWS\\SYSTEM\\" + file,
        "",
        "2. Open A:\\" + reg + " (double-click it in Explorer) and let it add",
        "   its entry to the registry.",
        "",
        "3. Choose the layout under Control Panel, Keyboard, Language,",
        "   Properties.",
        "",
        "To go back, remove the layout there and delete the copied file.",
        "",
        "In place of a layout of Windows",
        "-------------------------------",
        "",
        "WARNING: KEEP THE ORIGINAL FILE. Rename it as shown below; do not",
        "delete it and do not copy over it. Without it there is no way back",
        "to the layout Windows had.",
        "",
        "1. Install the layout that this one is to replace, if it is not",
        "   installed yet (Control Panel, Keyboard, Language), and find out",
        "   which KBD file in the WINDOWS\\SYSTEM folder holds it.",
        "",
        "2. Rename that file so that its name no longer ends in .KBD. At an",
        "   MS-DOS prompt, for a file named KBDXX.KBD:",
        "",
        "       REN C:\\WINDOWS\\SYSTEM\\KBDXX.KBD KBDXX.OLD",
        "",
        "3. Copy " + file + " from this floppy into WINDOWS\\SYSTEM under the",
        "   name the original file had:",
        "",
        "       COPY A:\\" + file + " C:\\WINDOWS\\SYSTEM\\KBDXX.KBD",
        "",
        "4. Restart Windows. It types with the new layout wherever it used",
        "   the one you replaced.",
        "",
        "Going back",
        "----------",
        "",
        "Delete the copied file, give the original its name back and restart",
        "Windows:",
        "",
        "       DEL C:\\WINDOWS\\SYSTEM\\KBDXX.KBD",
        "       REN C:\\WINDOWS\\SYSTEM\\KBDXX.OLD KBDXX.KBD",
    };
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

} // namespace kbd::exports
