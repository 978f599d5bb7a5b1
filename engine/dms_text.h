#pragma once
// Degrees-minutes-seconds text of the shifted deg key: 12.51 becomes
// 12 º 30' 36.000" (the degree sign is byte 0xBA).

#include <optional>
#include <string>

namespace zentra {

// Every part carries the sign of x, the degrees even when they are 0. The
// seconds are rounded to thousandths and a full minute carries on. Nothing when
// the degrees do not fit a 32-bit integer (or x is not finite): the truncations
// would wrap and the text would be meaningless.
std::optional<std::string> dmsText(double x);

}  // namespace zentra
