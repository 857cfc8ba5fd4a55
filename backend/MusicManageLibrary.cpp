#include "MusicManage.h"
#include "TracksTable.h"

#include "AppGlobals.h"
#include "DowndThrad.h"
#include "MusicFlags.h"
#include "SameFileIndex.h"
#include "iTunesLib.h"

#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

// Opening a library (the set-up with its second database of a duplicate scan of files) and
// closing it: the closed libraries and their tracks are retired off the caller's thread.

namespace
{

// The second database of a duplicate scan of files. It lies beside the library database and
// must never be the same file, or the run's own library object would delete the copy.
QString zDatabasePath(const QString& dbPath)
{
    QString path = dbPath;
    path.replace(QStringLiteral("MusicLibrary.db"), QStringLiteral("MusicLibraryz.db"));
    if (path != dbPath)
        return path;
    const QFileInfo info(dbPath);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(suffix.isEmpty() ? base + u'z' : base + u'z' + u'.' + suffix);
}

} // namespace

int CMusicManage::LoadMusicLibrary(const char* xmlPath, const char* dbPath, int mode)
{
    const QString xml = QString::fromUtf8(xmlPath ? xmlPath : "");
    const QString db = QString::fromUtf8(dbPath ? dbPath : "");
    WriteManageLog(QStringLiteral("Enter CMusicManage::LoadMusicLibrary(pXMLPath:%1,pDBPath:%2,mode:%3")
                       .arg(xml, db)
                       .arg(mode));
    CloseMusicLibrary();
    m_retire.WaitForRetired();

    {
        QMutexLocker setup(&m_libraryMutex);
        m_settingUp = true;
        m_setupStopped = false;
    }
    // Whatever happens below, the set-up is over when this returns: a later stop is a plain one.
    struct SetupEnd
    {
        CMusicManage* manager;
        ~SetupEnd()
        {
            QMutexLocker setup(&manager->m_libraryMutex);
            manager->m_settingUp = false;
        }
    } setupEnd{this};

    {
        // The exit of the closed run is cleared here, on the set-up's thread; a stop that arrived
        // since the set-up began belongs to this run and holds.
        QMutexLocker setup(&m_libraryMutex);
        QMutexLocker lock(&g_musicInfoMutex);
        m_exit = m_setupStopped;
        m_analysisPaused = false;
    }
    m_skipYearGenre = false;
    m_optionFlags = 0;
    {
        QMutexLocker lock(&m_listMutex);
        m_trackCount = 0;
    }

    for (DownloadSlot& slot : m_slots)
        slot.thread->wait();

    QString zPath;
    if (mode == RunModeDuplicateFiles)
    {
        zPath = zDatabasePath(db);
        int ret = 0;
        auto zLibrary = OpenLibraryObject(xml, zPath, RunModeDuplicateITunes, ret);
        if (zLibrary && ret >= 0 && PublishLibrary(m_zLibrary, zLibrary))
            m_zLibrary->LoadZMusicData();
        else
            TakeLibrary(m_zLibrary).reset();
    }

    int ret = 0;
    auto library = OpenLibraryObject(xml, db, mode, ret);
    if (!library || ret < 0 || !PublishLibrary(m_library, library))
    {
        library.reset();
        TakeLibrary(m_library).reset();
    }

    if (m_zLibrary && m_zLibrary->OpenZDatabase(zPath) == -3)
        WriteManageLog(QStringLiteral("LoadMusicLibrary: Open ZDB failed"));

    if (mode == RunModeProject && ret == 1)
        m_skipYearGenre = true;
    m_projectTotal = 0;
    if (mode == RunModeProject && m_library)
    {
        QMutexLocker lock(&m_library->DbMutex());
        m_projectTotal = SelectLibraryTotal();
    }
    return m_library ? 0 : -1;
}

std::unique_ptr<CiTunesLib> CMusicManage::OpenLibraryObject(const QString& xml, const QString& db, int mode,
                                                            int& result)
{
    {
        QMutexLocker setup(&m_libraryMutex);
        if (m_setupStopped)
        {
            result = -1;
            return nullptr;
        }
        m_openingLibrary = true;
    }
    // A stop meanwhile ends the agent's library read (see SetExitState); the object then fails.
    auto library = std::make_unique<CiTunesLib>(this, xml, db, mode, &result);
    QMutexLocker setup(&m_libraryMutex);
    m_openingLibrary = false;
    return library;
}

bool CMusicManage::PublishLibrary(std::unique_ptr<CiTunesLib>& slot, std::unique_ptr<CiTunesLib>& library)
{
    QMutexLocker setup(&m_libraryMutex);
    if (m_setupStopped)
        return false;
    slot = std::move(library);
    return true;
}

std::unique_ptr<CiTunesLib> CMusicManage::TakeLibrary(std::unique_ptr<CiTunesLib>& slot)
{
    // Destroyed outside the lock by the caller: it releases the agent, which may take a moment.
    QMutexLocker setup(&m_libraryMutex);
    return std::move(slot);
}

void CMusicManage::CloseMusicLibrary()
{
    if (!m_exit)
        SetExitState(1);
    // A worker may have been started after an earlier exit (the analysis does not test the
    // flag before it starts): join whatever still runs before its tracks go away.
    JoinWorkers();
    ClearTracks();
    std::vector<std::unique_ptr<CiTunesLib>> closed;
    if (m_zLibrary)
    {
        m_zLibrary->CloseZDatabase();
        closed.push_back(TakeLibrary(m_zLibrary));
    }
    if (auto library = TakeLibrary(m_library))
        closed.push_back(std::move(library));
    if (closed.empty())
        return;
    // The caller may delete or replace the database files once this returns.
    for (const auto& library : closed)
        library->CloseDatabase();
    auto gone = std::make_shared<std::vector<std::unique_ptr<CiTunesLib>>>(std::move(closed));
    m_retire.Retire([gone] { gone->clear(); });
}

void CMusicManage::ClearTracks()
{
    using Tracks = std::vector<std::unique_ptr<CMusicObj>>;
    auto lists = std::make_shared<std::pair<Tracks, Tracks>>();
    {
        // The index of the tracks' files names the tracks that go now.
        QMutexLocker index(&m_fileIndexMutex);
        m_fileIndex.reset();
        m_inTransaction = false;
    }
    {
        QMutexLocker lock(&m_listMutex);
        lists->first.swap(m_mainList);
        lists->second.swap(m_cleanList);
    }
    // Tens of thousands of tracks take the better part of 100 ms to free, and the window closes a
    // library on its GUI thread: they are freed with the closed libraries. Nothing reads them any
    // more.
    if (lists->first.size() + lists->second.size() > 1000)
        m_retire.Retire(
            [lists]
            {
                lists->first.clear();
                lists->second.clear();
            });
}
