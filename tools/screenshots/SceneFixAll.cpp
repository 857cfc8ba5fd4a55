// Fix All from the score screen against a local identify service: the jobs waiting on the
// service, a paused fix, every song fixed (Apply) and the results applied.
#include "ScreenshotScene.h"

#include "AnalyReport.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "EventLoopHttpServer.h"
#include "MainUI.h"
#include "MusicFlags.h"
#include "ServiceKeys.h"

#include <QDir>
#include <QStackedWidget>
#include <QThread>

namespace
{

using screens::SceneContext;
using tidewell::test::EventLoopHttpServer;
using tidewell::test::HttpResponse;

QByteArray IdentifyAnswer()
{
    return R"({"status":{"msg":"Success","code":0,"version":"1.0"},"metadata":{"music":[{)"
           R"("title":"Morning Light","duration_ms":1000,"album":{"name":"Harbour Songs"},)"
           R"("genres":[{"name":"Jazz"}],"artists":[{"name":"The Tidewell Quartet"}],)"
           R"("release_date":"2004-06-07"}]},"cost_time":0.1,"result_type":0})";
}

// Ten songs with their covers, every second without artist and every third without album.
QString MakeFixLibrary(SceneContext& context)
{
    const QString folder = context.Folder(QStringLiteral("fix-library"));
    const QByteArray cover = tidewell::test::makePicture(120, 120, 0x3d7fc5);
    for (int i = 0; i < 10; ++i)
    {
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = 1.0;
        audioSpec.toneHz = 240.0 + 37.0 * i;
        audioSpec.tags.title = QStringLiteral("Track %1").arg(i + 1);
        audioSpec.tags.artist = i % 2 == 0 ? QString() : QStringLiteral("Artist %1").arg(i % 3 + 1);
        audioSpec.tags.album = i % 3 == 0 ? QString() : QStringLiteral("Album %1").arg(i % 2 + 1);
        audioSpec.tags.genre = QStringLiteral("Jazz");
        audioSpec.artwork = cover;
        tidewell::test::makeAudioFile(
            folder + QStringLiteral("/track%1.mp3").arg(i + 1, 2, 10, QLatin1Char('0')), audioSpec);
    }
    return folder;
}

bool ToScoreScreen(CMainUI* window, const QString& folder)
{
    window->LoadStartParam({folder}, QString(), RunModeFiles);
    return SceneContext::WaitUntil(
        [&]() { return window->RunState() == EWindowRunState::ResultShown && !window->IsBusy(); }, 90000);
}

void FixAll(SceneContext& context)
{
    EventLoopHttpServer service;
    if (!service.start())
        return;
    const tidewell::test::ScopedEnv host(tidewell::online::keys::kAcrHostVariable,
                                         service.hostPort().toLatin1());
    const QString folder = MakeFixLibrary(context);
    CMainUI* window = context.Window();

    // The jobs sent, the service not answering yet.
    service.answer("/v1/identify", HttpResponse::only(HttpResponse::Mode::Silent));
    if (!ToScoreScreen(window, folder))
        return;
    window->Fixall();
    SceneContext::WaitUntil([&]() { return service.requests().size() >= 5; }, 20000);
    SceneContext::Settle(400);
    context.Shot(QStringLiteral("fix-all-running"));
    window->GoHome();

    // Paused with the answers held, then all of them in: Apply.
    service.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", IdentifyAnswer()});
    if (!ToScoreScreen(window, folder))
        return;
    window->Fixall();
    window->CancelGroup();
    SceneContext::Settle(400);
    context.Shot(QStringLiteral("fix-all-paused"));
    window->CancelGroup();
    SceneContext::WaitUntil([&]() { return window->ActionStack()->currentIndex() == CMainUI::ActionApply; },
                            30000);
    SceneContext::Settle(400);
    context.Shot(QStringLiteral("fix-all-fixed"));

    window->ApplyiTunes();
    SceneContext::WaitUntil(
        [&]()
        { return !window->ApplyThread()->isRunning() && window->RunState() == EWindowRunState::ResultShown; },
        30000);
    SceneContext::Settle(400);
    context.Shot(QStringLiteral("fix-all-applied"));
}

} // namespace

TIDEWELL_SCENE("60-fix-all", FixAll);
