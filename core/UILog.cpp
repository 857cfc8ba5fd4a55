#include "UILog.h"

#include "AppGlobals.h"
#include "AppSettings.h"

#include <QDateTime>
#include <QFile>
#include <QMutexLocker>

#include <memory>

namespace
{

constexpr int kCopies = 10;
constexpr int kCopiesKept = 5;

// The open log; guarded by g_uiLogMutex.
std::unique_ptr<QFile> g_logFile;

constexpr QIODevice::OpenMode kLogMode = QIODevice::ReadWrite | QIODevice::Append;

QString CopyPath(const QString& dataFolder, int index)
{
    return dataFolder + QStringLiteral("/UI_%1.log").arg(index);
}

// With g_uiLogMutex held: creates the file object and opens it. False when it existed already.
bool OpenLocked()
{
    if (g_logFile)
        return false;
    CAppSettings* settings = GetAppSettings();
    if (!settings)
        return false;
    g_logFile = std::make_unique<QFile>(settings->GetDataFolder() + QStringLiteral("/UI.log"));
    return g_logFile->open(kLogMode);
}

// With g_uiLogMutex held: moves the live log to the next free copy. When all ten copies exist the
// five oldest are dropped and the five newest become 0..4. Failed deletes and renames are
// passed over; the live file always moves on.
bool RotateLocked(const QString& dataFolder)
{
    QString target;
    for (int k = 0; k < kCopies && target.isEmpty(); ++k)
    {
        if (!QFile::exists(CopyPath(dataFolder, k)))
            target = CopyPath(dataFolder, k);
    }
    if (target.isEmpty())
    {
        for (int k = 0; k < kCopiesKept; ++k)
            QFile::remove(CopyPath(dataFolder, k));
        for (int k = 0; k < kCopiesKept; ++k)
            QFile::rename(CopyPath(dataFolder, k + kCopiesKept), CopyPath(dataFolder, k));
        target = CopyPath(dataFolder, kCopiesKept);
    }

    const QString liveName = g_logFile->fileName();
    g_logFile->rename(target);
    g_logFile->close();
    g_logFile->setFileName(liveName);
    return g_logFile->open(kLogMode);
}

} // namespace

bool OpenUILog()
{
    QMutexLocker lock(&g_uiLogMutex);
    return OpenLocked();
}

int WriteUILog(const QString& message)
{
    QMutexLocker lock(&g_uiLogMutex);
    // One lock for the whole call: a second thread can no longer slip in between the check for
    // the file object and its creation.
    if (!g_logFile && !OpenLocked())
        return -1;
    if (!g_logFile->isOpen() && !g_logFile->open(kLogMode))
        return -1;

    if (g_logFile->size() >= kUILogLimit)
    {
        CAppSettings* settings = GetAppSettings();
        if (settings && !RotateLocked(settings->GetDataFolder()))
            return -1;
    }
    // The log is the program's own diagnostic: every entry keeps its text and the time it came.
    const QByteArray line =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz ")).toUtf8() +
        message.toUtf8() + '\n';
    if (g_logFile->write(line) != line.size())
        return -1;
    g_logFile->flush();
    return 0;
}

void CloseUILog()
{
    QMutexLocker lock(&g_uiLogMutex);
    if (g_logFile)
    {
        g_logFile->close();
        g_logFile.reset();
    }
}
