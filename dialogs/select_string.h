#pragma once
// The sorted drop-down lists of the units dialogs. Every host keeps its lists in
// the order given here and selects names through selectStringIndex, so that the
// window, zentra-cli and the tests agree on which entry a name selects.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

// Alphabetical order ignoring the case of ASCII letters; other bytes compare as
// unsigned values.
bool lessIgnoringCase(std::string_view a, std::string_view b);

// Where text goes in a list kept in that order: after every entry that does not
// sort after it, so entries equal but for case keep the order of insertion.
std::size_t sortedInsertIndex(const std::vector<std::string>& items, std::string_view text);

// The texts in the order that adding them one by one to an empty list gives,
// in O(n log n): a stable sort.
std::vector<std::string> sortedForList(const std::vector<std::string_view>& texts);

// The entry that selecting text picks: an entry equal to text byte for byte if
// the list has one, otherwise the first entry that begins with text, ignoring
// case. The exact match comes first so that "mm" never selects "Mm" (the two
// sort as equals). None when nothing matches; the selection then stays as it was.
std::optional<std::size_t> selectStringIndex(const std::vector<std::string>& items,
                                             std::string_view text);

// A list's contents and selection, for hosts without real controls (zentra-cli,
// the tests) and as the reference for those with them.
class SortedList {
public:
    void clear();
    // Returns where the text went.
    std::size_t add(std::string_view text);
    // The same order and selection as adding each text in turn, without the
    // quadratic cost of inserting one by one into a long list.
    void addAll(const std::vector<std::string_view>& texts);
    // Select-string; false when nothing matched (selection unchanged).
    bool selectString(std::string_view text);
    // The user's choice of an entry by its full text; false when there is none.
    bool selectExact(std::string_view text);
    void selectIndex(std::optional<std::size_t> index);

    const std::vector<std::string>& items() const { return items_; }
    std::optional<std::size_t> selectedIndex() const { return selected_; }
    std::optional<std::string> selectedText() const;

private:
    std::vector<std::string> items_;
    std::optional<std::size_t> selected_;
};

}  // namespace zentra
