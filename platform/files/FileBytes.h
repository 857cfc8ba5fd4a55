#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Reads an open file at any offset, holding no more of it than a small window: what a song's
// structure is read from, however large the song. A read that fails (an I/O error, or a file cut
// short since its size was taken) is remembered. The file descriptor stays the caller's.
class FileBytes
{
public:
    FileBytes(int fd, uint64_t size);

    uint64_t size() const { return m_size; }
    // `n` bytes at `at` into `out`; false past the end or when the file cannot be read.
    bool read(uint64_t at, void* out, size_t n);
    // The byte at `at`; 0 when it cannot be read.
    unsigned char byteAt(uint64_t at);
    // Whether the bytes at `at` are `text`.
    bool holds(uint64_t at, std::string_view text);
    bool failed() const { return m_failed; }

    // pread(2) of exactly `n` bytes, through interruptions.
    static bool readAt(int fd, uint64_t at, void* out, size_t n);

private:
    int m_fd;
    uint64_t m_size;
    std::vector<char> m_window;
    uint64_t m_windowAt = 0;
    size_t m_windowSize = 0;
    bool m_failed = false;
};
