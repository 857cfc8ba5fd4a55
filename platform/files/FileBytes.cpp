#include "FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace
{

constexpr size_t kWindow = size_t(64) << 10;

} // namespace

FileBytes::FileBytes(int fd, uint64_t size) : m_fd(fd), m_size(size) {}

bool FileBytes::readAt(int fd, uint64_t at, void* out, size_t n)
{
    auto* to = static_cast<char*>(out);
    for (size_t done = 0; done < n;)
    {
        const ssize_t got = ::pread(fd, to + done, n - done, static_cast<off_t>(at + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += static_cast<size_t>(got);
    }
    return true;
}

bool FileBytes::read(uint64_t at, void* out, size_t n)
{
    if (at > m_size || n > m_size - at)
        return false;
    if (at >= m_windowAt && at + n <= m_windowAt + m_windowSize)
    {
        std::memcpy(out, m_window.data() + (at - m_windowAt), n);
        return true;
    }
    if (n > kWindow)
    {
        m_failed = m_failed || !readAt(m_fd, at, out, n);
        return !m_failed;
    }
    // Structures are read front to back: the window starts where this read does.
    m_window.resize(kWindow);
    m_windowAt = at;
    m_windowSize = static_cast<size_t>(std::min<uint64_t>(kWindow, m_size - at));
    if (!readAt(m_fd, at, m_window.data(), m_windowSize))
    {
        m_windowSize = 0;
        m_failed = true;
        return false;
    }
    std::memcpy(out, m_window.data(), n);
    return true;
}

unsigned char FileBytes::byteAt(uint64_t at)
{
    unsigned char byte = 0;
    return read(at, &byte, 1) ? byte : 0;
}

bool FileBytes::holds(uint64_t at, std::string_view text)
{
    char bytes[16];
    return text.size() <= sizeof bytes && read(at, bytes, text.size()) &&
           std::memcmp(bytes, text.data(), text.size()) == 0;
}
