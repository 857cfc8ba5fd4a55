#include "ManageLog.h"

#include "AppGlobals.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

CManageLog::~CManageLog()
{
    Close();
}

int CManageLog::Open(const QString& folder)
{
    if (folder.isEmpty())
        return 0;
    QMutexLocker lock(&g_manageLogMutex);
    if (m_file)
        return 1;
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("MM.log"));
    if (QFileInfo(path).size() > kMaxBytes)
        QFile::remove(path);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadWrite | QIODevice::Append))
        return 0;
    m_file = std::move(file);
    return 1;
}

bool CManageLog::Write(const QString& text)
{
    QMutexLocker lock(&g_manageLogMutex);
    if (!m_file)
        return false;
    const QByteArray line =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz ")).toUtf8() +
        text.toUtf8() + '\n';
    if (m_file->size() + line.size() > kMaxBytes)
        m_file->resize(0);
    const bool written = m_file->write(line) == line.size();
    m_file->flush();
    return written;
}

void CManageLog::Close()
{
    QMutexLocker lock(&g_manageLogMutex);
    if (m_file)
        m_file->close();
    m_file.reset();
}

QString CManageLog::Path() const
{
    QMutexLocker lock(&g_manageLogMutex);
    return m_file ? m_file->fileName() : QString();
}
