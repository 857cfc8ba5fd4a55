#include "VersionCompare.h"

#include <cstdint>

namespace tidewell::update
{

namespace
{

// Reads the next dotted part starting at pos; advances pos past its dot.
std::uint64_t NextPart(std::string_view text, size_t& pos)
{
    std::uint64_t value = 0;
    size_t i = pos;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
    {
        if (value < UINT64_MAX / 10)
            value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        ++i;
    }
    while (i < text.size() && text[i] != '.')
        ++i;
    pos = i < text.size() ? i + 1 : text.size();
    return value;
}

} // namespace

int CompareVersions(std::string_view a, std::string_view b)
{
    size_t pa = 0;
    size_t pb = 0;
    while (pa < a.size() || pb < b.size())
    {
        const std::uint64_t x = pa < a.size() ? NextPart(a, pa) : 0;
        const std::uint64_t y = pb < b.size() ? NextPart(b, pb) : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

} // namespace tidewell::update
