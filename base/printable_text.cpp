#include "base/printable_text.h"

#include <array>

namespace zentra {
namespace {

// Length of the well-formed UTF-8 sequence at text[i] and its code point, or 0.
std::size_t sequenceAt(std::string_view text, std::size_t i, char32_t& code) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

// C0, DEL and the C1 controls (a terminal takes U+009B as CSI).
bool isControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

void appendHex(std::string& out, unsigned char byte) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

}  // namespace

std::string printableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t code = 0;
        const std::size_t length = sequenceAt(text, i, code);
        if (length == 0 || isControl(code)) {
            for (std::size_t k = 0; k < (length == 0 ? 1 : length); ++k)
                appendHex(out, static_cast<unsigned char>(text[i + k]));
            i += length == 0 ? 1 : length;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

bool isUtf8(std::string_view text) {
    char32_t code = 0;
    for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
        length = sequenceAt(text, i, code);
        if (length == 0) return false;
    }
    return true;
}

}  // namespace zentra
