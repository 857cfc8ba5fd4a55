#include "LibraryTrackIndex.h"

#include "ITunesLibrary.h"

#include <algorithm>
#include <cstring>

namespace tidewell::ithost
{

namespace
{

// Blocks of 1 MB take the packed tracks; a larger track gets a block of its own.
constexpr size_t kBlockSize = size_t(1) << 20;

void putNumber(std::string& out, uint64_t number)
{
    while (number >= 0x80)
    {
        out += static_cast<char>(static_cast<unsigned char>(number | 0x80));
        number >>= 7;
    }
    out += static_cast<char>(static_cast<unsigned char>(number));
}

uint64_t takeNumber(const char*& at)
{
    uint64_t number = 0;
    for (int shift = 0;; shift += 7)
    {
        const auto byte = static_cast<unsigned char>(*at++);
        number |= static_cast<uint64_t>(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return number;
    }
}

} // namespace

void LibraryTrackIndex::add(const PlistValue& track)
{
    const PlistValue* pid = track.find("Persistent ID");
    if (!pid || pid->kind() != PlistValue::Kind::String)
        return; // never found, never listed
    const uint64_t id = parsePersistentIdText(pid->text());
    m_ids.push_back(id);
    if (m_byId.contains(id))
        return; // the first track of an ID answers for it
    // The record: the number of entries, then each entry's kind, key number, text length, text.
    m_record.clear();
    const auto& entries = track.entries();
    putNumber(m_record, entries.size());
    for (const auto& [key, value] : entries)
    {
        auto number = m_keyNumbers.find(key.view());
        if (number == m_keyNumbers.end())
            number = m_keyNumbers.emplace(std::string(key.view()), static_cast<uint32_t>(m_keyNumbers.size()))
                         .first;
        m_record += static_cast<char>(value.kind());
        putNumber(m_record, number->second);
        putNumber(m_record, value.text().size());
        m_record.append(value.text());
    }
    m_byId.emplace(id, store(m_record));
}

const char* LibraryTrackIndex::store(const std::string& record)
{
    if (m_blocks.empty() || m_blockUsed + record.size() > m_blockSize)
    {
        m_blockSize = std::max(kBlockSize, record.size());
        m_blocks.push_back(std::make_unique<char[]>(m_blockSize));
        m_blockUsed = 0;
    }
    char* at = m_blocks.back().get() + m_blockUsed;
    std::memcpy(at, record.data(), record.size());
    m_blockUsed += record.size();
    return at;
}

std::optional<LibraryTrackIndex::Value> LibraryTrackIndex::find(uint64_t persistentId,
                                                                std::string_view key) const
{
    const auto track = m_byId.find(persistentId);
    const auto number = m_keyNumbers.find(key);
    if (track == m_byId.end() || number == m_keyNumbers.end())
        return std::nullopt;
    const char* at = track->second;
    for (uint64_t entries = takeNumber(at); entries > 0; --entries)
    {
        const auto kind = static_cast<PlistValue::Kind>(static_cast<unsigned char>(*at++));
        const uint64_t keyNumber = takeNumber(at);
        const auto size = static_cast<size_t>(takeNumber(at));
        if (keyNumber == number->second)
            return Value{kind, std::string_view(at, size)};
        at += size;
    }
    return std::nullopt;
}

} // namespace tidewell::ithost
