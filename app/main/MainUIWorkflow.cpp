// The road from a start request to the score screen: load, analysis hand-over and score screens.
#include "MainUI.h"

#include "AnalyReport.h"
#include "AnalyWidget.h"
#include "AnalyzeThread.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioTypes.h"
#include "CMusicLink.h"
#include "CShadeLabel.h"
#include "CTextButton.h"
#include "CWarnMessage.h"
#include "Duplicate.h"
#include "DuplicateControl.h"
#include "MusicObj.h"
#include "NativePath.h"
#include "PauseControl.h"
#include "ReadyLoadThread.h"
#include "ResultMarks.h"
#include "RowReaper.h"
#include "ScreenText.h"
#include "SharedImages.h"
#include "StyleTemplates.h"
#include "UILog.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QMovie>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStackedWidget>
#include <QTimer>

#include <filesystem>
#include <utility>

namespace
{

// The scan view's list state, one for the process: the rows beyond one screenful live only in
// g_scanTextList (two entries a track) and the separate scroll bar pages through them.
int s_listedCount = 0;
int s_visibleRows = 0;
bool s_overflow = false;

constexpr int kRowHeight = 25;

// True when path is folder or lies below it ('/'-separated, letter case ignored).
bool IsInsideFolder(const QString& path, const QString& folder)
{
    QString base = QDir::cleanPath(folder);
    if (base.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(path);
    if (clean.compare(base, Qt::CaseInsensitive) == 0)
        return true;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return clean.startsWith(base, Qt::CaseInsensitive);
}

// A path reads left to right in every language: in a right-to-left window a leading mark keeps
// its separators in place.
QString DisplayPath(const QString& path)
{
    const QString shown = ScreenText(path);
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QChar(0x200E) + shown : shown;
}

} // namespace

int& CMainUI::ScanRowsShown()
{
    return s_visibleRows;
}

// ---- Start request and load ------------------------------------------------------------------

void CMainUI::LoadStartParam(const QStringList& paths, const QString& path, EMusicRunMode mode)
{
    if (mode == RunModeNone)
        return;
    // One run at a time: a request while anything runs would rewrite what the workers read.
    if (IsBusy())
    {
        WriteUILog(QStringLiteral("LoadStartParam ignored: a run is in progress"));
        return;
    }
    ++m_uRunGeneration;
    m_bStopRequest = false;
    m_flow.BeginLoad();
    m_eRunMode = mode;
    m_strProjectPath = path;
    m_pathList = paths;
    m_bServiceUnreached = false;

    SetProgressNow(0);
    m_pHintLine->SetShadeHidden(true);
    m_pHeaderStack->setCurrentIndex(HeaderProgress);
    m_pContentStack->setCurrentIndex(PageScan);
    m_pTopStack->setCurrentIndex(TopScanning);
    SetScoreShown(false);
    m_pActionStack->setCurrentIndex(ActionPause);
    m_pBusyBanner->ShowLoading(true);
    m_pPauseControl->SetLook(true);
    m_pPauseControl->SetButtonEnabled(false);
    m_pMessageLine->SetText(tr("Loading, please wait..."));
    StartHeaderMovie(QStringLiteral(":/res/res/win/gif/scanning.gif"));
    m_eStage = EWorkStage::Loading;
    m_pDuplicateControl->Reset();
    m_eRunState = EWindowRunState::Running;
    m_pActionSave->setEnabled(true);
    m_pPauseControl->SetActions(true, false);
    Relayout();
    m_pReadyLoadThread->start(QThread::InheritPriority);
}

bool CMainUI::ReadyToLoading()
{
    const bool engineScan = GetWorkMode() == EWorkMode::Duplicates && !g_bScaniTunes;
    // A mark of the run before lands in that run's database, never in this one's.
    m_pResultMarks->WaitWritten();
    m_iLoadedStage = ResultStageUnknown;
    m_bLoadedUnreached = false;
    if (!engineScan)
    {
        int result = 0;
        if (m_eRunMode == RunModeITunes && !m_pathList.isEmpty())
            result = m_pMusicLink->LoadMusicLibrary(m_eRunMode, m_pathList.first().toUtf8().constData());
        else
            result = m_pMusicLink->LoadMusicLibrary(m_eRunMode);
        if (result != 0)
            return false;
        if (m_eRunMode == RunModeProject)
        {
            m_iLoadedStage = m_pMusicLink->LibraryValue(kResultStageKey, ResultStageUnknown);
            m_bLoadedUnreached = m_pMusicLink->LibraryValue(kResultUnreachedKey, 0) == 1;
        }
    }
    QStringList files;
    if (m_eRunMode == RunModeFiles || m_eRunMode == RunModeDuplicateFiles)
    {
        const CAppSettings* settings = GetAppSettings();
        const QString recycle = settings ? settings->GetRecycleFolder() : QString();
        for (const QString& entry : m_pathList)
        {
            if (m_bStopRequest)
                return true;
            // A folder or file the user picked is taken even when it is a link: it is followed
            // once, to what it names. Links met inside a folder stay out of the walk.
            QFileInfo picked(entry);
            if (picked.isSymLink())
                picked = QFileInfo(picked.canonicalFilePath());
            ScanMusicFolder(files, picked, recycle, 0);
        }
        if (m_bStopRequest)
            return true;
        files.removeDuplicates();
        if (!engineScan)
            m_pMusicLink->AddMusicFiles(files);
    }
    if (engineScan)
    {
        // The engine takes the songs the walk found, sub-folders and all: left to itself it would
        // list a dropped folder one level deep, and a music folder is a tree of artists and albums.
        m_iDedupeTotal = static_cast<int>(files.size());
        for (const QString& file : std::as_const(files))
            m_pMusicLink->AddToDedupeList(file, 0);
    }
    m_pathList.clear();
    return true;
}

void CMainUI::ScanMusicFolder(QStringList& files, const QFileInfo& entry, const QString& skip, int value)
{
    if (m_bStopRequest)
        return;
    namespace fs = std::filesystem;
    // Through the names' own bytes: Qt leaves out, or cannot find, a name that is not UTF-8.
    const QString path = entry.absoluteFilePath();
    const fs::path native(PathToNative(path).toStdString());
    std::error_code error;
    const fs::file_status status = fs::symlink_status(native, error);
    if (error || fs::is_symlink(status))
        return;
    if (fs::is_directory(status))
    {
        if (IsInsideFolder(path, skip))
            return;
        emit ScaningPath(path);
        QStringList children;
        for (fs::directory_iterator it(native, error), end; !error && it != end; it.increment(error))
        {
            if (it->path().filename().native().front() !=
                '.') // hidden entries stay out, as in a file manager
                children << PathFromNative(QByteArray::fromStdString(it->path().native()));
        }
        std::sort(children.begin(), children.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        for (const QString& child : children)
        {
            if (m_bStopRequest)
                return;
            ScanMusicFolder(files, QFileInfo(child), skip, value);
        }
        return;
    }
    // Only regular files: a FIFO or device named like a song would block whoever opens it.
    const auto road =
        m_eRunMode == RunModeDuplicateFiles ? CAudioTypes::ERoad::Duplicates : CAudioTypes::ERoad::Fix;
    if (CAudioTypes::IsAudioFile(entry.fileName(), road) && fs::is_regular_file(status))
        files.append(path);
}

void CMainUI::LoadMusic(void* track, int progress, QString path)
{
    LoadMusicBatch({LinkTrackReport{track, progress, std::move(path)}});
}

void CMainUI::LoadMusicBatch(const QList<LinkTrackReport>& reports)
{
    if (m_bStopRequest || reports.isEmpty())
        return;
    const int listedBefore = s_listedCount;
    const LinkTrackReport* shown = nullptr;
    // In the language installed now: a run after a language switch lists its rows in the new one.
    const QString libraryMusic = tr("Library Music");
    for (const LinkTrackReport& report : reports)
    {
        if (s_listedCount == 0)
        {
            const int height = m_pScanList->viewport()->height();
            const int rowHeight = ScaledInt(kRowHeight);
            s_visibleRows = height / rowHeight + (height % rowHeight ? 1 : 0);
            Relayout();
            s_overflow = false;
        }
        if (!report.track || report.path.isEmpty())
            continue;
        g_scanTextList << libraryMusic << report.path;
        ++s_listedCount;
        shown = &report;
        // Rows for the first screenful only; the scroll bar pages through the rest.
        if (s_overflow || s_listedCount > s_visibleRows)
            continue;
        auto* item = new QTreeWidgetItem(m_pScanList);
        if (g_iconComplete)
            item->setIcon(0, *g_iconComplete);
        item->setText(1, libraryMusic);
        item->setText(2, DisplayPath(report.path));
        item->setSizeHint(0, QSize(ScaledInt(60), ScaledInt(kRowHeight)));
    }
    m_strLastPath = reports.last().path;
    if (s_listedCount != listedBefore && s_listedCount > s_visibleRows)
    {
        m_pScanScroll->setMaximum(s_listedCount - s_visibleRows);
        if (!s_overflow)
        {
            s_overflow = true;
            m_pScanScroll->show();
        }
    }
    if (!shown)
        return;
    const QString stageText =
        m_eStage == EWorkStage::Analysing ? tr("Analyzing Library: ") : tr("Scanning Library: ");
    if (m_eStage != EWorkStage::Analysing)
        m_flow.LoadListed();
    // Steps queued before a pause never overwrite what the pause says.
    if (m_eRunState != EWindowRunState::Paused)
    {
        const QString name = shown->path.mid(shown->path.lastIndexOf(QLatin1Char('/')) + 1);
        m_pMessageLine->SetText(tr("%1  %2  %3").arg(stageText, libraryMusic, name));
    }
    SetProgress(shown->progress);
}

// ---- Load completion and analysis ------------------------------------------------------------

void CMainUI::ReadyToLoadingOK(bool ok)
{
    if (m_bStopRequest)
        return;
    m_pPauseControl->SetButtonEnabled(true);
    if (ok)
    {
        m_pBusyBanner->hide();
        m_pMusicLink->StartLoadMusic();
        return;
    }
    if (m_eRunMode == RunModeITunes)
    {
        WriteUILog(QStringLiteral("Open iTunes com Failed!"));
        CWarnMessage::ShowMessage(
            this, QString(),
            tr("Oops! An error occurred in loading iTunes\nlibrary. Please set in iTunes: "
               "Preference>\nAdvance>Share iTunes Library XML with other\napplication,and "
               "Click Try Again to continue."),
            0, QString(), QString(), QString(), 0);
    }
    ShowEmptyResult();
}

void CMainUI::AcceptLoadOK()
{
    if (GetWorkMode() == EWorkMode::Duplicates && !g_bScaniTunes)
    {
        if (m_bStopRequest)
            return;
        m_iResultType = RunModeDuplicateFiles;
        // No song to compare is not "no duplicates".
        if (m_pMusicLink->GetDedupeLoadCount() <= 0)
        {
            ShowEmptyResult();
            return;
        }
        m_pAnalyzeThread->LoadDuplicateGroups();
        return;
    }
    if (m_bStopRequest)
        return;
    int type = 0;
    const int n = m_pMusicLink->GetMusicCount(nullptr, &type);
    m_iResultType = m_eRunMode == RunModeProject ? ProjectResultType(n) : type;
    if (n <= 0)
    {
        ShowEmptyResult();
        return;
    }
    // A pause made while loading holds into the analysis: it starts paused.
    const bool paused = m_eRunState == EWindowRunState::Paused;
    m_eRunState = EWindowRunState::ResultShown;
    m_pPauseControl->SetActions(false, false);
    StartAnalyze();
    if (paused)
    {
        m_pMusicLink->SetRunState(RunStateAnalysis, ManagePaused);
        m_eRunState = EWindowRunState::Paused;
        m_pPauseControl->SetActions(false, true);
        m_pPauseControl->SetLook(false);
        m_pHeaderMovie->setPaused(true);
        m_pBusyBanner->StopMovie();
    }
}

// Every row of a project keeps the run mode it was first loaded in, and a duplicate result is
// saved with duplicate rows only. So a project is a duplicate result when all its rows say so; a
// row of any other kind (say a first row changed by hand) means the report it was saved from,
// never the duplicate page with its Remove button.
int CMainUI::ProjectResultType(int count) const
{
    int kind = 0;
    for (int i = 0; i < count; ++i)
    {
        CMusicObj* track = nullptr;
        if (m_pMusicLink->GetMusicObj(i, &track) != 0 || !track)
            continue;
        const int type = track->GetType();
        if (!IsDuplicateRun(type))
            return type;
        if (kind == 0)
            kind = type;
    }
    return kind;
}

void CMainUI::StartAnalyze()
{
    StopHeaderMovie(false);
    const CAppSettings* settings = GetAppSettings();
    int options = 0;
    const int type = m_iResultType;
    if (IsDuplicateRun(type))
    {
        ClearScanList();
        m_pMessageLine->SetText(tr("Scanning music, please wait a moment..."));
        SetHeaderPicture(QStringLiteral("duplicate_bg"));
        StartHeaderMovie(QStringLiteral(":/res/res/win/gif/duplicate.gif"));
        options = settings ? settings->GetDuplicate() : 0;
    }
    else
    {
        m_pMessageLine->SetText(tr("Preparing report, please wait a moment..."));
        SetHeaderPicture(QStringLiteral("scanned_bg"));
        StartHeaderMovie(QStringLiteral(":/res/res/win/gif/scanned.gif"));
        m_pBusyBanner->ShowLoading(true);
        options = settings ? settings->GetGenernal() : 0;
    }
    SetProgressNow(0);
    m_eStage = EWorkStage::Analysing;
    m_eRunState = EWindowRunState::Running;
    m_pPauseControl->SetActions(true, false);
    m_pPauseControl->SetLook(true);
    ResetAnalysisFlags();
    m_pReport->SetStopState(0);
    m_pMusicLink->StartAnalyzeMusic(options);
}

// The manager's analysis thread calls this; the start itself happens on the GUI thread, and only
// for the run that was current when the manager finished.
void CMainUI::RestartAnalyzeThread()
{
    const unsigned generation = RunGeneration();
    QMetaObject::invokeMethod(
        this,
        [this, generation]()
        {
            if (m_bStopRequest || generation != RunGeneration() || m_pAnalyzeThread->isRunning())
                return;
            m_pAnalyzeThread->SetGeneration(generation);
            // Paused while the manager finished: the scoring starts paused too, and Continue
            // releases it.
            if (m_eRunState == EWindowRunState::Paused)
                SetAnalysisPause(true);
            m_pAnalyzeThread->start(QThread::InheritPriority);
        },
        Qt::QueuedConnection);
}

void CMainUI::UpdateProcess(int value)
{
    if (m_eStage == EWorkStage::Analysing)
        ShowScore();
    SetProgress(value);
}

void CMainUI::UpdataReport()
{
    m_eRunState = EWindowRunState::ResultShown;
    m_pPauseControl->SetActions(false, false);
    SetProgressNow(10000);
    m_pHintLine->Clear();
    const double score = GetScore();
    const int type = m_iResultType;
    const bool duplicates = IsDuplicateRun(type);
    ShowScore();
    SetScoreShown(true);
    if (score < 10000.0)
    {
        ClearScanList();
        ShowScore();
        m_pBusyBanner->hide();
        if (duplicates)
        {
            StopHeaderMovie(true);
            SetHeaderPicture(QStringLiteral("duplicate"));
            EmptyWorkFolders();
            m_pDuplicate->CountRemoved();
            m_pDuplicate->SetPage(1);
            m_pContentStack->setCurrentIndex(PageDuplicate);
            m_pActionStack->setCurrentIndex(ActionRemove);
            // A saved or continued result may hold copies removed before: it reads as the
            // removal left it.
            m_pDuplicateControl->ShowRemovedCount(m_pDuplicate->RemovedCount());
        }
        else
        {
            m_pReport->ReflashView(m_eRunMode == RunModeProject);
            m_pContentStack->setCurrentIndex(PageReport);
            m_pActionStack->setCurrentIndex(ActionFixAll);
            if (score < 7000.0)
                SetHintTexts({tr("Uh, mess library. It is urgent to clean up your music now. Let's start."),
                              tr("Dear, how mess your library is. May I help you clean up it?"),
                              tr("Oops, music library in chaos! Go ahead to clean up them now.")});
            else if (score < 8000.0)
                SetHintTexts(
                    {tr("It looks OK. But the library looks incomplete. Why not Fix All and perfect them?"),
                     tr("Looks OK but you'd better clean up your library soon. Why not let me help you, "
                        "darling?"),
                     tr("Oh, dear, just slow down and take care of your lovely songs. They need your "
                        "attention.")});
            else if (score < 9000.0)
                SetHintTexts(
                    {tr("Nice library list. Take a little time will make it more charming. Go to Fix All."),
                     tr("How considerate you are. I can not wait to listen to them any more."),
                     tr("I can't believe!  You get such a good result. Wanna break the record?")});
            else
                SetHintTexts(
                    {tr("Almost perfect. Only one click will organize them well. Just go!"),
                     tr("You won't believe me. Few songs are incomplete. Just one click will recover "
                        "them."),
                     tr("Aha, excellent. But I have the magic power to make it better. Wanna experience?")});
        }
        // A saved or continued result opens at the stage it had reached: the score screen with
        // Fix All before any fix pass; after one, where the pass ended (Apply beside its hints),
        // or, applied with nothing left to write, where the apply ended. A result of an earlier
        // version keeps no stage and opens after its fix pass; fixes still to write (a project
        // edited by hand) are offered to apply whatever the stage.
        const int stage = m_iLoadedStage.load();
        if (m_eRunMode != RunModeProject && !duplicates)
        {
            m_pResultMarks->SetStage(ResultStageScored);
        }
        else if (!duplicates && (stage != ResultStageScored || m_pReport->HasUnappliedChanges()))
        {
            m_bServiceUnreached = m_bLoadedUnreached.load();
            ShowResultStage(stage == ResultStageApplied ? ResultStageApplied : ResultStageFixed);
            // A run that ended in the middle of a fix pass goes on with it after Continue: the
            // songs answered keep their answers, the others are asked.
            if (stage == ResultStageFixing && m_strProjectPath == g_strDBPath)
                QMetaObject::invokeMethod(
                    this,
                    [this, generation = RunGeneration()]
                    {
                        if (generation == RunGeneration() && !m_bStopRequest &&
                            m_pActionStack->currentIndex() == ActionApply)
                            Fixall();
                    },
                    Qt::QueuedConnection);
        }
    }
    else
    {
        EmptyWorkFolders();
        m_pMessageLine->SetText(QString());
        StopHeaderMovie(true);
        SetHeaderPicture(QStringLiteral("fix_end_bg"));
        ShowStillPicture(QStringLiteral(":/res/res/win/gif/fix_end.gif"));
        if (m_pTopStack->currentIndex() != TopWelcome)
            m_pBusyBanner->ShowLoading(false);
        m_flow.EndedAllClean();
        m_pReturnButton->setText(tr("Return"));
        m_pActionStack->setCurrentIndex(ActionReturn);
        if (duplicates)
            SetHintTexts({tr("Hah, no duplicaites on your PC. Satisfied?"),
                          tr("Huh! I'm having a day off--no duplicates found today."),
                          tr("We're double checked everything. You're clear now."),
                          tr("You won't believe me, but there are no duplicates on your PC.")});
        else
            SetHintTexts(
                {tr("Wow. It looks like someone knew I'll scan all files and cleaned them up in advance."),
                 tr("Unbelievable! No unrecognized songs or duplicates found!"),
                 tr("Hah, nothing found. You must be playing \"hide-and-seek\" with me.")});
    }
    m_pHeaderStack->setCurrentIndex(HeaderHint);
    m_pHintLine->SetShadeHidden(false);
}

void CMainUI::ShowEmptyResult()
{
    SetProgressNow(10000);
    m_pHeaderStack->setCurrentIndex(HeaderHint);
    m_pHintLine->Clear();
    // Nothing was scanned: no praise and no done picture.
    SetHintTexts({tr("Unbelievable, no music files found! Wanna try again?"),
                  tr("Hah,nothing found. You must be playing \"hide-and-seek\" with me.")});
    m_pHintLine->SetShadeHidden(false);
    ShowFailurePicture();
    // The banner's still form is the done tick: nothing covers the empty page.
    m_pBusyBanner->hide();
    m_eRunState = EWindowRunState::ResultShown;
    m_pPauseControl->SetActions(false, false);
    m_flow.EndedEmpty();
    m_pReturnButton->setText(tr("  Try Again"));
    m_pActionStack->setCurrentIndex(ActionReturn);
    m_pMessageLine->SetText(EmptyResultMessage());
    DeleteDBFiles();
}

QString CMainUI::EmptyResultMessage() const
{
    switch (m_eRunMode)
    {
    case RunModeITunes:
        return tr("No songs detected in iTunes. Please check and try again.");
    case RunModeFiles:
        return tr("No music files found. Please go back and try again.");
    case RunModeDuplicateFiles:
        return tr("No music files found in the folders and files you added. Please add others and try "
                  "again.");
    case RunModeProject:
        return tr("Invalid project file. Please go back and try again.");
    default:
        return QString();
    }
}

void CMainUI::AcceptDowldInfo(void* track, int absence, int valueB, int infoFixState)
{
    if (!m_bStopRequest)
        m_pReport->AcceptFixResult(track, absence, valueB, infoFixState);
}

void CMainUI::AcceptRepairInfo(void*, int value, int, int, int)
{
    if (value >= 10000)
    {
        m_eRunState = EWindowRunState::ResultShown;
        m_pPauseControl->SetActions(false, false);
        m_pActionStack->setCurrentIndex(ActionApply);
        m_pBusyBanner->hide();
        m_pMessageLine->SetText(tr("Congratulations, music library cleaning finished!"));
    }
    SetProgress(value);
}

void CMainUI::LoadWidgetScrollChanged(int first)
{
    const int length = static_cast<int>(g_scanTextList.size());
    const QString libraryMusic = tr("Library Music");
    for (int i = 0; i < m_pScanList->topLevelItemCount(); ++i)
    {
        if (2 * i + 2 * first + 1 >= length)
            break;
        QTreeWidgetItem* item = m_pScanList->topLevelItem(i);
        item->setText(1, libraryMusic);
        item->setText(2, DisplayPath(g_scanTextList.at(2 * first + 2 * i + 1)));
    }
}

void CMainUI::ClearScanList()
{
    if (!m_pScanList)
        return;
    for (int i = m_pScanList->topLevelItemCount() - 1; i >= 0; --i)
        delete m_pScanList->takeTopLevelItem(i);
    m_pScanList->clear();
    FreeOffGuiThread(g_scanTextList); // two entries a track: hundreds of thousands in a large library
    s_listedCount = 0;
    s_overflow = false;
    m_pScanScroll->setMaximum(0);
    m_pScanScroll->hide();
}

void CMainUI::ShowProcessingFailed()
{
    m_pMessageLine->SetText(tr("Processing failed songs list, please wait..."));
    m_pBusyBanner->ShowLoading(true);
    m_pPauseControl->SetActions(false, false);
    m_pPauseControl->SetButtonEnabled(false);
}

void CMainUI::HideProcessing()
{
    m_pBusyBanner->hide();
    // The menu's Pause only while something runs: this also ends the summary after a run.
    m_pPauseControl->SetPauseActionEnabled(m_eRunState == EWindowRunState::Running);
    m_pPauseControl->SetButtonEnabled(true);
}
