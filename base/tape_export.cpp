#include "base/tape_export.h"

#include "base/message_texts.h"

namespace zentra {
namespace {

struct FormatName {
    std::string_view name;
    TapeFormat format;
};

constexpr FormatName kFormatNames[] = {{"text", TapeFormat::Text}, {"csv", TapeFormat::Csv}};

// The kind column in words, so that a spreadsheet can filter on it.
std::string_view kindName(TapeKind kind) {
    switch (kind) {
        case TapeKind::Operation:
            return "operation";
        case TapeKind::Result:
            return "result";
        case TapeKind::Function:
            return "function";
        case TapeKind::MemoryStore:
            return "memory";
        case TapeKind::DataPoint:
            return "data";
        case TapeKind::Conversion:
            return "conversion";
        case TapeKind::Error:
            return "error";
        case TapeKind::Separator:
            return "separator";
        case TapeKind::MemoryRecall:
            return "recall";
        case TapeKind::Setting:
            return "setting";
    }
    return "";
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void appendField(std::string& row, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        row += field;
        return;
    }
    row += '"';
    for (char c : field) {
        if (c == '"') row += '"';
        row += c;
    }
    row += '"';
}

void appendRow(std::string& csv, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) csv += ',';
        first = false;
        appendField(csv, field);
    }
    csv += "\r\n";
}

}  // namespace

std::optional<TapeFormat> tapeFormatNamed(std::string_view name) {
    for (const FormatName& entry : kFormatNames)
        if (entry.name == name) return entry.format;
    return std::nullopt;
}

std::string tapeCsv(const Tape& tape) {
    std::string csv;
    appendRow(csv, {"kind", "value", "key", "result", "detail", "line"});
    if (tape.droppedEarlier()) appendRow(csv, {"dropped", "", "", "", "", kTapeDroppedText});
    for (std::size_t i = 0; i < tape.size(); ++i) {
        const TapeEntry& e = tape[i];
        appendRow(csv, {kindName(e.kind), trimmed(e.value), e.key, trimmed(e.result), e.detail,
                        tapeLineText(e)});
    }
    return csv;
}

std::string tapeIn(const Tape& tape, TapeFormat format) {
    switch (format) {
        case TapeFormat::Text:
            return tapeText(tape);
        case TapeFormat::Csv:
            return tapeCsv(tape);
    }
    return {};
}

}  // namespace zentra
