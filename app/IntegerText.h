#pragma once
// Text to integer as the birthday file and the year list need it: leading
// spaces, an optional sign, then decimal digits, or hexadecimal digits after
// "$", "x", "X", "0x" or "0X". Nothing else may follow, not even a space.

#include <string_view>

// Throws EConvertError "'<text>' is not a valid integer value" when the text
// is empty, holds any other character or lies outside the signed 32-bit range.
[[nodiscard]] int StrToInt(std::string_view text);
