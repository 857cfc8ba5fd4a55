#include "LocationUrl.h"

namespace tidewell::ithost
{

namespace
{

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isDriveLetterPath(std::string_view rest)
{
    // "C:" or "C:/..." or "C|" (old iTunes libraries wrote the bar form).
    const auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    return rest.size() >= 2 && alpha(rest[0]) && (rest[1] == ':' || rest[1] == '|') &&
           (rest.size() == 2 || rest[2] == '/');
}

} // namespace

std::string percentDecode(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '%' && i + 2 < text.size())
        {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0 && (high | low) != 0)
            {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string locationUrlToPath(std::string_view url)
{
    constexpr std::string_view localhost = "file://localhost";
    constexpr std::string_view bare = "file://";
    std::string_view rest = url;
    if (rest.substr(0, localhost.size()) == localhost && rest.size() > localhost.size() &&
        rest[localhost.size()] == '/')
        rest.remove_prefix(localhost.size());
    else if (rest.substr(0, bare.size()) == bare && rest.size() > bare.size() && rest[bare.size()] == '/')
        rest.remove_prefix(bare.size());
    else
        return percentDecode(url);
    // rest starts with '/'. A Windows drive path drops it; a POSIX path and a UNC path keep it.
    if (isDriveLetterPath(rest.substr(1)))
        rest.remove_prefix(1);
    return percentDecode(rest);
}

std::string pathToLocationUrl(std::string_view path)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "file://localhost";
    if (path.empty() || path.front() != '/')
        out += '/';
    for (char ch : path)
    {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '.' || c == '_' || c == '~' || c == ':';
        if (plain)
        {
            out += ch;
        }
        else
        {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 0xF];
        }
    }
    return out;
}

} // namespace tidewell::ithost
