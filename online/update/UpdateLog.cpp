#include "UpdateLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <vector>

UpdateLog::UpdateLog() : m_path(defaultPath()) {}

UpdateLog::UpdateLog(std::string path) : m_path(std::move(path)) {}

std::string UpdateLog::defaultPath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("Zavro/Tidewell/update.log")).toStdString();
}

void UpdateLog::setPath(std::string path)
{
    std::lock_guard lock(m_mutex);
    m_path = std::move(path);
}

std::string UpdateLog::path() const
{
    std::lock_guard lock(m_mutex);
    return m_path;
}

void UpdateLog::write(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    const size_t whole = static_cast<size_t>(length > 0 ? length : 0);
    std::vector<char> text(std::min(whole, kMaxEntryBytes) + 1, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    std::string entry(text.data(), text.size() - 1);
    if (whole > kMaxEntryBytes)
        entry += "[... " + std::to_string(whole - kMaxEntryBytes) + " bytes not logged]";

    std::lock_guard lock(m_mutex);
    if (m_path.empty())
        return;
    const QString path = QString::fromStdString(m_path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (QFileInfo(path).size() > kMaxFileBytes)
        keepNewerHalf(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8());
    file.write(" ");
    file.write(entry.data(), static_cast<qint64>(entry.size()));
    file.write("\n");
}

void UpdateLog::keepNewerHalf(const QString& path)
{
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly))
        return;
    old.seek(old.size() - kMaxFileBytes / 2);
    QByteArray kept = old.readAll();
    old.close();
    // From the first whole line on.
    kept.remove(0, kept.indexOf('\n') + 1);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly))
    {
        file.write(kept);
        file.commit();
    }
}
