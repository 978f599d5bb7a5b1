#include "engine/key_names.h"

#include <iterator>
#include <utility>

#include "engine/number_bases.h"

namespace zentra {
namespace {

constexpr std::pair<std::string_view, CommandId> kKeyNames[] = {
    {"0", CommandId::Cmd0},
    {"1", CommandId::Cmd1},
    {"2", CommandId::Cmd2},
    {"3", CommandId::Cmd3},
    {"4", CommandId::Cmd4},
    {"5", CommandId::Cmd5},
    {"6", CommandId::Cmd6},
    {"7", CommandId::Cmd7},
    {"8", CommandId::Cmd8},
    {"9", CommandId::Cmd9},
    {".", CommandId::CmdPoint},
    {"EXP", CommandId::CmdExp},
    {"+/-", CommandId::CmdChangeSign},
    {"<", CommandId::CmdBackspace},
    {"+", CommandId::CmdAdd},
    {"-", CommandId::CmdSubtract},
    {"X", CommandId::CmdMultiply},
    {"*", CommandId::CmdMultiply},
    {"/", CommandId::CmdDivide},
    {"Pow", CommandId::CmdPow},
    {"=", CommandId::CmdEquals},
    {"(", CommandId::CmdOpenBracket},
    {"(...", CommandId::CmdOpenBracket},
    {")", CommandId::CmdCloseBracket},
    {"...)", CommandId::CmdCloseBracket},
    {"C", CommandId::CmdClear},
    {"AC", CommandId::CmdAllClear},
    {"shift", CommandId::CmdShift},
    {"1/X", CommandId::CmdReciprocal},
    {"sqrt", CommandId::CmdSqrt},
    {"sqr", CommandId::CmdSqr},
    {"log", CommandId::CmdLog},
    {"ln", CommandId::CmdLn},
    {"const", CommandId::CmdConst},
    {"deg", CommandId::CmdDeg},
    {"hyp", CommandId::CmdHyp},
    {"sin", CommandId::CmdSin},
    {"cos", CommandId::CmdCos},
    {"tan", CommandId::CmdTan},
    {"Min", CommandId::CmdMemoryIn},
    {"MR", CommandId::CmdMemoryRecall},
    {"M+", CommandId::CmdMemoryAdd},
    {"unit", CommandId::CmdUnit},
    {"mode", CommandId::CmdMode},
    {"copy", CommandId::CmdCopy},
    {"paste", CommandId::CmdPaste},
    {"Help", CommandId::CmdHelp},
    {"%", CommandId::CmdPercent},
};

constexpr CommandId kHexLetterKeys[] = {CommandId::CmdConst, CommandId::CmdDeg, CommandId::CmdHyp,
                                        CommandId::CmdSin,   CommandId::CmdCos, CommandId::CmdTan};

}  // namespace

std::optional<CommandId> keyByName(std::string_view name) {
    for (const auto& [text, id] : kKeyNames)
        if (text == name) return id;
    return std::nullopt;
}

std::vector<std::string_view> keyNames() {
    std::vector<std::string_view> names;
    names.reserve(std::size(kKeyNames));
    for (const auto& entry : kKeyNames) names.push_back(entry.first);
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
