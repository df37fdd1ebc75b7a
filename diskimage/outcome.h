// What a step on a disk image gives back: its value, or one sentence that names the image
// and the reason it was refused, for a message box or standard error.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace kbd::diskimage {

struct Refusal {
    std::string message;
};

template <class T> class Outcome {
public:
    Outcome(T value) : v_(std::move(value)) {}
    Outcome(Refusal refusal) : v_(std::move(refusal)) {}

    bool ok() const { return v_.index() == 0; }
    const T& value() const { return std::get<0>(v_); }
    T& value() { return std::get<0>(v_); }
    const std::string& refusal() const { return std::get<1>(v_).message; }

private:
    std::variant<T, Refusal> v_;
};

struct Nothing {};
using Step = Outcome<Nothing>;

inline Step Fine() {
    return Nothing{};
}

} // namespace kbd::diskimage
