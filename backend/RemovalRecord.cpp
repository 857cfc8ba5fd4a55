#include "RemovalRecord.h"

#include "AtomicFileEdit.h"
#include "NativePath.h"
#include "ScopedFd.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

constexpr char kRecordPrefix[] = ".tidewell-removal-";

// A record is a few hundred bytes; anything much larger is not one of ours.
constexpr qsizetype kMaxRecordBytes = 64 * 1024;

// The record's file name for the copy named `name`: fixed length whatever the song's name.
QByteArray recordName(const QByteArray& name)
{
    return QByteArray(kRecordPrefix) + QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex();
}

// Folder and file name of a native path.
std::pair<QByteArray, QByteArray> splitPath(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {QByteArray("."), path};
    return {slash == 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}

bool plainComponent(const QByteArray& part)
{
    return !part.isEmpty() && part != "." && part != "..";
}

// The record named `recordFile` in the folder `dayFd`, as (copy name, origin); none when it is no
// regular file, too large, or not one of ours.
std::optional<std::pair<QByteArray, QByteArray>> readRecord(int dayFd, const char* recordFile)
{
    struct stat st
    {
    };
    Fd in(::openat(dayFd, recordFile, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (in.fd < 0 || ::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxRecordBytes)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(st.st_size), '\0');
    qsizetype got = 0;
    while (got < bytes.size())
    {
        const ssize_t n = ::read(in.fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        got += n;
    }
    const QJsonObject json = QJsonDocument::fromJson(bytes).object();
    const QByteArray name = QByteArray::fromBase64(json.value(QStringLiteral("name")).toString().toLatin1());
    const QByteArray origin =
        QByteArray::fromBase64(json.value(QStringLiteral("origin")).toString().toLatin1());
    if (!plainComponent(name) || name.contains('/') || recordName(name) != recordFile)
        return std::nullopt;
    return std::pair{name, origin};
}

} // namespace

bool CRemovalRecord::Write(const QString& trashPath, const QString& origin)
{
    const auto [folder, name] = splitPath(PathToNative(trashPath));
    if (name.isEmpty())
        return false;
    QJsonObject json;
    json.insert(QStringLiteral("name"), QString::fromLatin1(name.toBase64()));
    json.insert(QStringLiteral("origin"), QString::fromLatin1(PathToNative(origin).toBase64()));
    const QByteArray bytes = QJsonDocument(json).toJson(QJsonDocument::Compact);

    // Written under a temporary name and renamed into place, so a record is whole or absent.
    return AtomicFileEdit::replaceOwn((folder + '/' + recordName(name)).toStdString(), bytes.toStdString(),
                                      0600);
}

std::optional<CRemovalRecord> CRemovalRecord::Find(const QString& root, const QString& trashPath)
{
    // The recycle paths were made from the cleaned folder name (QDir::filePath).
    QByteArray rootBytes = PathToNative(QDir::cleanPath(root));
    while (rootBytes.size() > 1 && rootBytes.endsWith('/'))
        rootBytes.chop(1);
    const QByteArray path = PathToNative(trashPath);
    if (rootBytes.isEmpty() || !path.startsWith(rootBytes + '/'))
        return std::nullopt;
    // Exactly "<day folder>/<name>" below the root: a removal puts nothing anywhere else.
    const QList<QByteArray> parts = path.mid(rootBytes.size() + 1).split('/');
    if (parts.size() != 2 || !plainComponent(parts[0]) || !plainComponent(parts[1]))
        return std::nullopt;

    Fd rootFd(::open(rootBytes.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (rootFd.fd < 0)
        return std::nullopt;
    Fd dayFd(::openat(rootFd.fd, parts[0].constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (dayFd.fd < 0)
        return std::nullopt;

    CRemovalRecord record;
    struct stat st
    {
    };
    if (::fstatat(dayFd.fd, parts[1].constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
    {
        if (!S_ISREG(st.st_mode))
            return std::nullopt;
        record.copyPresent = true;
    }
    else if (errno != ENOENT)
    {
        return std::nullopt;
    }

    const auto read = readRecord(dayFd.fd, recordName(parts[1]).constData());
    if (!read || read->first != parts[1] || !read->second.startsWith('/'))
        return std::nullopt;
    record.origin = read->second;
    return record;
}

void CRemovalRecord::RemoveOrphans(const QString& dayFolder)
{
    const QByteArray folder = PathToNative(dayFolder);
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const int dayFd = ::dirfd(dir);
    while (const struct dirent* entry = ::readdir(dir))
    {
        if (std::strncmp(entry->d_name, kRecordPrefix, sizeof kRecordPrefix - 1) != 0)
            continue;
        struct stat st
        {
        };
        if (::fstatat(dayFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            !AtomicFileEdit::olderThanThisRun(st))
            continue;
        const auto read = readRecord(dayFd, entry->d_name);
        if (read && ::fstatat(dayFd, read->first.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 &&
            errno == ENOENT)
            ::unlinkat(dayFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

void CRemovalRecord::Remove(const QString& trashPath)
{
    const auto [folder, name] = splitPath(PathToNative(trashPath));
    if (!name.isEmpty())
        ::unlink((folder + '/' + recordName(name)).constData());
}
