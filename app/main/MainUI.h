#pragma once

#include "BugMailContent.h"
#include "CFramelessWindow.h"
#include "IDuplicateRoadHost.h"
#include "IMusicLinkHost.h"
#include "MusicFlags.h"
#include "MusicManageTypes.h"
#include "WindowFlow.h"
#include "WindowStates.h"

#include <QFileInfo>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

#include <atomic>
#include <cstdint>
#include <functional>

class CAnalyReport;
class CAnalyWidget;
class CAnalyzeThread;
class CBugReportSender;
class CApplyThread;
class CDuplicate;
class CDuplicateControl;
class CMusicLink;
class CPauseControl;
class CReadyLoadThread;
class CResultMarks;
class CRichLabel;
class CShadeLabel;
class CStartUI;
class CStatusBar;
class CTextButton;
class CUpdateCheck;
class CWorkFolderCleaner;
class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QMenuBar;
class QMovie;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QStackedWidget;
class QTimer;
class QToolBar;
struct LinkTrackReport;

// The scan view's list: a plain tree whose rows are filled by the window a screenful at a time.
class CTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    using QTreeWidget::QTreeWidget;
};

// The program's one main window: the tool-bar area with its scanning and welcome headers, the
// row of action buttons, and four content pages (scan view, report page, start page, duplicate
// view). It owns the music link, the three worker threads and the pages, and drives the road
// load -> analyse -> score screen -> fix -> apply.
//
// Threading: a GUI-thread object. The IMusicLinkHost calls come from back-end threads and read
// atomics only; RestartAnalyzeThread posts to the GUI thread. Results of a run that was stopped
// (Home, closing) or replaced by a newer run are dropped when they arrive. The duplicate road
// (CDuplicateControl) reaches the window through IDuplicateRoadHost, which only the window hands out.
class CMainUI : public CFramelessWindow, public IMusicLinkHost, private IDuplicateRoadHost
{
    Q_OBJECT

public:
    // Page numbers other parts of the window switch by.
    enum ContentPage
    {
        PageScan = 0,
        PageReport = 1,
        PageStart = 2,
        PageDuplicate = 3
    };
    enum TopPage
    {
        TopScanning = 0,
        TopWelcome = 1
    };
    enum HeaderPage
    {
        HeaderProgress = 0,
        HeaderHint = 1
    };
    enum ActionPage
    {
        ActionPause = 0,
        ActionFixAll = 1,
        ActionApply = 2,
        ActionReturn = 3,
        ActionScan = 4,
        ActionRemove = 5
    };

    explicit CMainUI(QWidget* parent = nullptr);
    ~CMainUI() override;

    // IMusicLinkHost (any thread).
    EWorkMode GetWorkMode() const override;
    int GetDedupeTotal() const override { return m_iDedupeTotal.load(); }
    void SetDedupeTotal(int total) override { m_iDedupeTotal = total; }
    void RestartAnalyzeThread() override;

    // Owner accessors of the worker threads (any thread; plain values behind atomics).
    double GetScore() const { return m_dScore.load(); }
    void SetScore(double score) { m_dScore = score; }
    void SetScoreStep(double step) { m_dScoreStep = step; }
    double GetScoreStep() const { return m_dScoreStep.load(); }
    int GetResultType() const { return m_iResultType.load(); }
    bool IsStopRequested() const { return m_bStopRequest.load(); }
    // The generation of the current run; bumped by every start request, Home and closing.
    unsigned RunGeneration() const { return m_uRunGeneration.load(); }

    // Fills the window's work stage and run state (the report page ignores column clicks while
    // they are 3 and 1).
    void GetWorkState(int* stage, int* runState) const;
    int Stage() const { return static_cast<int>(m_eStage); }
    EWindowRunState RunState() const { return m_eRunState; }
    EMusicRunMode RunMode() const { return m_eRunMode; }

    // Runs on the ready-load thread: prepares the load of the last start request. true also when
    // a stop abandoned the preparation.
    bool ReadyToLoading();
    // Walks one entry of a folder scan on the ready-load thread; value is passed on unused.
    void ScanMusicFolder(QStringList& files, const QFileInfo& entry, const QString& skip, int value);
    // The link's coalesced track reports of one frame, in order (not a slot: moc would need the
    // report type): every track is listed as a call of LoadMusic would list it; the message line
    // and the progress show only the last one.
    void LoadMusicBatch(const QList<LinkTrackReport>& reports);

    void StartAnalyze();
    // The result type of a loaded project of count tracks: the kind of result it was saved as.
    int ProjectResultType(int count) const;
    void ShowEmptyResult();
    // The empty-result screen's message for the current run mode.
    QString EmptyResultMessage() const;
    void ClearScanList();
    void EmptyWorkFolders();
    // closing false (Save Project): saves the working database into the current project file when
    // there is one; false when the copy failed, the old project file and the working database
    // then stay as they were. closing true (closing the window, going home): writes no project,
    // and marks the working database for deletion unless unapplied fixes are left that the user
    // did not give up.
    bool SaveProjectFile(bool closing);
    void DeleteDBFiles();
    // The working database's files, with the older z database's.
    static QStringList WorkDatabaseFiles();
    static QString ZDatabasePath();
    bool IsUpdateDue();
    QString ProjectPath() const { return m_strProjectPath; }
    bool DeleteDatabaseAtClose() const { return m_flow.DeleteDatabaseAtClose(); }

    CMusicLink* MusicLink() const { return m_pMusicLink; }
    CAnalyReport* ReportPage() const { return m_pReport; }
    CDuplicate* DuplicateView() const { return m_pDuplicate; }
    CDuplicateControl* DuplicateControl() const { return m_pDuplicateControl; }
    CStartUI* StartPage() const { return m_pStartUI; }
    CAnalyzeThread* AnalyzeThread() const { return m_pAnalyzeThread; }
    CApplyThread* ApplyThread() const { return m_pApplyThread; }
    CReadyLoadThread* ReadyLoadThread() const { return m_pReadyLoadThread; }
    CWorkFolderCleaner* WorkFolderCleaner() const { return m_pFolderCleaner; }
    // True while a load, an analysis, a fix or an apply is on its way (not at home, not idle).
    bool IsBusy() const;

    // The page stacks and the texts of the header, as the user sees them.
    QStackedWidget* ContentStack() const { return m_pContentStack; }
    QStackedWidget* TopStack() const { return m_pTopStack; }
    QStackedWidget* HeaderStack() const { return m_pHeaderStack; }
    QStackedWidget* ActionStack() const { return m_pActionStack; }
    CTreeWidget* ScanList() const { return m_pScanList; }
    QScrollBar* ScanScrollBar() const { return m_pScanScroll; }
    QString ScoreText() const;
    QString MessageText() const;
    // The first `named` of these names, each in its own direction, between separators, and how
    // many more there are.
    static QString FewNames(const QStringList& names, int named = 5,
                            const QString& separator = QStringLiteral(", "));
    // The image-button look of the action buttons and Home (width unscaled; scaled here).
    static QString ActionButtonStyle(const QString& objectName, const QString& picture, const QString& colour,
                                     double width);
    // The button as wide as its designed width, or wider when its text needs it, so the text
    // keeps the common font and its margins to the icon and the picture's end. The picture and
    // colour are the button's properties "actionPicture" and "actionColour".
    static void FitActionText(QPushButton* button);

signals:
    void ScaningPath(const QString& path);
    void SigCallBackInfo(int, int, const QString&);

public slots:
    void SlotCallBackInfo(int, int, const QString&) {}

    // Start requests and the load (the start page, the duplicate view and Scan).
    void LoadStartParam(const QStringList& paths, const QString& path, EMusicRunMode mode);
    void ReadyToLoadingOK(bool ok);
    void LoadMusic(void* track, int progress, QString path);
    void AcceptLoadOK();
    void UpdateProcess(int value);
    void UpdataReport();
    void AcceptDowldInfo(void* track, int absence, int valueB, int infoFixState);
    void AcceptRepairInfo(void* track, int value, int a, int b, int c);
    void LoadWidgetScrollChanged(int first);
    void GetCompetence(QTreeWidgetItem*, int) {}
    void AnalyzeByPersistent() {}
    void ShowProcessingFailed();
    void HideProcessing();

    // The result screens.
    void Fixall();
    void StartFixAll(const QString& text, const QString& text2, int code, int value);
    void ReportFixInfo(int remaining, int progress);
    void AddFixMissNum(int n);
    void ReportFixAllComplete();
    void EndFialedState(bool state);
    void ApplyiTunes();
    void UpdataApplyOK();
    void GoHome();
    void LoadXMLPath();
    void ButControl();
    bool ApplyOrSave(int which);
    bool ApplyOrSave() { return ApplyOrSave(SaveProjectSegment); }

    // Pause/Continue of whatever stage runs.
    void CancelGroup();

    // Menu.
    void Preferences();
    void About();
    void Home();
    void Support();
    void Help();
    void Translate();
    void Eula();
    void BugReport();
    void UpdataSoft();
    void UpdataView();
    // The update check's outcome for a result code (1 newer, 2 newest, -1 no connection,
    // -5 no product record, others unknown), from the last check's information.
    void UpdateInfo(int code);
    // The bug report's mail result: on success the archive goes; on failure the user may mail it.
    void updateSendResultFun(bool sent, const QString& archivePath, void* context);
    void loadLanguage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // IDuplicateRoadHost: the duplicate road's side of the window (GUI thread).
    void ShowDuplicateStart() override;
    void SetMessageText(const QString& text) override;
    void ScanForDuplicates(const QStringList& paths) override;
    void EnterRemoval() override;
    bool ApplyThreadRunning() const override;
    void StartApplyThread() override;
    bool RemoveEnabled() const override;
    void SetRemoveEnabled(bool enabled) override;
    bool ShowsRemoveAction() const override;
    int ScannedSongs() const override;
    int DuplicatesFound() const override;

    void BuildMainWidgets();
    // BuildMainWidgets's steps, in the order it takes them.
    void BuildHeaderTexts(QWidget* scanning);
    void BuildHeaderProgress(QWidget* scanning);
    void BuildActionButtons(QWidget* scanning);
    void LayOutScanningHeader(QWidget* scanning);
    void BuildWelcomeHeader();
    QWidget* BuildScanView();
    void BuildMenus();
    void CreateMusicLink();
    void ConnectMainSignals();
    QPushButton* MakeActionButton(const QString& text, const QString& objectName, const QString& picture,
                                  const QString& colour, double width);
    // An action picture's parts, in its own pixels: the icon's room at the left (the icon and
    // 6 px beyond it) and the round end at the right; and the action texts' font size.
    static constexpr int kActionIconRoom = 44;
    static constexpr int kActionEndRoom = 12;
    static constexpr int kActionFontPx = 14;
    // Apply's work; false when nothing started (an apply already runs, or the replace question
    // was closed without an answer).
    bool StartApply();
    // What the last apply could not do, one sentence for each kind of failure; empty when all
    // was done.
    QStringList ApplyFailureSentences() const;
    // The closing and Home questions' Apply: starts one, or lets the apply under way (paused or
    // not) go on to its end. False when nothing will apply.
    bool ApplyBeforeLeaving();
    // Home's Yes during a fix run: the run ends where it stands and the page reads as after it.
    void EndFixRunHere();
    QString ApplyFailureText() const;
    QStringList FixEndHints() const;
    bool FixPassFailed() const;
    // The end of a fix pass in the header: its hints, and the done picture or the warning one.
    void ShowFixEndHeader();
    void ShowFixEndPicture();
    // A result past its score screen as it stands at stage: the summary and score, the header's
    // picture and hints, the action and Refix, all from the report page's one count (its Tally)
    // and the stage kept with the result, so a live page, a continued one and a loaded one agree.
    void ShowResultStage(EResultStage stage);
    // Nothing is left to write: the way back in place of Apply, and the apply's own texts.
    void ShowAllApplied();
    // The shown result changed after it was applied or saved.
    void ResultChanged();
    // The warning picture in the header, in place of the done picture or a movie.
    void ShowFailurePicture();
    void SetHeaderPicture(const QString& picture);
    void StartHeaderMovie(const QString& file);
    void StopHeaderMovie(bool remove);
    void ShowStillPicture(const QString& file);
    // A per-track progress report: shown with the next frame (see m_pProgressTimer).
    void SetProgress(int value);
    // The bar at once, dropping a report not shown yet.
    void SetProgressNow(int value);
    int ShownProgress() const;
    void SetHintTexts(const QStringList& texts);
    void ShowScore();
    // The score stands beside a result only: before a scan and while one runs it has no value
    // yet, and a run that found no music has none at all. Its room stays, so nothing moves.
    void SetScoreShown(bool shown);
    void Relayout();
    // The language switch: the state texts of each action page, in the language now installed.
    void ResetHints(const QStringList& tips) override;
    void RetranslateWorkTexts();
    void RetranslateScoreTexts();
    void RetranslateApplyTexts();
    void RetranslateEmptyTexts();
    // Stops every worker of the window and waits for it: the stop flags are set and every waiter
    // woken first, so the waits end promptly. Safe to call more than once.
    void StopAllWork();
    void ResetToStart();
    // The scan view's stored row count (the rows one screenful shows), shared with the load.
    static int& ScanRowsShown();

    int m_iMediaHandle = 0;
    std::atomic<int> m_iDedupeTotal{0};

    QToolBar* m_pToolBar = nullptr;
    QStackedWidget* m_pTopStack = nullptr;
    QWidget* m_pWelcomeHeader = nullptr;
    QWidget* m_pHeaderPicture = nullptr;
    QLabel* m_pHeaderLabel = nullptr;
    QMovie* m_pHeaderMovie = nullptr;
    QWidget* m_pScoreBlock = nullptr;
    QLabel* m_pScoreName = nullptr;
    QLabel* m_pScoreLabel = nullptr;
    CShadeLabel* m_pMessageLine = nullptr;
    QPushButton* m_pReturnButton = nullptr;
    CTextButton* m_pRetryButton = nullptr;
    CRichLabel* m_pApplyOrSave = nullptr;
    QHBoxLayout* m_pMessageRow = nullptr;
    CShadeLabel* m_pHintLine = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QTimer* m_pProgressTimer = nullptr;
    int m_iPendingProgress = -1;
    static constexpr int kProgressFrameMs = 30;
    QStackedWidget* m_pHeaderStack = nullptr;
    QStackedWidget* m_pActionStack = nullptr;
    QPushButton* m_pHomeButton = nullptr;
    QPushButton* m_pFixAllButton = nullptr;
    QPushButton* m_pApplyButton = nullptr;
    QPushButton* m_pScanButton = nullptr;
    QPushButton* m_pRemoveButton = nullptr;
    QStackedWidget* m_pContentStack = nullptr;
    CTreeWidget* m_pScanList = nullptr;
    QScrollBar* m_pScanScroll = nullptr;
    CAnalyWidget* m_pBusyBanner = nullptr;
    CAnalyReport* m_pReport = nullptr;
    CStartUI* m_pStartUI = nullptr;
    CDuplicate* m_pDuplicate = nullptr;
    // The duplicate road: Scan, Remove and the removal's texts (a child).
    CDuplicateControl* m_pDuplicateControl = nullptr;
    CStatusBar* m_pStatusBar = nullptr;
    QLabel* m_pWelcomeTitle = nullptr;
    QLabel* m_pWelcomeText = nullptr;
    CMusicLink* m_pMusicLink = nullptr;

    // The Pause/Continue button and menu entries; a child of the window.
    CPauseControl* m_pPauseControl = nullptr;
    EWorkStage m_eStage = EWorkStage::Home;
    EWindowRunState m_eRunState = EWindowRunState::Idle;
    // Closing, what follows an apply, the step's opening words and the shown result's facts.
    CWindowFlow m_flow;

    QMenuBar* m_pMenuBar = nullptr;
    QMenu* m_pMenu = nullptr;
    QAction* m_pActionSave = nullptr;
    QAction* m_pActionHomepage = nullptr;
    QAction* m_pActionHelp = nullptr;
    QAction* m_pActionSupport = nullptr;
    QAction* m_pActionEula = nullptr;
    QAction* m_pActionBugReport = nullptr;
    QAction* m_pActionUpdate = nullptr;
    QAction* m_pActionAbout = nullptr;
    QAction* m_pActionPreferences = nullptr;

    CReadyLoadThread* m_pReadyLoadThread = nullptr;
    CWorkFolderCleaner* m_pFolderCleaner = nullptr;
    CAnalyzeThread* m_pAnalyzeThread = nullptr;
    CApplyThread* m_pApplyThread = nullptr;

    std::atomic<double> m_dScore{10000.0};
    std::atomic<double> m_dScoreStep{0.0};
    int m_iSavedProgress = -1;
    QString m_strProjectPath;
    QStringList m_pathList;
    EMusicRunMode m_eRunMode = RunModeNone;
    // The run mode the shown result came from (RunModeNone before one): a track's type, so a
    // project's rows decide it.
    std::atomic<int> m_iResultType{RunModeNone};
    std::atomic<bool> m_bStopRequest{false};
    std::atomic<unsigned> m_uRunGeneration{0};

    QString m_strFixText;
    QString m_strFixText2;
    int m_iFixCode = 0;
    int m_iFixValue = 0;
    QString m_strLastPath;
    QStringList m_applyFailures;

    // Made on first use: the bug-report sender and the update check (both children).
    CBugReportSender* m_pBugSender = nullptr;
    CUpdateCheck* m_pUpdateCheck = nullptr;
    SmtpAccount m_mailAccount;
    // The stage and the settled mark of the result, kept in the working database.
    CResultMarks* m_pResultMarks = nullptr;
    // The stage a loaded result had reached (EResultStage), and whether its last fix pass reached
    // no service; read on the load thread.
    std::atomic<int> m_iLoadedStage{0};
    std::atomic<bool> m_bLoadedUnreached{false};
    // No request of the last fix pass of the shown result reached the recognition service.
    bool m_bServiceUnreached = false;
};
