#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tidewell::ithost
{

// The text of one key or scalar of a property list, in 16 bytes: up to 15 bytes are kept in
// place; a longer text is one heap block of its exact size, except the iTunes key names longer
// than that, which point at the one copy the program holds. A library of many tracks holds a dozen
// keys and as many short scalars a track, so most texts never reach the heap.
class PlistText
{
public:
    PlistText() noexcept;
    PlistText(std::string_view text);
    PlistText(const std::string& text) : PlistText(std::string_view(text)) {}
    PlistText(const char* text) : PlistText(std::string_view(text)) {}
    PlistText(const PlistText& other);
    PlistText& operator=(const PlistText& other);
    PlistText(PlistText&& other) noexcept;
    PlistText& operator=(PlistText&& other) noexcept;
    ~PlistText();

    std::string_view view() const;
    operator std::string_view() const { return view(); }
    bool empty() const { return view().empty(); }

    friend bool operator==(const PlistText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const PlistText& a, const PlistText& b) { return a.view() == b.view(); }

private:
    enum : unsigned char
    {
        kHeap = 0x40,    // m_bytes: the block's address, then its size in 7 bytes
        kLiteral = 0x80, // the same, the text owned by no one
    };
    static constexpr size_t kInline = 15;

    void assign(std::string_view text);
    void release() noexcept;
    void setFar(const char* data, size_t size, unsigned char mode);
    const char* farData() const;
    size_t farSize() const;

    // Bytes 0..14 hold the text in place, byte 15 its length; or byte 15 says kHeap or kLiteral.
    unsigned char m_bytes[16];
};

static_assert(sizeof(PlistText) == 16);

} // namespace tidewell::ithost
