#include "PersistentId.h"

namespace lyrafon
{

uint64_t ParsePersistentId(const char* text)
{
    if (!text)
        return 0;
    uint64_t value = 0;
    for (const char* p = text; *p; ++p)
    {
        const char c = *p;
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return 0;
        value = (value << 4) | static_cast<uint64_t>(digit);
    }
    return value;
}

void FormatPersistentId(int32_t high, int32_t low, char* out)
{
    static const char digits[] = "0123456789ABCDEF";
    uint64_t value = (static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32) | static_cast<uint32_t>(low);
    for (int i = 15; i >= 0; --i)
    {
        out[i] = digits[value & 0xF];
        value >>= 4;
    }
    out[16] = '\0';
}

} // namespace lyrafon
