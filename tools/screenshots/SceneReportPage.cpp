// The report page after an analysis: every category page, the candidate pop-up, the enlarged
// picture and the Unrecognized Songs page after a run that fixed nothing.
#include "ScreenshotScene.h"

#include "AnalyReport.h"
#include "ArtworkList.h"
#include "AudioFixture.h"
#include "CMusicLink.h"
#include "CShowMaxPicture.h"
#include "ListItem.h"
#include "ListWidget.h"
#include "MainUI.h"
#include "MusicFlags.h"
#include "TypeTreeItem.h"

#include <QDir>
#include <QFile>
#include <QTreeWidget>

namespace
{

using screens::SceneContext;

// Songs of mixed fortune: no cover for most, every second without artist, every third without
// album, and one title long enough to be shortened.
QString MakeReportLibrary(SceneContext& context)
{
    const QString folder = context.Folder(QStringLiteral("report-library"));
    if (!QDir(folder).entryList(QDir::Files).isEmpty())
        return folder;
    const QByteArray cover = tidewell::test::makePicture(120, 120, 0xc5903d);
    for (int i = 0; i < 14; ++i)
    {
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = 1.0;
        audioSpec.toneHz = 260.0 + 41.0 * i;
        audioSpec.tags.title = i == 3
                                   ? QStringLiteral("A Remarkably Long Song Title That Never Fits Its Cell")
                                   : QStringLiteral("Track %1").arg(i + 1);
        audioSpec.tags.artist = i % 2 == 0 ? QString() : QStringLiteral("Artist %1").arg(i % 3 + 1);
        audioSpec.tags.album = i % 3 == 0 ? QString() : QStringLiteral("Album %1").arg(i % 2 + 1);
        audioSpec.tags.genre = QStringLiteral("Jazz");
        if (i % 4 == 1)
            audioSpec.artwork = cover;
        tidewell::test::makeAudioFile(
            folder + QStringLiteral("/track%1.mp3").arg(i + 1, 2, 10, QLatin1Char('0')), audioSpec);
    }
    return folder;
}

void ShowCategory(CAnalyReport* page, ReportCategory category)
{
    if (CTypeTreeItem* entry = page->CategoryEntry(category); entry && entry->treeWidget())
        page->CategoryTree()->setCurrentItem(entry);
    SceneContext::Settle(200);
}

void ReportPages(SceneContext& context)
{
    const QString folder = MakeReportLibrary(context);
    CMainUI* window = context.Window();
    window->LoadStartParam({folder}, QString(), RunModeFiles);
    CAnalyReport* page = window->ReportPage();
    SceneContext::WaitUntil(
        [&]() { return page->CategoryTree()->topLevelItemCount() > 0 && !window->IsBusy(); }, 90000);
    CMusicLink* link = window->MusicLink();

    ShowCategory(page, ReportArtwork);
    context.Shot(QStringLiteral("report-artwork"));
    ShowCategory(page, ReportArtist);
    context.Shot(QStringLiteral("report-artist"));
    ShowCategory(page, ReportAlbum);
    context.Shot(QStringLiteral("report-album"));

    // A folder scan finds no missing file; one song whose file went away shows that page.
    CListWidget* grid = page->ArtworkList();
    auto* first = grid->count() > 0 ? dynamic_cast<CListItem*>(grid->item(0)) : nullptr;
    if (first)
    {
        page->AddProblemTrack(first->GetMusicData(), MF_FileMissing, 0, 0, -1, 1);
        page->ReflashView(false);
        ShowCategory(page, ReportMissingFile);
        context.Shot(QStringLiteral("report-missing-files"));
        ShowCategory(page, ReportArtwork);
    }

    // The candidate pop-up and the enlarged picture of a cell that has a picture now.
    if (first && link)
    {
        const QString picture = context.Folder(QStringLiteral("pictures")) + QStringLiteral("/chosen.jpg");
        QFile file(picture);
        if (file.open(QIODevice::WriteOnly))
            file.write(tidewell::test::makePicture(300, 300, 0x3d7fc5));
        file.close();
        link->ModifyMusicInfo(first->GetMusicData(), MF_Artwork, QStringList{picture});
        first->SetArtworkPath(picture);
        first->SetArtworkState(2, true);
        first->SetArtworkCount(link->GetArtworkCount(first->GetMusicData()));
        first->SetMultiArtwork(true);
        page->SelectArtworkList(first);
        SceneContext::Settle(300);
        context.Shot(QStringLiteral("report-candidates"));
        if (page->ArtworkPopup())
            page->ArtworkPopup()->hide();
        page->ShowMaxPicture(first);
        context.Shot(QStringLiteral("report-enlarged"));
        page->MaxPicture()->HidePicuture();
    }

    // A run that fixed nothing: the songs wait on Unrecognized Songs.
    page->MoveFailedItem();
    page->MoveFailedItemOK();
    ShowCategory(page, ReportUnrecognized);
    context.Shot(QStringLiteral("report-unrecognized"));
}

} // namespace

TIDEWELL_SCENE("45-report-pages", ReportPages);
