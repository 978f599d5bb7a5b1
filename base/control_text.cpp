#include "base/control_text.h"

#include <algorithm>

namespace zentra {
namespace {

// The length of the control character at text[i], or 0 when there is none.
std::size_t controlLength(std::string_view text, std::size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) return 1;
    if (byte == 0xC2 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (next >= 0x80 && next <= 0x9F) return 2;
    }
    return 0;
}

// The length of the blank (a space or a no-break space) at text[i], or 0.
std::size_t blankLength(std::string_view text, std::size_t i) {
    if (text[i] == ' ') return 1;
    if (text.substr(i, 2) == "\xC2\xA0") return 2;
    return 0;
}

}  // namespace

std::string pastedLine(std::string_view clipboard) {
    std::size_t start = 0;
    while (start < clipboard.size()) {
        const std::size_t skip =
            std::max(controlLength(clipboard, start), blankLength(clipboard, start));
        if (skip == 0) break;
        start += skip;
    }
    std::size_t end = start;
    while (end < clipboard.size() && controlLength(clipboard, end) == 0) ++end;
    std::string_view line = clipboard.substr(start, end - start);
    while (!line.empty()) {
        if (line.back() == ' ') {
            line.remove_suffix(1);
        } else if (line.size() >= 2 && line.substr(line.size() - 2) == "\xC2\xA0") {
            line.remove_suffix(2);
        } else {
            break;
        }
    }
    return std::string(line);
}

void dropControlCharactersFrom(std::string& text, std::size_t first) {
    std::size_t out = first;
    for (std::size_t i = out; i < text.size();) {
        if (const std::size_t skip = controlLength(text, i)) {
            i += skip;
            continue;
        }
        text[out++] = text[i++];
    }
    text.resize(out);
}

}  // namespace zentra
