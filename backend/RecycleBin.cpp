#include "RecycleBin.h"

#include "AtomicFileEdit.h"
#include "NativePath.h"
#include "RemovalRecord.h"
#include "ScopedFd.h"

#include <QDir>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The name a move's mark starts with in the recycle folder.
constexpr char kMoveMarkPrefix[] = ".tidewell-moving-";

// Longest file name the collision rule may produce (ext4, tmpfs and most others: 255 bytes).
constexpr qsizetype kMaxNameBytes = 255;

// Something (a file, folder or link, even a dangling one) has this name.
bool nameTaken(const QString& path)
{
    struct stat st
    {
    };
    return ::lstat(PathToNative(path).constData(), &st) == 0;
}

bool writeAll(int fd, const char* data, ssize_t size)
{
    while (size > 0)
    {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// Renames `from` to `to` unless something has that name: 0, or the errno of the failure (EEXIST
// for a taken name, EXDEV across file systems).
int renameNoReplace(const char* from, const char* to)
{
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    int err = errno;
    if (err == EINVAL || err == ENOSYS)
    {
        // A file system without the no-replace rename: a hard link refuses an existing target
        // just as well, then the old name goes.
        if (::link(from, to) == 0)
        {
            if (::unlink(from) == 0)
                return 0;
            err = errno;
            ::unlink(to);
            return err;
        }
        err = errno;
    }
    return err;
}

} // namespace

QString CRecycleBin::DayFolder(const QString& root, const QDate& date)
{
    QString folder = root;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder + date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString CRecycleBin::FreeTarget(const QString& folder, const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    const QDir dir(folder);
    // Only the file name is numbered: a '.' in a folder name must never take the number.
    const qsizetype dot = fileName.lastIndexOf(u'.');
    QString stem = fileName.left(dot);
    const QString extension = fileName.mid(dot);
    QString numbers;
    for (int n = 1;; ++n)
    {
        const QString name = n == 1 ? fileName : stem + numbers + extension;
        const QString target = dir.filePath(name);
        if (!nameTaken(target))
            return target;
        if (dot <= 0)
            return {};
        numbers += QString::number(n);
        // A long name gives up the end of its stem, a whole character at a time, so the numbered
        // name still fits the file system.
        while (PathToNative(stem + numbers + extension).size() > kMaxNameBytes)
        {
            if (stem.isEmpty())
                return {};
            const bool pair =
                stem.size() > 1 && stem.back().isLowSurrogate() && stem.at(stem.size() - 2).isHighSurrogate();
            stem.chop(pair ? 2 : 1);
        }
    }
}

int CRecycleBin::MoveFile(const QString& from, const QString& to)
{
    const QByteArray src = PathToNative(from);
    const QByteArray dst = PathToNative(to);
    struct stat st
    {
    };
    if (::lstat(src.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return MoveNoSource;

    const int err = renameNoReplace(src.constData(), dst.constData());
    if (err == 0)
        return MoveOk;
    if (err == EEXIST)
        return MoveTargetExists;
    if (err == EXDEV)
        return CopyThenRemove(from, to);
    return MoveFailed;
}

int CRecycleBin::MoveBack(const QString& from, const QString& to)
{
    const QByteArray dst = PathToNative(to);
    // Each missing folder on the way is made again, from the top down; one that another process
    // made meanwhile is as good.
    for (qsizetype slash = dst.indexOf('/', 1); slash > 0; slash = dst.indexOf('/', slash + 1))
    {
        const QByteArray folder = dst.left(slash);
        if (::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
            return MoveFailed;
    }
    return MoveFile(from, to);
}

int CRecycleBin::CopyThenRemove(const QString& from, const QString& to)
{
    const QByteArray src = PathToNative(from);
    const QByteArray dst = PathToNative(to);
    Fd in(::open(src.constData(), O_RDONLY | O_CLOEXEC));
    struct stat st
    {
    };
    if (in.fd < 0 || ::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return MoveNoSource;

    if (nameTaken(to))
        return MoveTargetExists;

    // The copy is made under a temporary name beside the target and takes the target's name only
    // once it is complete and on disk: a kill on the way leaves a leftover that the next run
    // writing into that folder removes, never a cut-off song under its own name.
    const std::string folder = dst.left(dst.lastIndexOf('/') + 1).toStdString();
    std::string temp;
    Fd out(AtomicFileEdit::createTemporary(folder, temp));
    if (out.fd < 0)
        return MoveFailed;

    // From here on a failure removes the copy; the source is untouched until the copy is
    // complete, synced, of the right size and under its name.
    auto fail = [&](int code)
    {
        ::unlink(temp.c_str());
        return code;
    };
    char buffer[1 << 16];
    for (;;)
    {
        const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return fail(MoveFailed);
        }
        if (!writeAll(out.fd, buffer, n))
            return fail(MoveFailed);
    }
    // Keep the times and permissions, so a restored file is the file that was removed in every
    // respect a cache or the user looks at.
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out.fd, times);
    struct stat copied
    {
    };
    if (::fchmod(out.fd, st.st_mode & 07777) != 0 || ::fsync(out.fd) != 0 || ::fstat(out.fd, &copied) != 0)
        return fail(MoveFailed);
    if (copied.st_size != st.st_size)
        return fail(MoveVerifyFailed);
    if (const int err = renameNoReplace(temp.c_str(), dst.constData()); err != 0)
        return fail(err == EEXIST ? MoveTargetExists : MoveFailed);
    // The new name is on disk before the only other copy goes.
    const Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd < 0 || ::fsync(dir.fd) != 0 || ::unlink(src.constData()) != 0)
    {
        ::unlink(dst.constData());
        return MoveFailed;
    }
    return MoveOk;
}

CRecycleBin::MoveMark::MoveMark(const QString& root)
{
    if (root.isEmpty() || !QDir().mkpath(root))
        return;
    QByteArray path = PathToNative(QDir(root).filePath(QString::fromLatin1(kMoveMarkPrefix) + "XXXXXX"));
    const int fd = ::mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0)
        return;
    ::close(fd);
    m_path = path;
}

CRecycleBin::MoveMark::~MoveMark()
{
    if (!m_path.isEmpty())
        ::unlink(m_path.constData());
}

bool CRecycleBin::ClearLeftovers(const QString& root)
{
    QByteArray folder = PathToNative(root);
    if (folder.isEmpty())
        return false;
    if (!folder.endsWith('/'))
        folder += '/';
    // The root itself may be a link (a recycle folder kept on another disk); what lies below it
    // is never followed.
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return false;
    const int rootFd = ::dirfd(dir);
    QList<QByteArray> days;
    while (const struct dirent* entry = ::readdir(dir))
    {
        const QByteArray name(entry->d_name);
        struct stat st
        {
        };
        if (name != "." && name != ".." && ::fstatat(rootFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISDIR(st.st_mode))
            days << name;
    }
    ::closedir(dir);
    for (const QByteArray& day : days)
    {
        AtomicFileEdit::sweepLeftovers((folder + day + '/').toStdString());
        CRemovalRecord::RemoveOrphans(PathFromNative(folder + day));
    }
    return AtomicFileEdit::removeOurLeftovers(folder.toStdString(), kMoveMarkPrefix) > 0;
}
