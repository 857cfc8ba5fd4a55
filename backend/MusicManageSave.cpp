#include "MusicManage.h"
#include "TracksTable.h"

#include "SameFileIndex.h"
#include "SaveToDBThread.h"
#include "iTunesLib.h"

#include <QMutexLocker>

// Writing the run's results to the database: the transaction of the apply pass, one track's
// analysis marks, and the save pass.

namespace
{

// Tracks of the save pass per commit: few flushes to disk, and a bounded commit for a stop to wait on.
constexpr int kSavePassPiece = 20000;

} // namespace

int CMusicManage::SetTransaction(int flag)
{
    if (!m_library)
        return -1;
    if (flag == 0)
        WaitForSavePass();
    const int ret = m_library->SetTransaction(flag != 0);
    if (ret == 0)
    {
        // What the files are is asked again in each transaction. A begin refused because one runs
        // (another thread's batch) leaves the running one's index alone.
        QMutexLocker index(&m_fileIndexMutex);
        m_fileIndex.reset();
        m_inTransaction = flag == 0;
    }
    return ret;
}

void CMusicManage::WaitForSavePass()
{
    if (QThread::currentThread() != m_saveThread.get())
        m_saveThread->wait();
}

int CMusicManage::SaveMusicObj(CMusicObj* obj)
{
    if (m_exit)
        return 0;
    if (!obj || !m_library)
        return -1;
    const QByteArray absence = QByteArray::number(obj->GetAbsence());
    const QByteArray repeat = QByteArray::number(static_cast<qlonglong>(obj->GetRepeatID()));
    const QByteArray state = QByteArray::number(obj->GetState());
    const char* const names[] = {"Absence", "RepeatID", "State"};
    const char* const values[] = {absence.constData(), repeat.constData(), state.constData()};
    const int ret =
        m_library->UpdateMultiValues(obj->CurrentInfo().PersistentID, obj->GetType(), names, values, 3);
    if (ret != 0)
        WriteManageLog(QStringLiteral("SaveMusicObj Failed:") + obj->CurrentInfo().Location);
    return ret;
}

void CMusicManage::SaveDataToDB()
{
    if (!m_library)
        return;
    WriteManageLog(QStringLiteral("start SaveDataToDB()"));
    // One transaction a piece of the pass (one flush to disk per piece instead of one per song);
    // edits made meanwhile go into it too. It is committed on every way out.
    struct PassTransaction
    {
        explicit PassTransaction(std::recursive_mutex& mutex) : dbMutex(mutex)
        {
            QMutexLocker db(&dbMutex);
            BeginTransaction();
        }
        ~PassTransaction()
        {
            QMutexLocker db(&dbMutex);
            CommitTransaction();
        }
        std::recursive_mutex& dbMutex;
    } transaction(m_library->DbMutex());
    for (int i = 0;; ++i)
    {
        if (m_exit)
            return;
        // Held across the read and the write, so an edit of this track runs before or after.
        QMutexLocker db(&m_library->DbMutex());
        if (i >= MainListSize())
            break;
        // Committed in pieces: a stop (Home, closing) waits for the commit of what the open
        // transaction holds, which in one transaction would be the whole pass of a large library.
        if (i > 0 && i % kSavePassPiece == 0 && (CommitTransaction() != 0 || BeginTransaction() != 0))
            WriteManageLog(QStringLiteral("SaveDataToDB: a piece's commit failed"));
        CMusicObj* obj = MusicAt(i);
        if (obj && obj->GetAnalysed())
            SaveMusicObj(obj);
    }
    WriteManageLog(QStringLiteral("End SaveDataToDB()"));
    WriteManageLog(QStringLiteral("Start Delete Complete Music: %1").arg(CleanListSize()));
    for (;;)
    {
        if (m_exit)
            return;
        QMutexLocker db(&m_library->DbMutex());
        QMutexLocker lock(&m_listMutex);
        if (m_cleanList.empty())
            break;
        const std::unique_ptr<CMusicObj>& obj = m_cleanList.back();
        if (obj)
            m_library->DeleteMusicFromDB(obj->CurrentInfo().PersistentID, obj->GetType());
        m_cleanList.pop_back();
    }
    {
        // The clean songs have left the table; the library's size stays with it, so a saved
        // project scores against the whole library.
        QMutexLocker db(&m_library->DbMutex());
        int total = 0;
        {
            QMutexLocker lock(&m_listMutex);
            total = m_trackCount;
        }
        UpdateLibraryTotal(total);
    }
    WriteManageLog(QStringLiteral("End Delete Complete Music"));
}
