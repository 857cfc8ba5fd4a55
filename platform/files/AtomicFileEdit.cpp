#include "AtomicFileEdit.h"

#include "AudioPayload.h"
#include "RegularFile.h"

#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

std::string_view view(const TagLib::ByteVector& bytes)
{
    return std::string_view(bytes.data(), bytes.size());
}

bool writeAll(int fd, const char* data, size_t size)
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

bool readAll(const std::string& path, TagLib::ByteVector& out)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info
    {
    };
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode); // it may have changed since the check
    out.clear();
    char chunk[1 << 16];
    while (ok)
    {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n >= 0;
        if (n <= 0)
            break;
        out.append(TagLib::ByteVector(chunk, static_cast<unsigned>(n)));
    }
    ::close(fd);
    return ok;
}

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
    const std::string where = folder.empty() ? std::string(".") : folder;
    DIR* dir = ::opendir(where.c_str());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    while (const struct dirent* entry = ::readdir(dir))
    {
        if (std::strncmp(entry->d_name, kTempPrefix, sizeof kTempPrefix - 1) != 0)
            continue;
        struct stat info
        {
        };
        if (::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
            olderThanStart(info.st_mtim))
            ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

// Writes `size` bytes into a fresh file beside `path`, flushed to disk with the given mode, and
// renames it over `path`. Any failure removes the new file and leaves `path` as it was.
bool replaceWith(const std::string& path, const char* data, size_t size, mode_t mode)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string temp;
    const int fd = AtomicFileEdit::createTemporary(folder, temp);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, data, size) && ::fchmod(fd, mode & 07777) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    // rename(2) replaces the target in one step.
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

} // namespace

// The content in memory, under the original's name (TagLib picks a file type by the name).
class AtomicFileEdit::Stream : public TagLib::ByteVectorStream
{
public:
    Stream(const TagLib::ByteVector& data, std::string name) : ByteVectorStream(data), m_name(std::move(name))
    {
    }
    TagLib::FileName name() const override { return m_name.c_str(); }

private:
    std::string m_name;
};

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

AtomicFileEdit::AtomicFileEdit(std::string original) : m_original(std::move(original)) {}

AtomicFileEdit::~AtomicFileEdit() = default;

bool AtomicFileEdit::begin()
{
    m_stream.reset();
    struct stat info
    {
    };
    // A file without any write permission bit is read-only to us even when the process could
    // write it anyway (as root).
    if (!isRegularFile(m_original) || ::stat(m_original.c_str(), &info) != 0 ||
        ::access(m_original.c_str(), W_OK) != 0 || !(info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
        return false;
    TagLib::ByteVector data;
    if (!readAll(m_original, data) || data.size() != static_cast<unsigned>(info.st_size))
        return false;
    if (AudioPayload::of(view(data)).kind == AudioPayload::Kind::Unsound)
        return false;
    m_mode = info.st_mode;
    m_before = data; // shared with the stream's copy until TagLib changes that
    m_stream = std::make_unique<Stream>(data, m_original);
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
    const TagLib::ByteVector& data = *m_stream->data();
    // The tags may change, the sound never.
    const bool ok = AudioPayload::same(AudioPayload::of(view(m_before)), AudioPayload::of(view(data))) &&
                    replaceWith(m_original, data.data(), data.size(), m_mode);
    m_stream.reset();
    m_before = TagLib::ByteVector();
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

bool AtomicFileEdit::replaceWhole(const std::string& path, const std::string& bytes, mode_t newFileMode)
{
    struct stat info
    {
    };
    const mode_t mode = ::stat(path.c_str(), &info) == 0 ? info.st_mode : newFileMode;
    return replaceWith(path, bytes.data(), bytes.size(), mode);
}
