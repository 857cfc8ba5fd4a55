#include "BoundedReadStream.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

BoundedReadStream::BoundedReadStream(std::string path, StopCheck stop)
    : m_path(std::move(path)), m_stop(std::move(stop))
{
    // O_NONBLOCK: a FIFO swapped in for the file after the caller's check must not block the open.
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return;
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_length = info.st_size;
}

BoundedReadStream::~BoundedReadStream()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

TagLib::FileName BoundedReadStream::name() const
{
    return m_path.c_str();
}

TagLib::ByteVector BoundedReadStream::refuse()
{
    m_cutShort = true;
    m_position = m_length;
    return m_nothing;
}

TagLib::ByteVector BoundedReadStream::readBlock(unsigned long length)
{
    if (m_fd < 0 || length == 0 || m_position >= m_length)
        return TagLib::ByteVector();
    if (m_stop && m_stop())
        return refuse();
    const int64_t wanted = std::min<int64_t>(static_cast<int64_t>(length), m_length - m_position);
    const bool search = wanted < kSearchRead;
    int64_t left = kReadBudget - m_spent;
    if (search)
        left = std::min(left, kSearchBudget - m_searchSpent);
    if (left <= 0)
        return refuse();
    const int64_t allowed = std::min(wanted, left);
    TagLib::ByteVector out(static_cast<unsigned>(allowed), '\0');
    int64_t got = 0;
    while (got < allowed)
    {
        const ssize_t n =
            ::pread(m_fd, out.data() + got, static_cast<size_t>(allowed - got), m_position + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // a read error or a file that shrank: what was read is all there is
        got += n;
    }
    out.resize(static_cast<unsigned>(got));
    m_spent += got;
    if (search)
        m_searchSpent += got;
    m_position += got;
    if (allowed < wanted)
    {
        // What the budget left is handed out, and the file ends there.
        m_cutShort = true;
        m_position = m_length;
    }
    return out;
}

// Never written: TagLib writes only when saving, and nothing saves through this stream.
void BoundedReadStream::writeBlock(const TagLib::ByteVector&) {}

void BoundedReadStream::insert(const TagLib::ByteVector&, unsigned long, unsigned long) {}

void BoundedReadStream::removeBlock(unsigned long, unsigned long) {}

void BoundedReadStream::truncate(long) {}

void BoundedReadStream::seek(long offset, Position p)
{
    int64_t base = 0;
    if (p == Current)
        base = m_position;
    else if (p == End)
        base = m_length;
    const int64_t target = base + offset;
    if (target >= 0)
        m_position = target; // past the end is allowed, as for a file; reads there answer nothing
}
