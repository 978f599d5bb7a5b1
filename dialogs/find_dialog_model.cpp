#include "dialogs/find_dialog_model.h"

namespace zentra {
namespace {

// Only a to z change. The search text gets the same conversion as the names,
// so a name is found when typed as it is shown, accented letters included.
std::string upperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool contains(std::string_view name, const std::string& upperNeedle) {
    return upperAscii(name).find(upperNeedle) != std::string::npos;
}

}  // namespace

std::string FindDialogModel::title() const {
    return includeConstants_ ? "Find Property, Units or Constant" : "Find Property or Units";
}

void FindDialogModel::accept(std::string_view typed) {
    searchText_ = std::string(typed);
    foundProperty = nullptr;
    foundUnit = nullptr;
    foundConstant = nullptr;
    const std::string needle = upperAscii(typed);
    for (Property& property : db_.properties) {
        if (contains(property.name, needle)) {
            foundProperty = &property;
            return;
        }
        for (Unit& unit : property.units) {
            if (contains(unit.name, needle)) {
                foundProperty = &property;
                foundUnit = &unit;
                return;
            }
        }
        if (!includeConstants_) continue;
        for (Constant& constant : property.constants) {
            if (contains(constant.name, needle)) {
                foundProperty = &property;
                foundConstant = &constant;
                return;
            }
        }
    }
}

}  // namespace zentra
