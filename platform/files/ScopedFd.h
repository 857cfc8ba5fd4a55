#pragma once

#include <unistd.h>

// Closes a file descriptor when the scope ends. Not copyable; -1 holds nothing.
struct Fd
{
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
};
