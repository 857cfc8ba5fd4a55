#include "EditedFileStream.h"

#include "FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace
{

constexpr size_t kCopyPiece = size_t(1) << 20;

bool copyByReading(int in, uint64_t at, int out, uint64_t count)
{
    std::vector<char> piece(static_cast<size_t>(std::min<uint64_t>(kCopyPiece, count)));
    while (count > 0)
    {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(piece.size(), count));
        if (!FileBytes::readAt(in, at, piece.data(), n) || !EditedFileStream::writeAll(out, piece.data(), n))
            return false;
        at += n;
        count -= n;
    }
    return true;
}

// Copies `count` bytes at `at` of `in` to `out`'s offset, inside the kernel where it can.
bool copyRange(int in, uint64_t at, int out, uint64_t count)
{
    loff_t from = static_cast<loff_t>(at);
    while (count > 0)
    {
        const ssize_t n =
            ::copy_file_range(in, &from, out, nullptr, std::min<uint64_t>(count, kCopyPiece * 64), 0);
        if (n < 0 && errno == EINTR)
            continue;
        // A kernel or file system that cannot copy between these files: through a buffer.
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL))
            return copyByReading(in, static_cast<uint64_t>(from), out, count);
        if (n <= 0)
            return false; // a failed write, or the original is shorter than it was
        count -= static_cast<uint64_t>(n);
    }
    return true;
}

} // namespace

EditedFileStream::EditedFileStream(int fd, uint64_t size, std::string name)
    : m_fd(fd), m_name(std::move(name)), m_length(size)
{
    if (size > 0)
        m_pieces.push_back({size, 0, false});
}

bool EditedFileStream::writeAll(int fd, const char* data, size_t size)
{
    for (size_t done = 0; done < size;)
    {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool EditedFileStream::writeTo(int out) const
{
    for (const Piece& piece : m_pieces)
    {
        const bool ok = piece.written ? writeAll(out, m_written.data() + piece.at, piece.length)
                                      : copyRange(m_fd, piece.at, out, piece.length);
        if (!ok)
            return false;
    }
    return true;
}

size_t EditedFileStream::find(uint64_t offset, uint64_t& start)
{
    if (m_cursor >= m_pieces.size())
    {
        m_cursor = 0;
        m_cursorStart = 0;
    }
    while (offset < m_cursorStart)
        m_cursorStart -= m_pieces[--m_cursor].length;
    while (offset >= m_cursorStart + m_pieces[m_cursor].length)
        m_cursorStart += m_pieces[m_cursor++].length;
    start = m_cursorStart;
    return m_cursor;
}

size_t EditedFileStream::splitAt(uint64_t offset)
{
    if (offset >= m_length)
        return m_pieces.size();
    uint64_t start = 0;
    const size_t i = find(offset, start);
    if (start == offset)
        return i;
    Piece& piece = m_pieces[i];
    const uint64_t head = offset - start;
    const Piece tail{piece.length - head, piece.at + head, piece.written};
    piece.length = head;
    m_pieces.insert(m_pieces.begin() + static_cast<std::ptrdiff_t>(i) + 1, tail);
    return i + 1;
}

void EditedFileStream::replace(uint64_t offset, uint64_t count, const char* data, size_t size)
{
    count = std::min(count, m_length - offset);
    const size_t first = splitAt(offset);
    const size_t last = splitAt(offset + count);
    m_pieces.erase(m_pieces.begin() + static_cast<std::ptrdiff_t>(first),
                   m_pieces.begin() + static_cast<std::ptrdiff_t>(last));
    m_length -= count;
    m_cursor = 0;
    m_cursorStart = 0;
    if (size == 0)
    {
        if (first < m_pieces.size())
            m_cursor = first, m_cursorStart = offset;
        return;
    }
    const uint64_t at = m_written.size();
    m_written.append(data, size);
    m_length += size;
    // Bytes written right after the ones before them join their piece.
    if (first > 0 && m_pieces[first - 1].written && m_pieces[first - 1].at + m_pieces[first - 1].length == at)
    {
        m_pieces[first - 1].length += size;
        m_cursor = first - 1;
        m_cursorStart = offset + size - m_pieces[first - 1].length;
        return;
    }
    m_pieces.insert(m_pieces.begin() + static_cast<std::ptrdiff_t>(first), Piece{size, at, true});
    m_cursor = first;
    m_cursorStart = offset;
}

void EditedFileStream::grow(uint64_t length)
{
    if (length > m_length)
    {
        const std::string zeros(static_cast<size_t>(length - m_length), '\0');
        replace(m_length, 0, zeros.data(), zeros.size());
    }
}

TagLib::ByteVector EditedFileStream::readBlock(unsigned long length)
{
    if (m_position >= m_length || length == 0)
        return TagLib::ByteVector();
    // No more than a ByteVector holds: the edit refuses files larger than that.
    const uint64_t count = std::min<uint64_t>({length, m_length - m_position, 0xffffffffu});
    TagLib::ByteVector out(static_cast<unsigned int>(count), '\0');
    uint64_t done = 0;
    while (done < count)
    {
        uint64_t start = 0;
        const Piece& piece = m_pieces[find(m_position + done, start)];
        const uint64_t inPiece = m_position + done - start;
        const uint64_t n = std::min(piece.length - inPiece, count - done);
        char* to = out.data() + done;
        if (piece.written)
        {
            std::memcpy(to, m_written.data() + piece.at + inPiece, static_cast<size_t>(n));
        }
        else if (!FileBytes::readAt(m_fd, piece.at + inPiece, to, static_cast<size_t>(n)))
        {
            m_failed = true;
            out.resize(static_cast<unsigned int>(done));
            break;
        }
        done += n;
    }
    m_position += done;
    return out;
}

void EditedFileStream::writeBlock(const TagLib::ByteVector& data)
{
    grow(m_position);
    replace(m_position, data.size(), data.data(), data.size());
    m_position += data.size();
}

void EditedFileStream::insert(const TagLib::ByteVector& data, unsigned long start, unsigned long replaced)
{
    grow(start);
    replace(start, replaced, data.data(), data.size());
    m_position = start + data.size();
}

void EditedFileStream::removeBlock(unsigned long start, unsigned long length)
{
    if (start < m_length)
        replace(start, length, nullptr, 0);
    else
        grow(start);
    m_position = m_length; // as TagLib's own streams leave it
}

void EditedFileStream::seek(long offset, Position p)
{
    const int64_t base = p == Beginning ? 0 : p == Current ? int64_t(m_position) : int64_t(m_length);
    if (base + offset >= 0)
        m_position = static_cast<uint64_t>(base + offset);
}

void EditedFileStream::truncate(long length)
{
    if (length < 0)
        return;
    const auto to = static_cast<uint64_t>(length);
    if (to < m_length)
        replace(to, m_length - to, nullptr, 0);
    else
        grow(to);
}
