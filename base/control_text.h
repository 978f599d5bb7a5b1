#pragma once
// Text that must hold no control character: a line pasted into the display,
// and the texts of a tape entry. UTF-8; the C0 controls, DEL and the C1
// controls (U+0080 to U+009F) count as control characters.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zentra {

// What a paste puts into the display: the clipboard's first line without the
// white space around it. The line ends at a line break or any other control
// character, so the first cell of a row copied from a spreadsheet (cells
// separated by tabs) is pasted, and white space or line breaks before the
// first text are skipped.
std::string pastedLine(std::string_view clipboard);

// A byte that may begin a control character: a C0 control, DEL, or the lead
// byte of the C1 controls (which also leads other Latin-1 letters). A table,
// as the tape looks up every byte of every step's texts.
inline constexpr auto kMayBeginControl = [] {
    std::array<bool, 256> table{};
    for (std::size_t byte = 0; byte < 0x20; ++byte) table[byte] = true;
    table[0x7F] = true;
    table[0xC2] = true;
    return table;
}();
constexpr bool mayBeginControl(char c) {
    return kMayBeginControl[static_cast<unsigned char>(c)];
}

// Removes the control characters from text at and after first, in place.
void dropControlCharactersFrom(std::string& text, std::size_t first);

// Removes every control character from text, in place. Nearly every text has
// none: the look for the first stays inline and moves nothing.
inline void dropControlCharacters(std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (mayBeginControl(text[i])) {
            dropControlCharactersFrom(text, i);
            return;
        }
    }
}

}  // namespace zentra
