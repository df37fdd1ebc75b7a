// The README.TXT of the install floppy: the installation steps, for someone sitting at
// the Windows 95 machine with nothing else to read.
#pragma once

#include <string>
#include <string_view>

namespace kbd::exports {

// ASCII with CRLF line ends, as DOS and Notepad read it. `kbdName` is the 8.3 name of
// the layout file beside it, "QZ.KBD".
std::string FloppyReadme(std::string_view kbdName);

} // namespace kbd::exports
