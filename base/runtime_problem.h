#pragma once
// Runtime problems: failures that abandon the command in progress (a database
// look-up that finds nothing, a floating-point exception). The report shows a
// message through the presenter it is given (the database's, or the one a host
// passes to its dispatch), then throws RuntimeProblem, which the host's command
// dispatch catches and discards. Nothing else in Zentra throws.

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zentra {

struct RuntimeProblemEntry {
    std::int32_t code;
    char text[84];  // NUL-terminated, NUL-padded
};

// 155 problem texts (codes 0 to 154; the entry of 136 stands before that of
// 135) and a closing entry whose text begins with a blank. The texts are those
// of a general-purpose interpreter; the calculator shows only a few of them.
inline constexpr std::size_t kRuntimeProblemCount = 156;
extern const std::array<RuntimeProblemEntry, kRuntimeProblemCount> RuntimeProblemTable;

// The problem codes this program raises.
inline constexpr int kSyntaxProblem = 0;
inline constexpr int kArithmeticProblem = 126;

// The table's text for code. The walk stops at the closing entry, so a code
// that is not in the table gives " Error message failure!" (leading blank).
std::string_view runtimeProblemText(int code);

// "Runtime Problem: " + text, then " '" + detail + "'" when a detail is given
// (an empty detail still gives the two quotes).
std::string runtimeProblemMessage(int code, std::optional<std::string_view> detail = std::nullopt);

class RuntimeProblem : public std::exception {
public:
    RuntimeProblem(int code, std::string message) : code_(code), message_(std::move(message)) {}
    int code() const noexcept { return code_; }
    const std::string& message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    int code_;
    std::string message_;
};

// A host's way of showing a problem (the window: a stop-icon message box; the
// terminal: standard error).
using RuntimeProblemPresenter = std::function<void(const std::string& message)>;

// Shows the message through presenter. Every host sets its own; without one
// the message is dropped (a library writes to no stream of its own).
void presentRuntimeProblem(const RuntimeProblemPresenter& presenter, const std::string& message);

// Shows the message, then abandons the command by throwing RuntimeProblem.
[[noreturn]] void reportRuntimeProblem(const RuntimeProblemPresenter& presenter, int code,
                                       std::optional<std::string_view> detail = std::nullopt);

}  // namespace zentra
