// What a file operation or any other step the user asked for gives back: its value, or an
// Error that tells what went wrong, with the path and the operating system's reason
// where there is one.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace kbd {

enum class ErrorKind {
    CannotOpen,     // the file could not be opened for reading
    NotRegularFile, // a folder, FIFO, device or socket
    TooShort,       // fewer than 688 bytes
    NoSignature,    // "Tavik" at neither place in the header
    ReadFailed,     // an I/O error while reading
    IsFolder,       // the save target is a folder
    CannotCreate,   // the new file could not be created next to the target
    CannotWrite,    // writing or flushing the new file failed (a full disk, ...)
    CannotReplace,  // the new file could not be renamed over the target
    // A keyboard file whose tables Windows' keyboard driver cannot use.
    BadKeyboardData,
    LinkRefused,      // a symbolic link on the way that the kernel would not follow either
    BadContents,      // the file's text is not what its format allows; the reason says why
    NotAKeyboardFile, // none of the kinds of keyboard file an import reads
    BadKeyboardFile,  // a kind an import reads, with content it refuses
    // The layout has what the export's format cannot hold; the reason says what.
    NotExportable,
    // A step refused with one ready sentence that names what it refused and why.
    Refused,
};

// A short text for each kind, for messages.
std::string_view describe(ErrorKind kind);

struct Error {
    ErrorKind kind;
    std::string path;
    // The OS reason (strerror); for LinkRefused, BadContents, BadKeyboardFile and
    // NotExportable what is wrong; for Refused the whole sentence. Empty when the kind says
    // it all.
    std::string reason;

    // "describe(kind): path (reason)", "path: reason" for BadContents and NotExportable, or
    // the reason alone for Refused, for a message box or standard error; control characters
    // of the path and reason are escaped.
    std::string message() const;
};

// A Refused error: `sentence` is what the user reads.
inline Error Refusal(std::string sentence) {
    return Error{ErrorKind::Refused, {}, std::move(sentence)};
}

template <class T> class Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Error error) : v_(std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    const T& value() const { return std::get<0>(v_); }
    T& value() { return std::get<0>(v_); }
    const Error& error() const { return std::get<1>(v_); }

private:
    std::variant<T, Error> v_;
};

struct Done {};
using Status = Result<Done>;

inline Status Success() {
    return Done{};
}

} // namespace kbd
