#include "ManagerFixture.h"

#include "NativePath.h"

#include <QDir>

#include <sqlite3.h>

#include <thread>

namespace manager_test
{

int Recorder::Callback(const MusicProgressInfo* info, void* context)
{
    auto* self = static_cast<Recorder*>(context);
    std::unique_lock lock(self->m_mutex);
    Record record;
    record.kind = info->Kind;
    record.objFlag = info->ObjFlag;
    record.obj = static_cast<CMusicObj*>(info->MusicObj);
    record.progress = info->Progress;
    record.location = info->Location ? info->Location : "";
    self->m_records.push_back(record);
    const int number = static_cast<int>(self->m_records.size()) - 1;
    self->m_cv.notify_all();
    if (number == self->m_gate)
        self->m_cv.wait(lock, [self] { return self->m_released; });
    return 0;
}

void Recorder::GateAt(int recordNumber)
{
    std::lock_guard lock(m_mutex);
    m_gate = recordNumber;
    m_released = false;
}

void Recorder::Release()
{
    std::lock_guard lock(m_mutex);
    m_released = true;
    m_cv.notify_all();
}

bool Recorder::WaitUntil(const std::function<bool(const std::vector<Record>&)>& pred,
                         std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_cv.wait_for(lock, timeout, [&] { return pred(m_records); });
}

bool Recorder::WaitForFinal(std::chrono::milliseconds timeout)
{
    return WaitUntil([](const std::vector<Record>& r) { return !r.empty() && r.back().progress == 10000; },
                     timeout);
}

std::vector<Record> Recorder::Records()
{
    std::lock_guard lock(m_mutex);
    return m_records;
}

size_t Recorder::Count()
{
    std::lock_guard lock(m_mutex);
    return m_records.size();
}

QStringList MakeAudioFiles(const QString& folder, int count, bool withArtwork)
{
    return tidewell::test::makeSongFolder(folder, count, QStringLiteral("Song"), QStringLiteral("track"),
                                          withArtwork);
}

std::vector<std::string> QueryColumn(const QString& dbPath, const std::string& sql)
{
    std::vector<std::string> out;
    sqlite3* db = nullptr;
    sqlite3_open_v2(dbPath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK)
    {
        while (sqlite3_step(stmt) == SQLITE_ROW)
        {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            out.emplace_back(text ? text : "<NULL>");
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}

int Exec(const QString& dbPath, const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(dbPath.toUtf8().constData(), &db);
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc;
}

int AddFiles(CMusicManage& manager, const QStringList& paths)
{
    std::vector<QByteArray> utf8;
    std::vector<const char*> ptrs;
    for (const QString& path : paths)
        utf8.push_back(PathToNative(path)); // as the program hands names over: by their bytes
    for (const QByteArray& path : utf8)
        ptrs.push_back(path.constData());
    return manager.AddMusicFiles(static_cast<int>(ptrs.size()), ptrs.data());
}

bool Eventually(const std::function<bool()>& pred, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end)
    {
        if (pred())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return pred();
}

bool ImportFiles(CMusicManage& manager, const QString& dbPath, const QStringList& paths, int runMode)
{
    if (manager.LoadMusicLibrary("", dbPath.toUtf8().constData(), runMode) != 0 ||
        AddFiles(manager, paths) != 0)
        return false;
    Recorder load;
    const MusicCallback cb = load.Make(RunStateLoad);
    return manager.LoadMusicList(&cb) == 0 && load.WaitForFinal();
}

} // namespace manager_test
