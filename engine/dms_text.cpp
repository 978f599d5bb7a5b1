#include "engine/dms_text.h"

#include <cstdint>

#include "engine/number_bases.h"
#include "units/number_text.h"

namespace zentra {
namespace {

// The text is built in a 32-character buffer with its terminator.
constexpr std::size_t kDmsTextLimit = 31;

}  // namespace

std::optional<std::string> dmsText(double x) {
    // Degrees truncate toward zero; only values whose degrees fit a signed
    // 32-bit word give a meaningful text (this also rejects infinities).
    if (!(x > -2147483649.0 && x < 2147483648.0)) return std::nullopt;
    const std::int32_t degrees = wordOf(x);
    const double minutesExact = (x - degrees) * 60.0;
    const std::int32_t minutes = wordOf(minutesExact);
    const double seconds = (minutesExact - minutes) * 60.0;

    std::string text = std::to_string(degrees);
    text += " \xBA ";
    text += std::to_string(minutes);
    text += "' ";
    text += formatDouble(seconds, 'f', 3, /*alternate=*/false);
    text += '"';
    if (text.size() > kDmsTextLimit) return std::nullopt;
    return text;
}

}  // namespace zentra
