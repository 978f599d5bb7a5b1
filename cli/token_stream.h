#pragma once
// Tokens from the command line or from standard input: white-space separated,
// a token in double quotes may hold blanks. Any length is fine.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace zentra::cli {

struct Token {
    std::string text;
    std::size_t position = 0;  // 1-based, counted over all tokens
};

class TokenStream {
public:
    explicit TokenStream(std::vector<std::string> arguments);
    // Reads standard input; with lineMode, tokens are delivered a line at a time
    // and atLineEnd() tells when a line's tokens are used up.
    TokenStream(std::istream& input, bool lineMode);

    std::optional<Token> next();
    bool atLineEnd() const { return pending_.empty(); }

private:
    bool fillFromInput();

    std::vector<std::string> pending_;  // reversed: back() is the next token
    std::istream* input_ = nullptr;
    bool lineMode_ = false;
    std::size_t count_ = 0;
};

// Splits one line into tokens, honouring double quotes.
std::vector<std::string> splitTokens(const std::string& line);

}  // namespace zentra::cli
