#include "AtomicFileEdit.h"

#include "EditedFileStream.h"
#include "FileBytes.h"
#include "RegularFile.h"

#include <taglib/mpegfile.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The name every temporary copy starts with: hidden, and without the original's extension, so no
// folder scan takes it for a song.
constexpr char kTempPrefix[] = ".tidewell-edit-";

// When this program started (taken as the library is loaded, before any copy is made): a copy
// older than that is a leftover of a run that was killed mid-write, never one still being written.
const struct timespec g_startTime = []
{
    struct timespec now
    {
    };
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}();

bool olderThanStart(const struct timespec& t)
{
    return t.tv_sec < g_startTime.tv_sec ||
           (t.tv_sec == g_startTime.tv_sec && t.tv_nsec < g_startTime.tv_nsec);
}

// Removes the temporary copies an earlier run left in `folder` (a kill between the copy and the
// rename leaves one behind). Only our own: that name, a regular file (never followed through a
// link), older than this run. Each folder is looked at once per run, before the first write into
// it, since this run leaves none behind.
void removeLeftovers(const std::string& folder)
{
    static std::mutex mutex;
    static std::set<std::string> swept;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!swept.insert(folder).second)
            return;
    }
    AtomicFileEdit::removeOurLeftovers(folder, kTempPrefix);
}

// Writes a fresh file beside `path` through `write` (given the new file open at its start),
// flushes it to disk with the given mode, and, once `check` (given the same file, flushed) agrees,
// renames it over `path`. Any failure removes the new file and leaves `path` as it was.
bool replaceWith(const std::string& path, mode_t mode, const std::function<bool(int)>& write,
                 const std::function<bool(int)>& check = {})
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string temp;
    const int fd = AtomicFileEdit::createTemporary(folder, temp);
    if (fd < 0)
        return false;
    bool ok = write(fd) && ::fchmod(fd, mode & 07777) == 0 && ::fsync(fd) == 0 && (!check || check(fd));
    ok = ::close(fd) == 0 && ok;
    // rename(2) replaces the target in one step.
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

// The file a path names, so that a write reaches it: the path itself, or, for a symbolic link
// (relative, or a link to a link), the file the link leads to; renaming over that file leaves
// the link a link. A path where nothing is yet stays as it is (a new file is made there). False
// for a link that leads nowhere or round in a loop: what it would make is not the user's file.
bool fileItself(const std::string& path, std::string& target)
{
    struct stat info
    {
    };
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
    {
        target = path;
        return true;
    }
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    if (!real)
        return false;
    target = real.get();
    return true;
}

// A file with more than one name (hard links) cannot be replaced by a rename without splitting
// it: the name renamed over would carry the new content and every other name the old. Written
// in place, a kill or a full disk midway would cut every name at once, so it is not written.
bool oneName(const struct stat& info)
{
    return info.st_nlink <= 1;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

} // namespace

int AtomicFileEdit::createTemporary(const std::string& folder, std::string& path)
{
    removeLeftovers(folder);
    path = folder + kTempPrefix + "XXXXXX";
    return ::mkostemp(path.data(), O_CLOEXEC);
}

void AtomicFileEdit::sweepLeftovers(const std::string& folder)
{
    removeLeftovers(folder);
}

int AtomicFileEdit::removeOurLeftovers(const std::string& folder, const std::string& prefix)
{
    if (prefix.empty())
        return 0;
    const std::string where = folder.empty() ? std::string(".") : folder;
    DIR* dir = ::opendir(where.c_str());
    if (!dir)
        return 0;
    const int dirFd = ::dirfd(dir);
    int removed = 0;
    while (const struct dirent* entry = ::readdir(dir))
    {
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) != 0)
            continue;
        struct stat info
        {
        };
        if (::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
            olderThanThisRun(info) && ::unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

bool AtomicFileEdit::olderThanThisRun(const struct stat& info)
{
    return olderThanStart(info.st_mtim);
}

AtomicFileEdit::AtomicFileEdit(std::string original) : m_original(std::move(original)) {}

AtomicFileEdit::~AtomicFileEdit()
{
    close();
}

void AtomicFileEdit::close()
{
    m_stream.reset();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool AtomicFileEdit::begin()
{
    close();
    struct stat info
    {
    };
    // A file without any write permission bit is read-only to us even when the process could
    // write it anyway (as root).
    if (!fileItself(m_original, m_target) || !isRegularFile(m_target) ||
        ::stat(m_target.c_str(), &info) != 0 || ::access(m_target.c_str(), W_OK) != 0 ||
        !(info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
        return false;
    m_fd = ::open(m_target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    // It may have changed since the check.
    if (m_fd < 0 || ::fstat(m_fd, &m_opened) != 0 || !S_ISREG(m_opened.st_mode) || !oneName(m_opened) ||
        static_cast<uint64_t>(m_opened.st_size) > kLargestFile)
    {
        close();
        return false;
    }
    const auto size = static_cast<uint64_t>(m_opened.st_size);
    FileBytes bytes(m_fd, size);
    m_before = AudioPayload::of(bytes);
    if (m_before.kind == AudioPayload::Kind::Unsound)
    {
        close();
        return false;
    }
    m_stream = std::make_unique<EditedFileStream>(m_fd, size, m_original);
    return true;
}

TagLib::IOStream* AtomicFileEdit::stream()
{
    return m_stream.get();
}

bool AtomicFileEdit::commit()
{
    if (!m_stream)
        return false;
    // The original must still be the file read, as it was: the edit is made of its bytes.
    struct stat now
    {
    }, named{};
    bool ok = !m_stream->failed() && ::fstat(m_fd, &now) == 0 && sameFile(now, m_opened) &&
              ::stat(m_target.c_str(), &named) == 0 && sameFile(named, m_opened) && oneName(named);
    // The tags may change, the sound never.
    ok = ok && replaceWith(
                   m_target, m_opened.st_mode, [this](int out) { return m_stream->writeTo(out); },
                   [this](int out)
                   {
                       struct stat written
                       {
                       };
                       if (::fstat(out, &written) != 0)
                           return false;
                       FileBytes before(m_fd, static_cast<uint64_t>(m_opened.st_size));
                       FileBytes after(out, static_cast<uint64_t>(written.st_size));
                       return AudioPayload::same(m_before, before, AudioPayload::of(after), after);
                   });
    close();
    m_before = AudioPayload();
    return ok;
}

bool AtomicFileEdit::saveTags(TagLib::File* file)
{
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file))
    {
        const int tags = TagLib::MPEG::File::ID3v2 | (mpeg->hasID3v1Tag() ? TagLib::MPEG::File::ID3v1 : 0) |
                         (mpeg->hasAPETag() ? TagLib::MPEG::File::APE : 0);
        return mpeg->save(tags, TagLib::File::StripNone);
    }
    return file && file->save();
}

bool AtomicFileEdit::replaceOwn(const std::string& path, const std::string& bytes, mode_t mode)
{
    return replaceWith(path, mode,
                       [&bytes](int out)
                       { return EditedFileStream::writeAll(out, bytes.data(), bytes.size()); });
}

std::optional<AtomicFileEdit::Replacement> AtomicFileEdit::replacementFor(const std::string& path)
{
    Replacement target;
    if (!fileItself(path, target.path))
        return std::nullopt;
    struct stat info
    {
    };
    if (::stat(target.path.c_str(), &info) != 0)
        return target;
    if (!S_ISREG(info.st_mode) || !oneName(info))
        return std::nullopt;
    target.mode = info.st_mode & 07777;
    return target;
}

bool AtomicFileEdit::replaceWhole(const std::string& path, const std::string& bytes, mode_t newFileMode)
{
    const std::optional<Replacement> target = replacementFor(path);
    return target && replaceOwn(target->path, bytes, target->mode.value_or(newFileMode));
}
