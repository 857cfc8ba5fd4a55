#pragma once

#include "PlistValue.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tidewell::ithost
{

// The tracks of a library file as the host's questions read them, and nothing else of the file:
// a track's entries (kind, key and text of each value it holds directly) packed into shared
// blocks, keys named by number, about a third of the tree they come from. Answers as the tree
// does: the first track of a persistent ID, the first entry of a key. Read-only; not thread-safe
// (the library's mutex orders its users).
class LibraryTrackIndex
{
public:
    // A value as the tree holds it: its kind and its text (empty for a dictionary or an array).
    struct Value
    {
        PlistValue::Kind kind;
        std::string_view text;
    };

    // Appends a track of the Tracks dictionary, in file order.
    void add(const PlistValue& track);

    // Persistent IDs of the tracks that have a string one, in file order (a repeated ID each time).
    const std::vector<uint64_t>& ids() const { return m_ids; }
    // The number of different IDs.
    size_t count() const { return m_byId.size(); }
    bool contains(uint64_t persistentId) const { return m_byId.contains(persistentId); }
    // The value of `key` in the track, or nothing when the track or the key is absent.
    std::optional<Value> find(uint64_t persistentId, std::string_view key) const;

private:
    const char* store(const std::string& record);

    std::vector<uint64_t> m_ids;
    std::unordered_map<uint64_t, const char*> m_byId; // the track's packed record
    std::map<std::string, uint32_t, std::less<>> m_keyNumbers;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    size_t m_blockUsed = 0;
    size_t m_blockSize = 0;
    std::string m_record; // reused while packing
};

} // namespace tidewell::ithost
