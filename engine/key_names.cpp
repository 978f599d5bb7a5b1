#include "engine/key_names.h"

#include "engine/key_table.h"
#include "engine/number_bases.h"

namespace zentra {
namespace {

constexpr CommandId kHexLetterKeys[] = {CommandId::CmdConst, CommandId::CmdDeg, CommandId::CmdHyp,
                                        CommandId::CmdSin,   CommandId::CmdCos, CommandId::CmdTan};

}  // namespace

std::optional<CommandId> keyByName(std::string_view name) {
    for (const KeyRow& row : keyTable()) {
        if (row.names.name == name || (row.names.alias && row.names.alias == name)) return row.id;
    }
    return std::nullopt;
}

std::vector<std::string_view> keyNames() {
    std::vector<std::string_view> names;
    for (const KeyRow& row : keyTable()) {
        names.push_back(row.names.name);
        if (row.names.alias) names.push_back(row.names.alias);
    }
    return names;
}

std::optional<std::vector<CommandId>> keysOfNumber(std::string_view token, NumberBase base) {
    if (token.empty()) return std::nullopt;
    std::vector<CommandId> keys;
    keys.reserve(token.size());
    for (char c : token) {
        if (c >= '0' && c <= '9') {
            keys.push_back(static_cast<CommandId>(static_cast<int>(CommandId::Cmd0) + (c - '0')));
        } else if (c == '.') {
            keys.push_back(CommandId::CmdPoint);
        } else if (c == 'E' && !isIntegerBase(base)) {
            keys.push_back(CommandId::CmdExp);
        } else if (c >= 'A' && c <= 'F' && base == NumberBase::Hexadecimal) {
            keys.push_back(kHexLetterKeys[c - 'A']);
        } else {
            return std::nullopt;
        }
    }
    return keys;
}

std::optional<std::vector<std::uint32_t>> commandWordsOfToken(std::string_view token,
                                                              NumberBase base) {
    if (auto key = keyByName(token)) return std::vector<std::uint32_t>{commandWord(*key)};
    if (token.size() > 1 && token.size() <= 11 && token[0] == '#') {
        std::uint64_t word = 0;
        for (char c : token.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            word = word * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (word > 0xFFFFFFFFu) return std::nullopt;
        return std::vector<std::uint32_t>{static_cast<std::uint32_t>(word)};
    }
    auto keys = keysOfNumber(token, base);
    if (!keys) return std::nullopt;
    std::vector<std::uint32_t> words;
    words.reserve(keys->size());
    for (CommandId id : *keys) words.push_back(commandWord(id));
    return words;
}

}  // namespace zentra
