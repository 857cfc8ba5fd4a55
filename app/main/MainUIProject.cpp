// The working database and the saved project: saving, deleting, returning to the start page, and
// the web and dialog commands of the menu.
#include "MainUI.h"

#include "About.h"
#include "AnalyReport.h"
#include "AnalyWidget.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "BackgroundPool.h"
#include "CMusicLink.h"
#include "CShadeLabel.h"
#include "CTextButton.h"
#include "CWarnMessage.h"
#include "DesktopHandOver.h"
#include "Duplicate.h"
#include "DuplicateControl.h"
#include "FileDialogs.h"
#include "MusicObj.h"
#include "NestedWait.h"
#include "PauseControl.h"
#include "ResultMarks.h"
#include "SpecialFolders.h"
#include "StartUI.h"
#include "UILog.h"
#include "UpdateCheck.h"
#include "WorkFolderCleaner.h"

#include <QDate>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QUrl>
#include <QtConcurrent>

namespace
{

constexpr int kMusicFolder = 10;

// Runs work on a pool thread and waits for it without blocking the GUI thread: painting and timers
// go on, user input waits until the work is done.
template <typename F> auto RunAndWait(F&& work)
{
    using Result = decltype(work());
    QFutureWatcher<Result> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<Result>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(BackgroundPool(), std::forward<F>(work)));
    const CNestedWait waiting;
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return watcher.result();
}

} // namespace

bool CMainUI::ApplyOrSave(int which)
{
    const bool held = g_bRecognitionHold.load();
    SetRecognitionHold(false);
    if (which == ApplyResultSegment)
    {
        ApplyiTunes();
    }
    else if (which == SaveProjectSegment)
    {
        // What the tag editor holds goes into the project too; a refused save (a blank title, the
        // user told) saves nothing.
        if (!m_pReport->CommitEdits())
        {
            if (held)
                SetRecognitionHold(true);
            return held;
        }
        QString folder;
        GetSpecialFolderPath(&folder, kMusicFolder);
        QString path = GetSaveFileName(this, tr("Save Result"), folder, ProjectFileFilter());
        if (!path.isEmpty() && !path.endsWith(QLatin1String(".zavrodata"), Qt::CaseInsensitive))
            path += QStringLiteral(".zavrodata");
        m_strProjectPath = path;
        if (!SaveProjectFile(false))
            CWarnMessage::ShowMessage(
                this, QString(),
                tr("The project could not be saved. Please choose another folder and try "
                   "again."),
                0, QString(), QString(), QString(), 0);
    }
    if (held)
        SetRecognitionHold(true);
    return held;
}

bool CMainUI::SaveProjectFile(bool closing)
{
    // Closing and Home never write the user's project file: it changes only when the user saves
    // it. The working database stays for the next start only while fixes are left that were
    // neither applied nor given up in the closing question.
    if (closing)
    {
        m_strProjectPath.clear();
        m_flow.LeaveResult();
        return true;
    }
    const QString db = g_strDBPath;
    if (m_strProjectPath.isEmpty() || m_strProjectPath == db)
        return true;
    // The back end copies the database consistently into a temporary file that replaces the
    // project only when complete: a failed save leaves the old project and the database as they
    // were.
    const QString target = m_strProjectPath;
    // The copy is made beside the file itself, through a link beside the file it names: that
    // folder is where a killed save leaves the copy for the next start to clear.
    const QString itself = QFileInfo(target).canonicalFilePath();
    if (CAppSettings* settings = GetAppSettings())
        settings->SetLastProjectFolder(QFileInfo(itself.isEmpty() ? target : itself).absolutePath());
    CMusicLink* link = m_pMusicLink;
    const CAnalyReport* report = m_pReport;
    CResultMarks* marks = m_pResultMarks;
    // The duplicate engine's groups live in no database: the project is written from the rows
    // the duplicate page shows, in the form a loaded project of duplicates takes.
    const QList<ProjectRow> engineRows =
        m_iResultType == RunModeDuplicateFiles ? m_pDuplicate->EngineProjectRows() : QList<ProjectRow>();
    const double step = GetScoreStep();
    const int scanned = step > 0.0 ? qRound(10000.0 / step) : 0;
    int result = -1;
    if (link && !engineRows.isEmpty())
        result = RunAndWait([target, engineRows, scanned]()
                            { return CMusicLink::WriteProjectRows(target, engineRows, scanned); });
    else if (link)
        // The fixes handed to the report page's writer go into the copy too.
        result = RunAndWait(
            [link, report, marks, target]()
            {
                report->WaitFixWrites();
                // The project opens at the stage the result has reached.
                marks->WaitWritten();
                return link->BackupMusicLibrary(target);
            });
    if (result != 0)
        WriteUILog(QStringLiteral("Copy To Save Failed:%1").arg(result));
    else
        m_pResultMarks->SetSettled(true); // all of it is in the project now
    m_strProjectPath.clear();
    return result == 0;
}

void CMainUI::DeleteDBFiles()
{
    if (m_pResultMarks)
        m_pResultMarks->Drop();
    if (m_pMusicLink)
        m_pMusicLink->CloseMusicLibrary();
    // A database of 20 000 songs takes a while to delete: the files are renamed aside here, so
    // the next load may make its database at once, and deleted on the cleaner's thread.
    QStringList failed;
    if (m_pFolderCleaner)
        failed = m_pFolderCleaner->Discard(WorkDatabaseFiles());
    else
        for (const QString& db : {g_strDBPath, ZDatabasePath()})
            failed += CMusicLink::RemoveDatabaseFiles(db);
    for (const QString& path : failed)
        WriteUILog(QStringLiteral("Delete DB Failed:%1").arg(path));
}

QString CMainUI::ZDatabasePath()
{
    QString zdb = g_strDBPath;
    zdb.replace(QStringLiteral("MusicLibrary.db"), QStringLiteral("MusicLibraryz.db"));
    return zdb;
}

QStringList CMainUI::WorkDatabaseFiles()
{
    QStringList files = CMusicLink::DatabaseFiles(g_strDBPath);
    if (const QString zdb = ZDatabasePath(); zdb != g_strDBPath)
        files += CMusicLink::DatabaseFiles(zdb);
    return files;
}

bool CMainUI::IsUpdateDue()
{
    CAppSettings* settings = GetAppSettings();
    return settings && CUpdateCheck::IsUpdateDue(*settings, QDate::currentDate());
}

void CMainUI::LoadXMLPath()
{
    const int type = m_iResultType;
    // Only a library that gave nothing sends the user to pick its file; the button's text is no
    // guide, since it follows the language.
    const bool failedITunes = m_eRunMode == RunModeITunes && !m_flow.IsAllClean();
    m_pStartUI->SetLibraryButtonText(failedITunes ? tr("Select Library XML File")
                                                  : tr("Start to Clean iTunes"));
    ClearScanList();
    EmptyWorkFolders();
    DeleteDBFiles();
    ResetToStart();
    if (IsDuplicateRun(type))
        m_pDuplicateControl->Duplicate();
}

void CMainUI::ButControl()
{
    // The run hides the editor: what it holds is saved to its song first (see Fixall).
    if (!m_pReport->CommitEdits())
        return;
    // Songs still ticked for fixing go through Fix All; otherwise the failed songs are retried.
    if (m_pReport->IsNeedFix())
    {
        Fixall();
        return;
    }
    m_eRunState = EWindowRunState::Running;
    m_pPauseControl->SetActions(true, false);
    m_pPauseControl->SetLook(true);
    m_eStage = EWorkStage::Fixing;
    m_pProgress->setValue(0);
    m_pRetryButton->hide();
    m_pHintLine->SetShadeHidden(true);
    m_pHeaderStack->setCurrentIndex(HeaderProgress);
    m_pActionStack->setCurrentIndex(ActionPause);
    m_pResultMarks->SetStage(ResultStageFixing);
    m_pResultMarks->SetSettled(false);
    m_pReport->StartFixFailed();
    m_flow.NewFixes();
}

void CMainUI::About()
{
    showNormal();
    CAbout about(this, Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    about.exec();
}

namespace
{

void OpenWebPage(QWidget* parent, const QString& address)
{
    CDesktopHandOver::OpenAddress(parent, QUrl(address));
}

} // namespace

void CMainUI::Home()
{
    OpenWebPage(this, g_strHomeUrl);
}
void CMainUI::Help()
{
    OpenWebPage(this, g_strHelpUrl);
}
void CMainUI::Translate()
{
    OpenWebPage(this, g_strTranslateUrl);
}
void CMainUI::Eula()
{
    OpenWebPage(this, g_strEulaUrl);
}

void CMainUI::Support()
{
    if (g_strSupportAddress.startsWith(QLatin1String("http://")) ||
        g_strSupportAddress.startsWith(QLatin1String("https://")))
        OpenWebPage(this, g_strSupportAddress);
    else
        OpenWebPage(this, QStringLiteral("mailto:") + g_strSupportAddress);
}
