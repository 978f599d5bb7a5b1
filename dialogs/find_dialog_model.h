#pragma once
// The Find dialog: a search string looked for in the names of the properties,
// their units and (optionally) their constants.

#include <string>
#include <string_view>

#include "dialogs/dialog_view.h"
#include "units/property_database.h"

namespace zentra {

class FindDialogModel {
public:
    static constexpr ControlId kSearchEdit = 1171;

    explicit FindDialogModel(PropertyDatabase& db, bool includeConstants = true)
        : db_(db), includeConstants_(includeConstants) {}

    std::string title() const;
    bool includeConstants() const { return includeConstants_; }
    // The edit's first text.
    const std::string& searchText() const { return searchText_; }

    // OK: searches with the typed text and ends the dialog, found or not. The
    // first match wins: database order, and within a property its own name,
    // then its units, then its constants. Case is ignored for ASCII letters.
    void accept(std::string_view typed);

    Property* foundProperty = nullptr;
    Unit* foundUnit = nullptr;
    Constant* foundConstant = nullptr;

private:
    PropertyDatabase& db_;
    bool includeConstants_;
    std::string searchText_;
};

}  // namespace zentra
