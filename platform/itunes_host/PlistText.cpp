#include "PlistText.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace tidewell::ithost
{

namespace
{

// The keys of iTunes's own libraries that are too long to be kept in place; one track names
// several of them.
constexpr std::string_view kLongKeys[] = {
    "Application Version",    "Library Persistent ID", "Show Content Ratings",  "File Folder Count",
    "Library Folder Count",   "Sort Album Artist",     "Distinguished Kind",    "Parent Persistent ID",
    "Playlist Persistent ID", "Volume Adjustment",     "Part Of Gapless Album",
};

const std::string_view* longKey(std::string_view text)
{
    const auto* found = std::find(std::begin(kLongKeys), std::end(kLongKeys), text);
    return found == std::end(kLongKeys) ? nullptr : found;
}

} // namespace

PlistText::PlistText() noexcept : m_bytes{} {}

PlistText::PlistText(std::string_view text) : m_bytes{}
{
    assign(text);
}

PlistText::PlistText(const PlistText& other) : m_bytes{}
{
    if (other.m_bytes[kInline] == kHeap)
        assign(other.view());
    else
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
}

PlistText& PlistText::operator=(const PlistText& other)
{
    if (this != &other)
        *this = PlistText(other);
    return *this;
}

PlistText::PlistText(PlistText&& other) noexcept : m_bytes{}
{
    std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    std::memset(other.m_bytes, 0, sizeof other.m_bytes);
}

PlistText& PlistText::operator=(PlistText&& other) noexcept
{
    if (this != &other)
    {
        release();
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        std::memset(other.m_bytes, 0, sizeof other.m_bytes);
    }
    return *this;
}

PlistText::~PlistText()
{
    release();
}

std::string_view PlistText::view() const
{
    const unsigned char tag = m_bytes[kInline];
    if (tag <= kInline)
        return {reinterpret_cast<const char*>(m_bytes), tag};
    return {farData(), farSize()};
}

void PlistText::assign(std::string_view text)
{
    if (text.size() <= kInline)
    {
        // An empty view may have no address at all, which memcpy must not be given.
        if (!text.empty())
            std::memcpy(m_bytes, text.data(), text.size());
        m_bytes[kInline] = static_cast<unsigned char>(text.size());
        return;
    }
    if (const std::string_view* literal = longKey(text))
        return setFar(literal->data(), literal->size(), kLiteral);
    char* block = new char[text.size()];
    std::memcpy(block, text.data(), text.size());
    setFar(block, text.size(), kHeap);
}

void PlistText::release() noexcept
{
    if (m_bytes[kInline] == kHeap)
        delete[] farData();
    std::memset(m_bytes, 0, sizeof m_bytes);
}

void PlistText::setFar(const char* data, size_t size, unsigned char mode)
{
    std::memcpy(m_bytes, &data, sizeof data);
    for (size_t i = 0; i < 7; ++i)
        m_bytes[8 + i] = static_cast<unsigned char>(static_cast<uint64_t>(size) >> (8 * i));
    m_bytes[kInline] = mode;
}

const char* PlistText::farData() const
{
    const char* data = nullptr;
    std::memcpy(&data, m_bytes, sizeof data);
    return data;
}

size_t PlistText::farSize() const
{
    uint64_t size = 0;
    for (size_t i = 0; i < 7; ++i)
        size |= static_cast<uint64_t>(m_bytes[8 + i]) << (8 * i);
    return static_cast<size_t>(size);
}

} // namespace tidewell::ithost
