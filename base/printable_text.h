#pragma once
// Text from outside (a token, a file name) as a message may show it on a
// terminal: control characters and bytes that are not UTF-8 become \xHH, so
// nothing the text holds can send the terminal a control sequence.

#include <string>
#include <string_view>

namespace zentra {

std::string printableText(std::string_view text);

// Well-formed UTF-8 without overlong forms, surrogates or code points past U+10FFFF.
bool isUtf8(std::string_view text);

}  // namespace zentra
