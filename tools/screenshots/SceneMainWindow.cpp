// The main window's road: the start page, the scan view while songs arrive, the score screen, the
// all-clean screen and the empty result.
#include "ScreenshotScene.h"

#include "AudioFixture.h"
#include "MainUI.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QStackedWidget>
#include <QTreeWidget>

namespace
{

using screens::SceneContext;

// Songs with tags and artwork; every third one lacks its artist, every fifth its album.
QString MakeLibraryFolder(SceneContext& context, const QString& name, int count, bool complete)
{
    const QString folder = context.Folder(name);
    if (!QDir(folder).entryList(QDir::Files).isEmpty())
        return folder;
    const QByteArray cover = tidewell::test::makePicture(120, 120, 0x3d90c5);
    for (int i = 0; i < count; ++i)
    {
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = 1.0;
        audioSpec.toneHz = 220.0 + 37.0 * i;
        audioSpec.tags.title = QStringLiteral("Song %1").arg(i + 1);
        audioSpec.tags.artist =
            (!complete && i % 3 == 0) ? QString() : QStringLiteral("Artist %1").arg(i % 4 + 1);
        audioSpec.tags.album =
            (!complete && i % 5 == 0) ? QString() : QStringLiteral("Album %1").arg(i % 2 + 1);
        audioSpec.tags.genre = QStringLiteral("Pop");
        audioSpec.tags.year = 2001 + i % 10;
        audioSpec.artwork = cover;
        tidewell::test::makeAudioFile(
            folder + QStringLiteral("/song%1.mp3").arg(i + 1, 3, 10, QLatin1Char('0')), audioSpec);
    }
    return folder;
}

QStackedWidget* ContentStack(CMainUI* window)
{
    for (QStackedWidget* stack : window->findChildren<QStackedWidget*>())
        if (stack->indexOf(reinterpret_cast<QWidget*>(window->StartPage())) >= 0)
            return stack;
    return nullptr;
}

void StartPage(SceneContext& context)
{
    context.Shot(QStringLiteral("main-start"));
}

void ScanAndScore(SceneContext& context)
{
    const QString folder = MakeLibraryFolder(context, QStringLiteral("library"), 60, false);
    CMainUI* window = context.Window();
    auto* scanList = window->findChild<CTreeWidget*>();
    QStackedWidget* content = ContentStack(window);
    // The scan view holds still once the work is paused with its first rows listed. The pause is
    // asked for as the sixth row comes in, not by polling: a small library is listed and
    // analysed faster than a poll would notice.
    bool pauseAsked = false;
    const QMetaObject::Connection rows = QObject::connect(
        scanList->model(), &QAbstractItemModel::rowsInserted, window,
        [&]()
        {
            if (pauseAsked || scanList->topLevelItemCount() < 6 ||
                window->RunState() != EWindowRunState::Running)
                return;
            pauseAsked = true;
            QMetaObject::invokeMethod(
                window,
                [window]()
                {
                    if (window->RunState() == EWindowRunState::Running && window->Stage() <= 2)
                        window->CancelGroup();
                },
                Qt::QueuedConnection);
        });
    window->LoadStartParam({folder}, QString(), RunModeFiles);
    const bool held = SceneContext::WaitUntil(
        [&]()
        {
            return window->RunState() == EWindowRunState::Paused && window->Stage() <= 2 && content &&
                   content->currentIndex() == CMainUI::PageScan;
        },
        60000);
    QObject::disconnect(rows);
    if (!held)
        qWarning("main-scan: the scan view was not held; the picture shows another page");
    context.Shot(QStringLiteral("main-scan"));
    window->CancelGroup();
    SceneContext::WaitUntil([&]() { return content && content->currentIndex() == CMainUI::PageReport; },
                            60000);
    context.Shot(QStringLiteral("main-score"));
}

void AllClean(SceneContext& context)
{
    const QString folder = MakeLibraryFolder(context, QStringLiteral("clean"), 6, true);
    CMainUI* window = context.Window();
    window->LoadStartParam({folder}, QString(), RunModeFiles);
    SceneContext::WaitUntil(
        [&]() { return window->RunState() == EWindowRunState::ResultShown && !window->IsBusy(); }, 60000);
    context.Shot(QStringLiteral("main-all-clean"));
}

void EmptyResult(SceneContext& context)
{
    const QString folder = context.Folder(QStringLiteral("empty"));
    CMainUI* window = context.Window();
    window->LoadStartParam({folder}, QString(), RunModeFiles);
    SceneContext::WaitUntil(
        [&]() { return window->RunState() == EWindowRunState::ResultShown && !window->IsBusy(); }, 30000);
    context.Shot(QStringLiteral("main-empty"));
}

} // namespace

TIDEWELL_SCENE("10-start", StartPage);
TIDEWELL_SCENE("20-scan-score", ScanAndScore);
TIDEWELL_SCENE("30-all-clean", AllClean);
TIDEWELL_SCENE("40-empty", EmptyResult);
