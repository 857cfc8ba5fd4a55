#pragma once

#include <string_view>

namespace tidewell::update
{

// Compares dotted version numbers ("1.2.10" > "1.2.9"); missing parts count as 0 ("1.2" ==
// "1.2.0"), and a part's leading digits are its value (text after them is ignored).
// Returns <0, 0 or >0 like strcmp.
int CompareVersions(std::string_view a, std::string_view b);

} // namespace tidewell::update
