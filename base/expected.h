#pragma once
// What an operation that can fail gives back: its value, or the text that says
// why not, for the host to show. One shape for every such operation, so that a
// caller cannot read an empty text as success or forget a problems list.
// RuntimeProblem stays what abandons a key half-way; this is for the rest.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace zentra {

// Why an operation failed, in words for the user.
struct Failure {
    std::string text;
};

inline Failure failure(std::string text) {
    return Failure{std::move(text)};
}

template <class T = void>
class [[nodiscard]] Expected {
public:
    Expected(T value) : content_(std::in_place_index<0>, std::move(value)) {}
    Expected(Failure failed) : content_(std::in_place_index<1>, std::move(failed)) {}

    bool ok() const { return content_.index() == 0; }
    explicit operator bool() const { return ok(); }
    // Only when ok().
    T& value() { return std::get<0>(content_); }
    const T& value() const { return std::get<0>(content_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    // Only when !ok().
    const std::string& error() const { return std::get<1>(content_).text; }

private:
    std::variant<T, Failure> content_;
};

template <>
class [[nodiscard]] Expected<void> {
public:
    Expected() = default;
    Expected(Failure failed) : failed_(true), error_(std::move(failed.text)) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return error_; }

private:
    bool failed_ = false;
    std::string error_;
};

// Where the libraries' messages for the user go: the window shows a message
// box, zentra-cli writes standard error, a test records them. Passed in by the
// host; nothing below the hosts writes to a stream of its own.
using MessageSink = std::function<void(std::string_view text, std::string_view caption)>;

}  // namespace zentra
