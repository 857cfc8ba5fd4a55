#pragma once

#include <cstddef>

namespace lyrafon
{

// Conversions between the agent's UTF-8 and iTunes's UTF-16 strings. Each allocates its result
// with malloc (the caller frees it with free()) and answers the units written including the NUL;
// a null input or a null result address gives 0 and allocates nothing.
size_t Utf16ToUtf8Alloc(const char16_t* text, char** result);
size_t Utf8ToUtf16Alloc(const char* text, char16_t** result);

} // namespace lyrafon
