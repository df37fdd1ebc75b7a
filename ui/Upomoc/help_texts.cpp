// The guide reads as the program has always shown it, slips of spelling and the blank at
// the end of one line included.
#include "help_texts.h"

namespace kbd {

namespace {

QStringList Lines(std::initializer_list<const char*> lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const char* line : lines) {
        list.append(QString::fromLatin1(line));
    }
    return list;
}

} // namespace

QStringList IntroductionLines() {
    return Lines({
        "",
        "This program generates KBD files for Windows 95.",
        "",
        "Windows 95 allows users to select the keyboard layout from thE",
        "list, but do not allow them to personally configure the layout",
        "to suit their needs. That does not seem to bother users who",
        "write only in English. But, many languages use more than",
        "26 english letters, or even do not use latin alphabet at all.",
        "For these languages, there are tipically more than one",
        "character mapping.",
        "",
        "If Windows 95 does not provide the mapping you want, here's",
        "your chance to make it by yourself.",
    });
}

QStringList UsageLines() {
    return Lines({
        "",
        "The keyboard layouts in Windows 95 are stored in KBD files. Each",
        "time you install a new layout, Windows 95 inserts a new KBD file",
        "in WINDOWS\\SYSTEM directory.",
        "",
        "The first thing you should do is to find out the name of this KBD",
        "file. After that, you can design the layout you want using Tavik's",
        "Keyboard Generator for Windows 95, and put the newly generated",
        "file in the SYSTEM directory instead of the original one.",
        "",
        "After restarting the system, Windows 95 will use the layout",
        "which you were designed.",
        "",
        "Here's how to use the program:",
        "",
        "1. Select the font for which you want to make keyboard layout",
        "   (Options/Font)",
        "",
        "2. Using radio buttons, select the mode which you are adjusting",
        "   (Normal/Shift/AltGr/ANSI).",
        "",
        "3. Using drag and drop form the character table in the bottom to",
        "   the keys change the characters associations.",
        "",
        "4. Repeat steps 2 and 3 until all modes are adjusted. AltGr mode",
        "   allows to assign characters to RightAlt-and-key combinations.",
        "   ANSI mode sets the table that is used by Windows internally.",
        "   The rule of the thumb for setting ANSI table is to put",
        "   uppercase letters from Shift table where it is possible, and",
        "   unshifted symbols where there are no letters.",
        "",
        "5. By mouse-clicking on the appropriate key, check out the",
        "   Caps-Lock setting and adjust it where needed.",
        "",
        "6. Locate the old KBD file that you want to replace with the one",
        "   you are designing in the WINDOWOWS\\SYSTEM directory. ",
        "   Rename it so that it does not have the KBD extension anymore.",
        "   Selecting the File/Save save the new KBD file under the",
        "   previous name and location of the original file.",
        "",
        "7. Restart the system.",
        "",
    });
}

QStringList AdsLines() {
    return Lines({
        "",
        "Tavik's Keyboard Generator for Windows 95",
        "",
        "Your language has more than 26 letters? Make the keyboard",
        "fit it, not the other way round.",
        "",
        "Four layers for every one of the 49 keys, a whole code page",
        "to drag from, and a KBD file ready for Windows 95 at the end.",
        "",
        "Free software: pass it on to everyone who types in your",
        "language.",
        "",
        "This page is yours: type your own notes here. They stay",
        "until the program ends and are never saved.",
    });
}

} // namespace kbd
