#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Whether a path names a regular file (after following links). Everything that reads a song,
// picture or project by a name that came from outside (a library, a project, a drop) asks first:
// opening a FIFO blocks until a writer appears and a device never ends, so either would hang the
// reader, and whoever waits for it.
bool isRegularFile(const char* path);
bool isRegularFile(const std::string& path);

// What a path reaches, to tell whether two paths name one file. A path that reaches something is
// its device and inode after every link, so a linked folder, a symbolic link, a second hard link
// and any spelling ("a//x", "a/./x", "a/../a/x") all name the same file. A path that reaches
// nothing (a missing file, a dangling link) has only its spelling to go by: it is its absolute
// path without "." and repeated separators, so two spellings of one missing place still agree,
// while a missing path and an existing file never do. Costs one stat.
class FileIdentity
{
public:
    FileIdentity() = default;
    explicit FileIdentity(const std::string& path);

    bool exists() const { return m_exists; }
    bool operator==(const FileIdentity& other) const;

    // For unordered containers keyed by identity: index a list's files once, then look each up.
    struct Hash
    {
        size_t operator()(const FileIdentity& identity) const;
    };

private:
    bool m_exists = false;
    uint64_t m_device = 0;
    uint64_t m_inode = 0;
    std::string m_spelling; // only when nothing exists at the path
};

// One spelling of a path: absolute (against the working folder), without "." or repeated or
// trailing separators, and ".." taken away with the name before it. Links are not followed.
std::string normalPathSpelling(const std::string& path);

// Whether the two paths reach the same file (see FileIdentity).
bool isSameFile(const std::string& a, const std::string& b);
