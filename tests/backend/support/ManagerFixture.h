#pragma once

#include "AudioFixture.h"
#include "MusicManage.h"
#include "MusicManageTypes.h"
#include "RoadInvariants.h"
#include "TempHome.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace manager_test
{

// One progress record as the callback saw it.
struct Record
{
    int kind = 0;
    int objFlag = 0;
    CMusicObj* obj = nullptr;
    int progress = 0;
    std::string location;
};

// Collects progress records from a worker thread. With a gate set, the callback holds at the
// record with that 0-based number until the test releases it, so a test can act while the
// worker is known to be between two tracks.
class Recorder
{
public:
    static int Callback(const MusicProgressInfo* info, void* context);
    MusicCallback Make(int kind) { return MusicCallback{kind, &Recorder::Callback, this}; }

    void GateAt(int recordNumber);
    void Release();
    // Waits (at most the timeout) until pred holds; pred runs under the recorder's lock.
    bool WaitUntil(const std::function<bool(const std::vector<Record>&)>& pred,
                   std::chrono::milliseconds timeout = std::chrono::seconds(60));
    bool WaitForFinal(std::chrono::milliseconds timeout = std::chrono::seconds(60));
    std::vector<Record> Records();
    size_t Count();

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::vector<Record> m_records;
    int m_gate = -1;
    bool m_released = false;
};

// A private home with the manager's folders below it.
struct ManagerHome
{
    tidewell::test::TempHome home;
    QString logFolder = home.file("data/logs/.keep").section('/', 0, -2);
    QString pictureFolder = home.file("data/pictures/.keep").section('/', 0, -2);
    QString recycleRoot = home.path() + "/Zavro_Recycle Bin";
    QString dbPath = home.path() + "/data/MusicLibrary.db";

    std::unique_ptr<CMusicManage> MakeManager() const
    {
        return std::make_unique<CMusicManage>(logFolder, pictureFolder, recycleRoot);
    }

    // The invariants every road ends with (RoadInvariants.h), over this home, its recycle
    // folder, its database and the libraries given; one line each.
    std::string RoadFaults(const QStringList& libraries = {}) const
    {
        return tidewell::test::RoadFaults({libraries, {recycleRoot}, dbPath}).join('\n').toStdString();
    }
};

// Real audio files for an import: returns their paths in order.
QStringList MakeAudioFiles(const QString& folder, int count, bool withArtwork = false);

// Rows of a statement's first column, read over a separate connection.
std::vector<std::string> QueryColumn(const QString& dbPath, const std::string& sql);
int Exec(const QString& dbPath, const std::string& sql);

// Hands the paths to the manager as UTF-8.
int AddFiles(CMusicManage& manager, const QStringList& paths);

// Opens a library of the given files in the run mode (no iTunes library), imports them and waits
// for the import's final record. False at the first step that fails.
bool ImportFiles(CMusicManage& manager, const QString& dbPath, const QStringList& paths, int runMode);

// Polls until pred holds or the timeout passes.
bool Eventually(const std::function<bool()>& pred,
                std::chrono::milliseconds timeout = std::chrono::seconds(30));

} // namespace manager_test
