// The duplicate page: the scan set-up with paths listed, the groups after a quick scan, a Remove
// whose recycle folder cannot take the copies (with the box that names them), the same groups
// after Remove (removed copies greyed), and the removal-history options dialog.
#include "ScreenshotScene.h"

#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "CWarnMessage.h"
#include "Duplicate.h"
#include "DuplicateControl.h"
#include "DuplicateWidget.h"
#include "HistoryOptWidget.h"
#include "MainUI.h"
#include "MusicFlags.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRadioButton>

namespace
{

using screens::SceneContext;

// Seven songs and three byte-for-byte copies: a group of three and a group of two.
QString MakeDuplicateFolder(SceneContext& context)
{
    const QString folder = context.Folder(QStringLiteral("duplicates"));
    if (!QDir(folder).entryList(QDir::Files).isEmpty())
        return folder;
    const QStringList files =
        tidewell::test::makeSongFolder(folder, 7, QStringLiteral("Song"), QStringLiteral("song"), false);
    if (files.size() == 7)
    {
        QFile::copy(files[0], folder + QStringLiteral("/song0 copy.mp3"));
        QFile::copy(files[0], folder + QStringLiteral("/song0 again.mp3"));
        QFile::copy(files[1], folder + QStringLiteral("/song1 copy.mp3"));
    }
    return folder;
}

void DuplicatePage(SceneContext& context)
{
    const QString folder = MakeDuplicateFolder(context);
    CMainUI* window = context.Window();
    CDuplicate* view = window->DuplicateView();
    window->DuplicateControl()->Duplicate();
    view->SetPendingScanPaths({folder, folder + QStringLiteral("/song2.mp3")});
    SceneContext::Settle(300);
    context.Shot(QStringLiteral("duplicate-setup"));

    // One-second tones are too short for fingerprints: compare tags.
    const QList<QRadioButton*> modes = view->OptionsPane()->findChildren<QRadioButton*>();
    if (!modes.isEmpty())
        modes.first()->click();
    window->DuplicateControl()->ScanDuplicate();
    SceneContext::WaitUntil(
        [&]() { return window->RunState() == EWindowRunState::ResultShown && !window->IsBusy(); }, 60000);
    SceneContext::Settle(300);
    context.Shot(QStringLiteral("duplicate-result"));

    const auto removeAndShoot = [&](const QString& name)
    {
        window->DuplicateControl()->RemoveDuplicate();
        SceneContext::WaitUntil(
            [&]() {
                return window->RunState() == EWindowRunState::ResultShown &&
                       !window->ApplyThread()->isRunning();
            },
            60000);
        SceneContext::Settle(300);
        context.Shot(name);
    };
    // First into a recycle folder that cannot take the copies (a file stands where the day's
    // folder goes): nothing moves, and the hint says so. Then into the real one.
    const CAppSettings* folders = GetAppSettings();
    const QString day = folders ? folders->GetRecycleFolder() + QLatin1Char('/') +
                                      QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))
                                : QString();
    QFile blocker(day);
    if (!day.isEmpty() && QDir(day).removeRecursively() && blocker.open(QIODevice::WriteOnly))
    {
        blocker.close();
        // The Remove confirmation is answered; the box that names the copies left in place is
        // shown as the user sees it.
        int asked = 0;
        const CMessageSeam::Scope answers(
            [&](const MessageQuestion& question)
            {
                if (asked++ == 0)
                    return 1;
                CWarnMessage box(question.parent, question.title, question.text, question.type, QString(),
                                 QString(), QString(), 0);
                box.show();
                SceneContext::Settle(300);
                context.Shot(QStringLiteral("duplicate-not-moved-box"), &box);
                return 1;
            });
        removeAndShoot(QStringLiteral("duplicate-not-moved"));
        QFile::remove(day);
        QDir().mkpath(day);
    }
    removeAndShoot(QStringLiteral("duplicate-removed"));
    if (CAppSettings* settings = GetAppSettings())
        settings->SetDuplicate(static_cast<int>(kDefaultDuplicateMask));
}

void HistoryOptions(SceneContext& context)
{
    CHistoryOptWidget dialog(context.Window());
    dialog.show();
    SceneContext::Settle(300);
    context.Shot(QStringLiteral("duplicate-history"), &dialog);
    dialog.close();
}

} // namespace

TIDEWELL_SCENE("50-duplicates", DuplicatePage);
TIDEWELL_SCENE("55-duplicate-history", HistoryOptions);
