#pragma once
// The engine's texts are bytes with Latin-1 meaning (the degree sign is 0xBA);
// the tape and the terminal want UTF-8.

#include <string>
#include <string_view>

namespace zentra {

std::string latin1ToUtf8(std::string_view text);

}  // namespace zentra
