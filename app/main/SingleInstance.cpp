#include "SingleInstance.h"

#include "AppGlobals.h"
#include "CWarnMessage.h"

#include <QDir>
#include <QStandardPaths>

CSingleInstance::CSingleInstance(const QString& lockPath) : m_lock(lockPath)
{
    // A lock left by a copy that died is taken over: its holder's process id no longer runs.
    m_lock.setStaleLockTime(0);
}

QString CSingleInstance::DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/com.zavro.tidewell.singleInstance.lock");
}

bool CSingleInstance::Acquire()
{
    if (m_lock.tryLock(0))
        return true;
    CWarnMessage::ShowMessage(nullptr, g_strFullProductName,
                              tr("%1 is already running. Please use its open window.").arg(g_strAppName), 0,
                              QString(), QString(), QString(), 0);
    return false;
}
