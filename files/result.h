// Outcome of a file operation: success, or an Error that tells what went wrong,
// with the path and the operating system's reason where there is one.
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
};

// A short text for each kind, for messages.
std::string_view describe(ErrorKind kind);

struct Error {
    ErrorKind kind;
    std::string path;
    // The OS reason (strerror); for LinkRefused, BadContents and BadKeyboardFile what is wrong.
    // Empty when the kind says it all.
    std::string reason;

    // "describe(kind): path (reason)", or "path: reason" for BadContents, for a message
    // box or standard error; control characters of the path and reason are escaped.
    std::string message() const;
};

template <class T> class Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Error error) : v_(std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    const T& value() const { return std::get<0>(v_); }
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
