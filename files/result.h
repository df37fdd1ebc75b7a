// Outcome of a file operation: success, or an Error that tells what went wrong,
// with the path and the operating system's reason where there is one.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace kbd {

enum class ErrorKind {
    CannotOpen,       // the file could not be opened for reading
    NotRegularFile,   // a folder, FIFO, device or socket
    TooShort,         // fewer than 688 bytes
    NoSignature,      // "Tavik" at neither place in the header
    ReadFailed,       // an I/O error while reading
    IsFolder,         // the save target is a folder
    CannotCreate,     // the new file could not be created next to the target
    CannotWrite,      // writing or flushing the new file failed (a full disk, ...)
    CannotReplace,    // the new file could not be renamed over the target
    NotAKeyboardFile, // none of the kinds of keyboard file an import reads
    BadKeyboardFile,  // a kind an import reads, with content it refuses
};

// A short text for each kind, for messages.
std::string_view describe(ErrorKind kind);

struct Error {
    ErrorKind kind;
    std::string path;
    // The OS reason (strerror); for BadKeyboardFile what is wrong with the content;
    // else empty when the fault is in the data.
    std::string reason;

    // "describe(kind): path (reason)", for a message box or standard error.
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
