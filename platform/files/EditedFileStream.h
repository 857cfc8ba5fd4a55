#pragma once

#include <taglib/tiostream.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What TagLib edits a song through: the original file, open read-only, with every change TagLib
// makes kept aside as a list of pieces, each a run of the original or of the bytes TagLib wrote.
// A tag inserted at the start of a large file moves nothing, and only what TagLib writes is held
// in memory, never the file. writeTo() puts the edited content out a bounded piece at a time.
// The file descriptor stays the caller's and must outlive the stream; one object per edit, used on
// one thread.
class EditedFileStream : public TagLib::IOStream
{
public:
    EditedFileStream(int fd, uint64_t size, std::string name);

    // Writes the content as edited to `out`, from its current offset on. False when a write or a
    // read of the original fails.
    bool writeTo(int out) const;
    // True once a read of the original failed: TagLib then saw less than the file holds.
    bool failed() const { return m_failed; }

    // write(2) of exactly `size` bytes, through interruptions.
    static bool writeAll(int fd, const char* data, size_t size);

    TagLib::FileName name() const override { return m_name.c_str(); }
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector& data) override;
    void insert(const TagLib::ByteVector& data, unsigned long start = 0, unsigned long replace = 0) override;
    void removeBlock(unsigned long start = 0, unsigned long length = 0) override;
    bool readOnly() const override { return false; }
    bool isOpen() const override { return true; }
    void seek(long offset, Position p = Beginning) override;
    long tell() const override { return static_cast<long>(m_position); }
    long length() override { return static_cast<long>(m_length); }
    void truncate(long length) override;

private:
    // `length` bytes from `at` in the original, or in m_written.
    struct Piece
    {
        uint64_t length;
        uint64_t at;
        bool written;
    };

    // The index of the piece that holds `offset` (below the length), and where that piece starts.
    size_t find(uint64_t offset, uint64_t& start);
    // Makes a piece start at `offset` (at most the length); its index.
    size_t splitAt(uint64_t offset);
    // Replaces up to `count` bytes at `offset` (at most the length) by `size` bytes of `data`.
    void replace(uint64_t offset, uint64_t count, const char* data, size_t size);
    // Lengthens the content to `length` with zeros.
    void grow(uint64_t length);

    int m_fd;
    std::string m_name;
    std::vector<Piece> m_pieces;
    std::string m_written; // every byte TagLib wrote, in the order written
    uint64_t m_length;
    uint64_t m_position = 0;
    // The piece found last and its start: TagLib reads and writes in runs of nearby small blocks
    // (a page renumbering writes a few bytes into every page of the file).
    size_t m_cursor = 0;
    uint64_t m_cursorStart = 0;
    bool m_failed = false;
};
