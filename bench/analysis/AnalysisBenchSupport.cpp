#include "AnalysisBenchSupport.h"

#include "MusicAnalysis.h"
#include "MusicFlags.h"

#include <QDir>
#include <QElapsedTimer>

#include <condition_variable>
#include <mutex>

namespace analysis_bench
{
namespace
{

struct Done
{
    std::mutex mutex;
    std::condition_variable cv;
    bool finished = false;
    static int Callback(const MusicProgressInfo* info, void* context)
    {
        auto* self = static_cast<Done*>(context);
        if (info->Progress == 10000)
        {
            std::lock_guard lock(self->mutex);
            self->finished = true;
            self->cv.notify_all();
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<CMusicManage> MakeManager(const QString& folder)
{
    QDir().mkpath(folder + "/data");
    auto manager = std::make_unique<CMusicManage>(folder + "/data", folder + "/data", folder + "/Recycle");
    const QByteArray db = (folder + "/data/MusicLibrary.db").toUtf8();
    manager->LoadMusicLibrary("", db.constData(), RunModeFiles);
    return manager;
}

double RunAnalysis(CMusicManage& manager, int options)
{
    Done done;
    const MusicCallback cb{RunStateAnalysis, &Done::Callback, &done};
    QElapsedTimer timer;
    timer.start();
    manager.AnalyzeMusicList(&cb, options);
    std::unique_lock lock(done.mutex);
    done.cv.wait(lock, [&] { return done.finished; });
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    lock.unlock();
    manager.WaitForSavePass();
    return seconds;
}

double RunLiteralDuplicatePass(CMusicManage& manager, int options)
{
    QElapsedTimer timer;
    timer.start();
    RunFullScanDuplicatePass(manager, options);
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

std::vector<long long> Outcome(CMusicManage& manager)
{
    std::vector<long long> out;
    for (int i = 0; i < manager.MainListSize(); ++i)
    {
        const CMusicObj* obj = manager.MusicAt(i);
        out.push_back(obj->GetAbsence());
        out.push_back(obj->GetState());
        out.push_back(obj->GetRepeatID());
    }
    return out;
}

} // namespace analysis_bench
