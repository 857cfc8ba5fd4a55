#include "ImmutableFlag.h"

#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace apply_test
{
namespace
{

bool setFlag(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok)
    {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace

ImmutableFlag::ImmutableFlag(const QString& path) : m_path(path), m_ok(setFlag(path, true)) {}

ImmutableFlag::~ImmutableFlag()
{
    if (m_ok)
        setFlag(m_path, false);
}

} // namespace apply_test
