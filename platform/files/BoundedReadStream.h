#pragma once

#include <taglib/tbytevector.h>
#include <taglib/tiostream.h>

#include <cstdint>
#include <functional>
#include <string>

// What TagLib reads a song through when it only reads: the file opened read-only, and a bounded
// amount of reading whatever the file's size. TagLib searches a file it cannot make sense of from
// end to end (a gigabyte of zeros named .mp3 is a minute of reading), so once the reading budget is
// spent, or once the caller's stop check says so, every further read answers as at the end of the
// file and TagLib gives up as it does on a short file. A song reads a small part of the budget: its
// tags at the start and at the end (ID3v1, APE) come in a few reads before any search.
//
// Only regular files are opened (a FIFO or a device would block or never end). One object per
// file, used on one thread; the stop check may look at flags other threads set.
class BoundedReadStream : public TagLib::IOStream
{
public:
    using StopCheck = std::function<bool()>;

    // Bytes read in all: far above any tag or picture a song carries.
    static constexpr int64_t kReadBudget = int64_t(64) << 20;
    // Of those, what small reads may take. TagLib searches a file a kilobyte at a time and looks at
    // each byte on its way (some 100 ns a byte), while a song's tags and pictures come in a few large
    // reads: a search through zeros ends in about a tenth of a second; a song's own searches (for its
    // first and last audio frame) read a few kilobytes.
    static constexpr int64_t kSearchBudget = int64_t(1) << 20;
    static constexpr int64_t kSearchRead = int64_t(64) << 10; // smaller reads count as searching

    explicit BoundedReadStream(std::string path, StopCheck stop = {});
    ~BoundedReadStream() override;
    BoundedReadStream(const BoundedReadStream&) = delete;
    BoundedReadStream& operator=(const BoundedReadStream&) = delete;

    // True when a read was cut short by the budget or a stop: what TagLib made of the file is then
    // not all the file holds.
    bool cutShort() const { return m_cutShort; }

    TagLib::FileName name() const override;
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector& data) override;
    void insert(const TagLib::ByteVector& data, unsigned long start = 0, unsigned long replace = 0) override;
    void removeBlock(unsigned long start = 0, unsigned long length = 0) override;
    bool readOnly() const override { return true; }
    bool isOpen() const override { return m_fd >= 0; }
    void seek(long offset, Position p = Beginning) override;
    long tell() const override { return static_cast<long>(m_position); }
    long length() override { return static_cast<long>(m_length); }
    void truncate(long length) override;

private:
    // Answers a read as at the end of the file.
    TagLib::ByteVector refuse();

    std::string m_path;
    StopCheck m_stop;
    int m_fd = -1;
    int64_t m_length = 0;
    int64_t m_position = 0;
    int64_t m_spent = 0;
    int64_t m_searchSpent = 0; // by the small reads
    bool m_cutShort = false;
    // Handed out by every refused read: some of TagLib's searches go on reading to the start of the
    // file, and a copy of this costs no allocation.
    TagLib::ByteVector m_nothing;
};
