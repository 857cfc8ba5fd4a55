#include "AppVersion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace
{

// The compiled-in version as the two 32-bit words of a version block.
FixedFileVersion builtInVersion()
{
    const QStringList parts = QStringLiteral(TIDEWELL_VERSION).split('.');
    quint32 n[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4 && i < parts.size(); ++i)
        n[i] = parts[i].toUInt() & 0xffffu;
    FixedFileVersion v;
    v.productVersionMS = v.fileVersionMS = (n[0] << 16) | n[1];
    v.productVersionLS = v.fileVersionLS = (n[2] << 16) | n[3];
    return v;
}

QString dotted(quint32 ms, quint32 ls)
{
    return QString("%1.%2.%3.%4").arg(ms >> 16).arg(ms & 0xffff).arg(ls >> 16).arg(ls & 0xffff);
}

} // namespace

bool ReadFileVersionInfo(const QString& path, FixedFileVersion* info)
{
    if (!info || path.isEmpty())
        return false;
    const QString self = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    if (self.isEmpty() || QFileInfo(path).canonicalFilePath() != QFileInfo(self).canonicalFilePath())
        return false;
    *info = builtInVersion();
    return true;
}

QString GetProgramVersion(const QString& path)
{
    FixedFileVersion info;
    if (!ReadFileVersionInfo(path, &info))
        return {};
    return dotted(info.productVersionMS, info.productVersionLS);
}

QString GetFileVersion(const QString& path)
{
    FixedFileVersion info;
    if (!ReadFileVersionInfo(path, &info))
        return {};
    return dotted(info.fileVersionMS, info.fileVersionLS);
}

QString GetAppVersion()
{
    return GetProgramVersion(QCoreApplication::applicationFilePath());
}

QString FormatBuildVersion(const QString& version)
{
    const QStringList parts = version.split('.', Qt::KeepEmptyParts);
    uint n[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4 && i < parts.size(); ++i)
    {
        bool ok = false;
        const uint value = parts[i].toUInt(&ok, 10);
        n[i] = ok ? value : 0;
    }
    return QCoreApplication::translate("Version", "%1.%2.%3 (Build %4)")
        .arg(n[0])
        .arg(n[1])
        .arg(n[2])
        .arg(n[3], 4, 10, QLatin1Char('0'));
}

QString GetAppBuildVersion()
{
    return FormatBuildVersion(GetAppVersion());
}
