#include "RecycleBin.h"

#include "NativePath.h"
#include "ScopedFd.h"

#include <QDir>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

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
    QString name = fileName;
    const QDir dir(folder);
    // Only the file name is numbered: a '.' in a folder name must never take the number.
    for (int n = 1;; ++n)
    {
        const QString target = dir.filePath(name);
        if (!nameTaken(target))
            return target;
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot <= 0)
            return {};
        name.insert(dot, QString::number(n));
        if (PathToNative(name).size() > kMaxNameBytes)
            return {};
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

    if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0)
        return MoveOk;
    int err = errno;
    if (err == EINVAL || err == ENOSYS)
    {
        // A file system without the no-replace rename: a hard link refuses an existing target
        // just as well, then the old name goes.
        if (::link(src.constData(), dst.constData()) == 0)
        {
            if (::unlink(src.constData()) == 0)
                return MoveOk;
            ::unlink(dst.constData());
            return MoveFailed;
        }
        err = errno;
    }
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

    Fd out(::open(dst.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 07777));
    if (out.fd < 0)
        return errno == EEXIST ? MoveTargetExists : MoveFailed;

    // From here on a failure removes the partial copy; the source is untouched until the copy is
    // complete, synced and of the right size.
    auto fail = [&](int code)
    {
        ::unlink(dst.constData());
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
    // Keep the times, so a restored file is the file that was removed in every respect a cache
    // or the user looks at.
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out.fd, times);
    struct stat copied
    {
    };
    if (::fsync(out.fd) != 0 || ::fstat(out.fd, &copied) != 0)
        return fail(MoveFailed);
    if (copied.st_size != st.st_size)
        return fail(MoveVerifyFailed);
    if (::unlink(src.constData()) != 0)
        return fail(MoveFailed);
    return MoveOk;
}
