#include "units/select_string.h"

#include <algorithm>

namespace zentra {
namespace {

unsigned char lowerAscii(char c) {
    auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lowerAscii(text[i]) != lowerAscii(prefix[i])) return false;
    }
    return true;
}

}  // namespace

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return lowerAscii(x) < lowerAscii(y);
    });
}

std::size_t sortedInsertIndex(const std::vector<std::string>& items, std::string_view text) {
    auto at = std::upper_bound(
        items.begin(), items.end(), text,
        [](std::string_view t, const std::string& item) { return lessIgnoringCase(t, item); });
    return static_cast<std::size_t>(at - items.begin());
}

std::optional<std::size_t> selectStringIndex(const std::vector<std::string>& items,
                                             std::string_view text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) return i;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (startsWithIgnoringCase(items[i], text)) return i;
    }
    return std::nullopt;
}

void SortedList::clear() {
    items_.clear();
    selected_.reset();
}

void SortedList::add(std::string_view text) {
    std::size_t at = sortedInsertIndex(items_, text);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::string(text));
    if (selected_ && *selected_ >= at) ++*selected_;
}

bool SortedList::selectString(std::string_view text) {
    auto index = selectStringIndex(items_, text);
    if (index) selected_ = index;
    return index.has_value();
}

bool SortedList::selectExact(std::string_view text) {
    auto it = std::find(items_.begin(), items_.end(), text);
    if (it == items_.end()) return false;
    selected_ = static_cast<std::size_t>(it - items_.begin());
    return true;
}

void SortedList::selectIndex(std::optional<std::size_t> index) {
    selected_ = (index && *index < items_.size()) ? index : std::nullopt;
}

std::optional<std::string> SortedList::selectedText() const {
    if (!selected_) return std::nullopt;
    return items_[*selected_];
}

}  // namespace zentra
