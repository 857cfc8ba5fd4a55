#include "DedupeText.h"

#include <algorithm>

namespace sonalike
{

std::string ReplaceAll(std::string text, std::string_view needle, std::string_view replacement)
{
    if (needle.empty())
        return text;
    size_t pos = 0;
    while ((pos = text.find(needle, pos)) != std::string::npos)
    {
        text.replace(pos, needle.size(), replacement);
        pos += replacement.size();
    }
    return text;
}

std::string BaseNameNoExt(std::string_view text)
{
    std::string s(text);
    std::replace(s.begin(), s.end(), '\\', '/');
    const size_t slash = s.rfind('/');
    if (slash != std::string::npos)
        s.erase(0, slash + 1);
    const size_t dot = s.rfind('.');
    if (dot != std::string::npos)
        s.erase(dot);
    return s;
}

std::string LowerExtension(std::string_view name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    std::string ext(name.substr(dot + 1));
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

bool ExtensionInList(std::string_view extension, std::string_view list)
{
    if (extension.find(';') != std::string_view::npos)
        return false;
    std::string probe;
    probe.reserve(extension.size() + 2);
    probe += ';';
    probe += extension;
    probe += ';';
    return list.find(probe) != std::string_view::npos;
}

std::string StripSpaces(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (const char c : text)
        if (c != ' ')
            s += c;
    return s;
}

} // namespace sonalike
