#pragma once

#include <cstdint>

namespace lyrafon
{

// A persistent ID's value from its text: hexadecimal digits of either case, read in order (digits
// beyond the sixteenth shift the oldest out); null or any other character gives 0.
uint64_t ParsePersistentId(const char* text);

// Writes the 16 upper-case hexadecimal digits of (high << 32 | low), high half first, and a NUL
// into `out` (17 bytes).
void FormatPersistentId(int32_t high, int32_t low, char* out);

} // namespace lyrafon
