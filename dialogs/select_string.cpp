#include "dialogs/select_string.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

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

// The first 16 bytes with ASCII letters folded, most significant first and
// padded with zero bytes: where two prefixes differ, they order as
// lessIgnoringCase orders the texts.
std::array<std::uint64_t, 2> foldedPrefix(std::string_view text) {
    std::array<std::uint64_t, 2> prefix{};
    for (std::size_t i = 0; i < 16; ++i) {
        const unsigned char byte = i < text.size() ? lowerAscii(text[i]) : 0;
        prefix[i / 8] = prefix[i / 8] << 8 | byte;
    }
    return prefix;
}

}  // namespace

// Lists of many thousands of names are sorted with this: names often share a
// long prefix, so equal bytes are skipped before any case is folded.
bool lessIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] == b[i]) continue;
        const unsigned char x = lowerAscii(a[i]);
        const unsigned char y = lowerAscii(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

std::size_t sortedInsertIndex(const std::vector<std::string>& items, std::string_view text) {
    auto at = std::upper_bound(
        items.begin(), items.end(), text,
        [](std::string_view t, const std::string& item) { return lessIgnoringCase(t, item); });
    return static_cast<std::size_t>(at - items.begin());
}

std::vector<std::string> sortedForList(const std::vector<std::string_view>& texts) {
    // The sort compares each name many times. Folded copies side by side, and
    // the first bytes beside each entry, keep those comparisons in the cache
    // instead of reaching for names scattered over the database.
    struct Entry {
        std::array<std::uint64_t, 2> prefix;
        std::size_t folded;  // where its folded copy starts
        std::string_view text;
    };
    std::size_t total = 0;
    for (std::string_view text : texts) total += text.size();
    // Names of one database list often begin alike ("constant unit ..."); the
    // bytes they all share decide nothing, so the prefixes start after them.
    std::size_t shared = texts.empty() ? 0 : texts.front().size();
    for (std::string_view text : texts) {
        std::size_t i = 0;
        while (i < shared && i < text.size() && lowerAscii(text[i]) == lowerAscii(texts.front()[i]))
            ++i;
        shared = i;
    }
    std::string folded;
    folded.reserve(total - shared * texts.size());
    std::vector<Entry> order;
    order.reserve(texts.size());
    for (std::string_view text : texts) {
        const std::string_view rest = text.substr(shared);
        order.push_back({foldedPrefix(rest), folded.size(), text});
        for (char c : rest) folded.push_back(static_cast<char>(lowerAscii(c)));
    }
    const std::string_view all(folded);
    std::stable_sort(order.begin(), order.end(), [all, shared](const Entry& a, const Entry& b) {
        if (a.prefix[0] != b.prefix[0]) return a.prefix[0] < b.prefix[0];
        if (a.prefix[1] != b.prefix[1]) return a.prefix[1] < b.prefix[1];
        const std::size_t aRest = a.text.size() - shared, bRest = b.text.size() - shared;
        // Equal prefixes of two short texts: the shorter is a prefix of the other.
        if (aRest <= 16 && bRest <= 16) return aRest < bRest;
        // Folded bytes compare as unsigned values, as lessIgnoringCase does.
        return all.substr(a.folded, aRest) < all.substr(b.folded, bRest);
    });
    std::vector<std::string> sorted;
    sorted.reserve(order.size());
    for (const Entry& entry : order) sorted.emplace_back(entry.text);
    return sorted;
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

std::size_t SortedList::add(std::string_view text) {
    std::size_t at = sortedInsertIndex(items_, text);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::string(text));
    if (selected_ && *selected_ >= at) ++*selected_;
    return at;
}

void SortedList::addAll(const std::vector<std::string_view>& texts) {
    std::vector<std::string> added = sortedForList(texts);
    // A new entry goes after the old ones it ties with, so only those that sort
    // strictly before the selected entry move it down.
    if (selected_) {
        *selected_ += static_cast<std::size_t>(
            std::lower_bound(added.begin(), added.end(), items_[*selected_], lessIgnoringCase) -
            added.begin());
    }
    const auto old = static_cast<std::ptrdiff_t>(items_.size());
    items_.insert(items_.end(), std::make_move_iterator(added.begin()),
                  std::make_move_iterator(added.end()));
    // Stable: of equal entries, the old come first.
    std::inplace_merge(items_.begin(), items_.begin() + old, items_.end(), lessIgnoringCase);
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
