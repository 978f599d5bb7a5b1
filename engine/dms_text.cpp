#include "engine/dms_text.h"

#include <cmath>
#include <cstdint>

#include "engine/number_bases.h"

namespace zentra {
namespace {

// The text is built in a 32-character buffer with its terminator.
constexpr std::size_t kDmsTextLimit = 31;
constexpr std::int64_t kThousandthsPerMinute = 60000;

}  // namespace

std::optional<std::string> dmsText(double x) {
    // Degrees truncate toward zero; only values whose degrees fit a signed
    // 32-bit word give a meaningful text (this also rejects infinities).
    if (!(x > -2147483649.0 && x < 2147483648.0)) return std::nullopt;
    const std::int32_t wholeDegrees = wordOf(x);
    const double minutesExact = (x - wholeDegrees) * 60.0;
    const std::int32_t wholeMinutes = wordOf(minutesExact);
    const double secondsExact = (minutesExact - wholeMinutes) * 60.0;

    // The seconds are rounded to the thousandths shown before anything is
    // written, and a full minute carries on: 1.2 is 1 º 12' 0.000", never
    // 1 º 11' 60.000".
    const std::int64_t sign = x < 0.0 ? -1 : 1;
    std::int64_t degrees = wholeDegrees;
    std::int64_t minutes = wholeMinutes;
    std::int64_t thousandths = std::llround(secondsExact * 1000.0);
    if (thousandths * sign >= kThousandthsPerMinute) {
        thousandths -= sign * kThousandthsPerMinute;
        minutes += sign;
    }
    if (minutes * sign >= 60) {
        minutes -= sign * 60;
        degrees += sign;
    }

    // A negative angle keeps its sign in the degrees even when they are 0.
    std::string text = degrees == 0 && sign < 0 ? "-0" : std::to_string(degrees);
    text += " \xBA ";
    text += std::to_string(minutes);
    text += "' ";
    if (thousandths < 0) text += '-';
    const std::int64_t magnitude = thousandths < 0 ? -thousandths : thousandths;
    const std::string fraction = std::to_string(1000 + magnitude % 1000);
    text += std::to_string(magnitude / 1000) + '.' + fraction.substr(1);
    text += '"';
    if (text.size() > kDmsTextLimit) return std::nullopt;
    return text;
}

}  // namespace zentra
