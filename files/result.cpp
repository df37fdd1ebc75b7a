#include "result.h"

#include "excerpt.h"

namespace kbd {

std::string_view describe(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::CannotOpen:
        return "Cannot open the file";
    case ErrorKind::NotRegularFile:
        return "Not a regular file";
    case ErrorKind::TooShort:
        return "The file is shorter than 688 bytes";
    case ErrorKind::NoSignature:
        return "The file has no signature of this program";
    case ErrorKind::ReadFailed:
        return "Cannot read the file";
    case ErrorKind::IsFolder:
        return "The path names a folder";
    case ErrorKind::CannotCreate:
        return "Cannot create the file";
    case ErrorKind::CannotWrite:
        return "Cannot write the file";
    case ErrorKind::CannotReplace:
        return "Cannot replace the file";
    case ErrorKind::BadKeyboardData:
        return "The keyboard file's tables are malformed";
    case ErrorKind::LinkRefused:
        return "Not following the symbolic link";
    case ErrorKind::BadContents:
        return "Not a layout";
    case ErrorKind::NotAKeyboardFile:
        return "Not a keyboard file this program reads (a Windows .KBD file, an MSKLC .klc "
               "source, an XKB symbols file or a JSON layout)";
    case ErrorKind::BadKeyboardFile:
        return "The keyboard file cannot be read";
    case ErrorKind::NotExportable:
        return "The layout cannot be written in this format";
    case ErrorKind::Refused:
        return "Refused";
    }
    return "Unknown error";
}

std::string Error::message() const {
    // The format's own words name the field at fault; "Not a layout" would add nothing.
    if (kind == ErrorKind::BadContents || kind == ErrorKind::NotExportable) {
        return Escaped(path) + ": " + Escaped(reason);
    }
    // The sentence names the file where it is the right place to.
    if (kind == ErrorKind::Refused) {
        return Escaped(reason);
    }
    std::string text(describe(kind));
    if (!path.empty()) {
        text += ": ";
        text += Escaped(path);
    }
    if (!reason.empty()) {
        text += " (";
        text += Escaped(reason);
        text += ")";
    }
    return text;
}

} // namespace kbd
