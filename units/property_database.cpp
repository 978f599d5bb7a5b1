#include "units/property_database.h"

namespace zentra {

Unit& blankUnit() {
    static Unit blank{"", 1.0, 0.0};
    return blank;
}

Property& standaloneDimensionless() {
    static Property dimensionless{"dimensionless", {}, {}, &blankUnit(), {}, {}};
    return dimensionless;
}

PropertyDatabase& globalDatabase() {
    static PropertyDatabase database;
    return database;
}

}  // namespace zentra
