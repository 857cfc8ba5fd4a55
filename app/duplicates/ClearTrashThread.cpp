#include "ClearTrashThread.h"

#include "AppSettings.h"
#include "ConditionWait.h"
#include "UILog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

CClearTrashThread::CClearTrashThread(QObject* parent) : QThread(parent) {}

void CClearTrashThread::WakeWithAnswer(bool cancel)
{
    QMutexLocker lock(&m_mutex);
    if (cancel)
        m_bStop = true;
    m_bAnswered = true;
    m_condition.wakeAll();
}

void CClearTrashThread::SetStopFlag()
{
    QMutexLocker lock(&m_mutex);
    m_bStop = true;
    m_condition.wakeAll();
}

bool CClearTrashThread::Stopped()
{
    QMutexLocker lock(&m_mutex);
    return m_bStop;
}

bool CClearTrashThread::AskAndWait()
{
    {
        QMutexLocker lock(&m_mutex);
        m_bAsked = true;
        m_bAnswered = false;
    }
    // The answer is a flag under the mutex, so one given before the wait below starts (a
    // direct connection, a fast box) is kept, and a spurious wake-up is no answer.
    emit AskClearTrash(10);
    QMutexLocker lock(&m_mutex);
    while (!m_bAnswered && !m_bStop)
        ConditionWait(m_condition, m_mutex);
    if (m_bStop)
    {
        lock.unlock();
        WriteUILog(QStringLiteral("User Cancel Clear Trash!"));
        return false;
    }
    return true;
}

void CClearTrashThread::run()
{
    const CAppSettings* settings = GetAppSettings();
    if (!settings)
        return;
    const QDate today = m_today.isValid() ? m_today : QDate::currentDate();
    const int clearDays = settings->GetClearDays();
    const QString recycle = settings->GetRecycleFolder();
    if (recycle.isEmpty())
        return;

    QDir folder(recycle);
    const QFileInfoList entries = folder.entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    bool asked = false;
    for (const QFileInfo& entry : entries)
    {
        if (Stopped())
            return;
        const QString name = entry.fileName();
        const QString path = recycle + u'/' + name;
        // A link is never a dated folder, even when its name reads as a day and it points to a
        // folder: it is removed as itself, and whatever it points to is left alone.
        if (entry.isSymLink() || !entry.isDir())
        {
            if (!QFileInfo::exists(path) && !entry.isSymLink())
                WriteUILog(QStringLiteral("File is not exists!%1").arg(path));
            if (!QFile::remove(path))
                WriteUILog(QStringLiteral("Remove Failed!%1").arg(path));
            continue;
        }
        const QDate day = QDate::fromString(name, QStringLiteral("yyyy-MM-dd"));
        if (!day.isValid() || day.daysTo(today) <= clearDays)
            continue;
        if (!asked)
        {
            asked = true;
            if (!AskAndWait())
                return;
        }
        ClearDatedFolder(recycle, name);
    }
}

void CClearTrashThread::ClearDatedFolder(const QString& recycle, const QString& name)
{
    const QString folderPath = recycle + u'/' + name;
    const QStringList files =
        QDir(folderPath).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& file : files)
    {
        if (Stopped())
            return;
        const QString path = folderPath + u'/' + file;
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            WriteUILog(QStringLiteral("File is not exists!%1").arg(path));
        if (!QFile::remove(path))
            WriteUILog(QStringLiteral("Delete Trash File Failed:%1").arg(path));
    }
    if (!QDir(recycle).rmdir(name))
        WriteUILog(QStringLiteral("Delete Trash path Failed:%1").arg(folderPath));
}
