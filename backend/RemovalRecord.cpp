#include "RemovalRecord.h"

#include "AtomicFileEdit.h"
#include "NativePath.h"
#include "ScopedFd.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// A record is a few hundred bytes; anything much larger is not one of ours.
constexpr qsizetype kMaxRecordBytes = 64 * 1024;

// The record's file name for the copy named `name`: fixed length whatever the song's name.
QByteArray recordName(const QByteArray& name)
{
    return QByteArrayLiteral(".tidewell-removal-") +
           QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex();
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
    return AtomicFileEdit::replaceWhole((folder + '/' + recordName(name)).toStdString(), bytes.toStdString(),
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

    Fd in(::openat(dayFd.fd, recordName(parts[1]).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
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
    record.origin = QByteArray::fromBase64(json.value(QStringLiteral("origin")).toString().toLatin1());
    if (name != parts[1] || !record.origin.startsWith('/'))
        return std::nullopt;
    return record;
}

void CRemovalRecord::Remove(const QString& trashPath)
{
    const auto [folder, name] = splitPath(PathToNative(trashPath));
    if (!name.isEmpty())
        ::unlink((folder + '/' + recordName(name)).constData());
}
