#pragma once
// The layers below speak std::string_view: their texts as Qt strings.

#include <QString>
#include <string_view>

namespace zentra {

// The tape's and the dialogs' texts, which are UTF-8.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The display's and the database's texts, which are Latin-1.
inline QString fromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zentra
