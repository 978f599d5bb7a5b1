#include "cli/token_stream.h"

#include <algorithm>
#include <cctype>

namespace zentra::cli {

std::vector<std::string> splitTokens(const std::string& line) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i >= line.size()) break;
        std::string token;
        bool quoted = false;
        while (i < line.size() && (quoted || !std::isspace(static_cast<unsigned char>(line[i])))) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                token += line[i];
            ++i;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

TokenStream::TokenStream(std::vector<std::string> arguments) : pending_(std::move(arguments)) {
    std::reverse(pending_.begin(), pending_.end());
}

TokenStream::TokenStream(std::istream& input, bool lineMode)
    : input_(&input), lineMode_(lineMode) {}

bool TokenStream::fillFromInput() {
    if (!input_) return false;
    std::string line;
    while (pending_.empty()) {
        if (!std::getline(*input_, line)) return false;
        pending_ = splitTokens(line);
        std::reverse(pending_.begin(), pending_.end());
        if (lineMode_ && pending_.empty()) continue;
    }
    return true;
}

std::optional<Token> TokenStream::next() {
    if (pending_.empty() && !fillFromInput()) return std::nullopt;
    Token token{std::move(pending_.back()), ++count_};
    pending_.pop_back();
    return token;
}

}  // namespace zentra::cli
