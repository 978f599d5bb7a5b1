// Prints zentra-cli's key names, one a line, for the build to put into the
// manual page and the shell completion.

#include <iostream>

#include "engine/key_names.h"

int main() {
    for (std::string_view name : zentra::keyNames()) std::cout << name << '\n';
    return 0;
}
