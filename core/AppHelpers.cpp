#include "AppHelpers.h"

#include "GeneralUtils.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

bool IsFileExist(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool IsDirExist(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool EnsureFileExists(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash > 0 && !CreateDirPath(path.left(slash)))
        return false;
    if (QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.close();
    return true;
}

int FormatSizeMB(const QString& bytes, QString& out)
{
    bool ok = false;
    const qint64 count = bytes.trimmed().toLongLong(&ok);
    const double mb = std::max(ok ? static_cast<double>(count) / 1048576.0 : 0.0, 0.01);
    out = QString::asprintf("%1.2fMB", mb);
    return 0;
}

int FormatDuration(const QString& milliseconds, QString& out)
{
    bool ok = false;
    const qint64 ms = milliseconds.trimmed().toLongLong(&ok);
    const qint64 total = ok && ms > 0 ? ms / 1000 : 0;
    qint64 seconds = total % 60 + 1;
    qint64 minutes = (total / 60) % 60;
    qint64 hours = total / 3600;
    if (seconds == 60)
    {
        seconds = 0;
        ++minutes;
    }
    if (minutes == 60)
    {
        minutes = 0;
        ++hours;
    }
    out = QString::asprintf("%02lld:%02lld:%02lld", hours, minutes, seconds);
    return 0;
}

QString FormatThousands(int value)
{
    const QString digits = QString::number(static_cast<qint64>(value) < 0 ? -static_cast<qint64>(value)
                                                                          : static_cast<qint64>(value));
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i)
    {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += QLatin1Char(',');
        grouped += digits.at(i);
    }
    return value < 0 ? QLatin1Char('-') + grouped : grouped;
}
