#include "TextConvert.h"

#include "ITunesHost.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace lyrafon
{

size_t Utf16ToUtf8Alloc(const char16_t* text, char** result)
{
    if (!text || !result)
        return 0;
    const std::string utf8 = tidewell::ithost::toUtf8(std::u16string(text));
    auto* out = static_cast<char*>(std::malloc(utf8.size() + 1));
    if (!out)
        return 0;
    std::memcpy(out, utf8.c_str(), utf8.size() + 1);
    *result = out;
    return utf8.size() + 1;
}

size_t Utf8ToUtf16Alloc(const char* text, char16_t** result)
{
    if (!text || !result)
        return 0;
    const std::u16string utf16 = tidewell::ithost::toUtf16(text);
    auto* out = static_cast<char16_t*>(std::malloc((utf16.size() + 1) * sizeof(char16_t)));
    if (!out)
        return 0;
    std::memcpy(out, utf16.c_str(), (utf16.size() + 1) * sizeof(char16_t));
    *result = out;
    return utf16.size() + 1;
}

} // namespace lyrafon
