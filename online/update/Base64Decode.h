#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tidewell::update
{

// Decodes base64 (RFC 4648 alphabet, "=" padding). Line breaks and other ASCII white space
// between the characters are skipped; the padding may be left out. Any other character, or a
// lone trailing character, makes the text invalid: no value.
std::optional<std::string> Base64Decode(std::string_view text);

} // namespace tidewell::update
