// A value or the reason there is none. Readers and computations of the core
// return this instead of throwing; the window or the command line turns the
// message into what the user sees.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vornax {

struct Failure {
    std::string message;
};

template <typename T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : error_(std::move(failure.message)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return error_; }

    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    T& value() { return *value_; }
    const T& value() const { return *value_; }

private:
    std::optional<T> value_;
    std::string error_;
};

// For operations that give nothing back but may fail.
struct Done {};
using Status = Result<Done>;
inline Status success() { return Done{}; }

// A value as a message quotes it: in double quotes, and a long one cut to its
// first `longest` bytes (never inside a UTF-8 character) with "…", so that a
// damaged field of ten thousand digits still gives a message that fits on a
// screen. Control characters (a line of a binary file: NUL, escape
// sequences) are written as \xNN, so that the message shows whole and a
// terminal never takes a file's bytes for commands.
inline std::string quotedValue(std::string_view text, std::size_t longest = 40)
{
    std::size_t cut = text.size();
    if (text.size() > longest) {
        cut = longest;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
    }
    std::string quoted = "\"";
    for (const char c : text.substr(0, cut)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            constexpr char hex[] = "0123456789ABCDEF";
            quoted += "\\x";
            quoted += hex[byte >> 4];
            quoted += hex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + (cut < text.size() ? "…\"" : "\"");
}

}  // namespace vornax
