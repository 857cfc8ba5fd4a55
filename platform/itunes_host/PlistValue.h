#pragma once

#include "PlistText.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tidewell::ithost
{

// One value of an XML property list as the library file holds it. Scalars keep the exact text
// of their element (integers, dates and data are not reinterpreted), so values the host does not
// understand are written back unchanged. Dictionaries keep their key order. A value is 32 bytes
// and a dictionary's entry 48 (keys and short texts kept in place, see PlistText): a library holds
// a dozen entries a track.
class PlistValue
{
public:
    enum class Kind : unsigned char
    {
        Dict,
        Array,
        String,
        Integer,
        Real,
        Date,
        Data,
        True,
        False
    };

    PlistValue();
    explicit PlistValue(Kind kind, std::string_view text = {});
    PlistValue(const PlistValue& other);
    PlistValue& operator=(const PlistValue& other);
    PlistValue(PlistValue&&) noexcept;
    PlistValue& operator=(PlistValue&&) noexcept;
    ~PlistValue();

    static PlistValue string(std::string_view text) { return PlistValue(Kind::String, text); }
    static PlistValue integer(int64_t value) { return PlistValue(Kind::Integer, std::to_string(value)); }
    static PlistValue boolean(bool value) { return PlistValue(value ? Kind::True : Kind::False); }

    Kind kind() const { return m_kind; }
    std::string_view text() const { return m_text.view(); }
    void setText(std::string_view text) { m_text = PlistText(text); }
    // Integer value of an integer (or integer-looking string) element; fallback when it is none.
    int64_t toInt(int64_t fallback = 0) const { return toInt(m_kind, text(), fallback); }
    // The same for a value of `kind` whose text is `text`.
    static int64_t toInt(Kind kind, std::string_view text, int64_t fallback);

    // Dictionary access. find() answers null when the key is absent or this is no dictionary.
    std::vector<std::pair<PlistText, PlistValue>>& entries();
    const std::vector<std::pair<PlistText, PlistValue>>& entries() const;
    PlistValue* find(std::string_view key);
    const PlistValue* find(std::string_view key) const;
    // Replaces the value of an existing key in place, or appends the key at the end.
    void set(std::string_view key, PlistValue value);
    bool remove(std::string_view key);

    // Array access.
    std::vector<PlistValue>& items();
    const std::vector<PlistValue>& items() const;

private:
    // A dictionary's entries and an array's items, apart from the value and made when first
    // asked for: a library holds hundreds of thousands of scalars, each then no larger than its
    // kind, its text and one pointer.
    struct Children;
    Children& children();

    PlistText m_text;
    std::unique_ptr<Children> m_children;
    Kind m_kind = Kind::Dict;
};

// Reads a property list file into its root value. Answers false (root untouched) when the file is
// missing, not well-formed or not a plist; `error` then says why. DTDs and the network are never
// loaded.
// `stop`, when given, is asked between elements; true ends the read as a failure ("stopped").
bool readPlistFile(const std::string& path, PlistValue& root, std::string* error = nullptr,
                   const std::function<bool()>& stop = {});

// Reads a library file with the checks and answers of readPlistFile, keeping less: each
// dictionary of the root's Tracks dictionary goes to `onTrack` in file order as it closes, and the
// root's Playlists array is left empty. Tracks already handed on stay handed on when the read then
// fails.
bool readLibraryTracks(const std::string& path, PlistValue& root,
                       const std::function<void(PlistValue&&)>& onTrack, std::string* error = nullptr,
                       const std::function<bool()>& stop = {});

// Serialises a root value in the layout iTunes itself writes (tabs, key and scalar on one line).
// `sizeHint` (e.g. the size of the file last written) saves regrowing a large text.
std::string writePlist(const PlistValue& root, size_t sizeHint = 0);

} // namespace tidewell::ithost
