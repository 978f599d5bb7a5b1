#pragma once
// The texts the display shows in Error status. Each stays until All Clear and
// never reads back as a number.

namespace zentra {

inline constexpr const char* kErrorText = "Error";  // not a number, or refused
inline constexpr const char* kOverflowErrorText = "Overflow Error";
inline constexpr const char* kDivideZeroErrorText = "Divide Zero Error";
inline constexpr const char* kNegativeRootErrorText = "Negative Root Error";
inline constexpr const char* kRangeErrorText = "Range Error";
inline constexpr const char* kLifeErrorText = "Error: life <= 0";
inline constexpr const char* kPrincipalErrorText = "Error: P <= 0";
inline constexpr const char* kNoDataText = "No Data";

}  // namespace zentra
