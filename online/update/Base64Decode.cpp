#include "Base64Decode.h"

#include <array>
#include <cstdint>

namespace tidewell::update
{

namespace
{

constexpr std::array<std::int8_t, 256> MakeTable()
{
    std::array<std::int8_t, 256> table{};
    for (auto& entry : table)
        entry = -1;
    constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (size_t i = 0; i < alphabet.size(); ++i)
        table[static_cast<unsigned char>(alphabet[i])] = static_cast<std::int8_t>(i);
    return table;
}

constexpr auto kTable = MakeTable();

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

} // namespace

std::optional<std::string> Base64Decode(std::string_view text)
{
    std::string out;
    out.reserve(text.size() / 4 * 3 + 3);
    std::uint32_t bits = 0;
    int count = 0;
    bool padding = false;
    for (const char c : text)
    {
        if (IsSpace(c))
            continue;
        if (c == '=')
        {
            padding = true;
            continue;
        }
        const std::int8_t value = kTable[static_cast<unsigned char>(c)];
        if (value < 0 || padding) // unknown character, or data after the padding
            return std::nullopt;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        if (++count == 4)
        {
            out += static_cast<char>((bits >> 16) & 0xFF);
            out += static_cast<char>((bits >> 8) & 0xFF);
            out += static_cast<char>(bits & 0xFF);
            bits = 0;
            count = 0;
        }
    }
    if (count == 1)
        return std::nullopt;
    if (count == 2)
        out += static_cast<char>((bits >> 4) & 0xFF);
    else if (count == 3)
    {
        out += static_cast<char>((bits >> 10) & 0xFF);
        out += static_cast<char>((bits >> 2) & 0xFF);
    }
    return out;
}

} // namespace tidewell::update
