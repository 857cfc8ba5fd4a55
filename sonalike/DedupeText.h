#pragma once

#include "sonalike_audio_types.h"

#include <string>
#include <string_view>

namespace sonalike
{

// Lower-case audio extensions, each between semicolons.
inline constexpr std::string_view kAudioExtensions = SONALIKE_AUDIO_EXTENSIONS;

// Replaces each occurrence from the start; the search goes on after the inserted replacement.
std::string ReplaceAll(std::string text, std::string_view needle, std::string_view replacement);
// File name without folder and without the part from its last '.'; '\' counts as '/'.
std::string BaseNameNoExt(std::string_view text);
// The text after the last '.', lower-cased byte by byte; empty without a '.'.
std::string LowerExtension(std::string_view name);
// Whether ";" + extension + ";" occurs in the list.
bool ExtensionInList(std::string_view extension, std::string_view list);
// Removes every plain space.
std::string StripSpaces(std::string_view text);

} // namespace sonalike
