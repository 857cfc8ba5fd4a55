#include "MainUI.h"

#include "AnalyReport.h"
#include "AnalyWidget.h"
#include "AnalyzeThread.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "BugReportSender.h"
#include "CMusicLink.h"
#include "CRichLabel.h"
#include "CShadeLabel.h"
#include "CStatusBar.h"
#include "CTextButton.h"
#include "CWarnMessage.h"
#include "Duplicate.h"
#include "DuplicateControl.h"
#include "LanguageDirection.h"
#include "OwnDirectionDelegate.h"
#include "PauseControl.h"
#include "ReadyLoadThread.h"
#include "ResultMarks.h"
#include "SharedImages.h"
#include "StartUI.h"
#include "StyleTemplates.h"
#include "UILog.h"
#include "WorkFolderCleaner.h"
#include "kestrine.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStackedLayout>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include <algorithm>

namespace
{

QString Number(double value)
{
    return QString::number(value, 'g', 6);
}

QString ProgressStyle()
{
    return QStringLiteral(
               "QProgressBar#%1 {min-width: %4px;min-height: %5px;max-height: %5px;"
               "background-color:qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0 #114c79, "
               "stop:0.295 "
               "#28699a, stop:0.855 #2473b0, stop:0.980 rgb(190,190,190),stop:1 rgba(255, 255, 255, 255));"
               "border-width: 0px;border-radius: %6px;border-style: solid;}"
               "QProgressBar#%1::chunk {background-color:qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, "
               "stop:0 "
               "#c2e05e, stop: 0.50 %2, stop: 1 %3);min-height: %7px;max-height: %7px;border-width: 0px;"
               "border-radius: %8px;border-style: solid;}")
        .arg(QStringLiteral("main_progress"), QStringLiteral("#41b104"), QStringLiteral("#b7e330"),
             Number(ScaledValue(15)), Number(ScaledValue(14)), Number(ScaledValue(7)),
             Number(ScaledValue(12)), Number(ScaledValue(6)));
}

} // namespace

CMainUI::CMainUI(QWidget* parent) : CFramelessWindow(parent)
{
    setMinimumSize(ScaledInt(876), ScaledInt(585));
    setObjectName(QStringLiteral("mainUi"));
    SetIcon(QIcon(QStringLiteral(":/res/res/win/label/icon.png")));

    m_iMediaHandle = KestrineOpen("Zavro/Tidewell", -1);
    if (m_iMediaHandle > 0)
    {
        KestrineConfigure(m_iMediaHandle, 4);
        g_hMediaLibrary = m_iMediaHandle;
    }
    else
    {
        m_iMediaHandle = 0;
    }

    ::ApplyLanguageDirection(this);
    LoadSharedImages();
    OpenUILog();

    BuildMainWidgets();
    BuildMenus();
    CreateMusicLink();
    ConnectMainSignals();

    m_pRetryButton->installEventFilter(this);
    m_pScanList->installEventFilter(this);
    m_pActionStack->installEventFilter(this);
    m_pHomeButton->parentWidget()->installEventFilter(this);

    m_pReadyLoadThread = new CReadyLoadThread(this);
    m_pFolderCleaner = new CWorkFolderCleaner(this);
    m_pAnalyzeThread = new CAnalyzeThread(this, m_pReport, m_pDuplicate, m_pMusicLink);
    m_pApplyThread = new CApplyThread(this, m_pReport, m_pDuplicate);
    connect(m_pReadyLoadThread, &CReadyLoadThread::ReadyToLoadingOK, this,
            [this](bool ok, unsigned generation)
            {
                if (generation == RunGeneration())
                    ReadyToLoadingOK(ok);
            });
    connect(m_pAnalyzeThread, &CAnalyzeThread::UpdateProcess, this,
            [this](int value)
            {
                if (!IsStopRequested())
                    UpdateProcess(value);
            });
    connect(m_pAnalyzeThread, &CAnalyzeThread::SandUpdataReport, this,
            [this](unsigned generation)
            {
                if (!IsStopRequested() && generation == RunGeneration())
                    UpdataReport();
            });
    connect(m_pAnalyzeThread, &CAnalyzeThread::StartFixAll, this, &CMainUI::StartFixAll);
    connect(m_pApplyThread, &CApplyThread::SendApplyOK, this,
            [this](unsigned generation)
            {
                if (generation == m_uRunGeneration.load())
                    UpdataApplyOK();
            });

    updateGeometry();
    ClearScanList();
    EmptyWorkFolders();
    // A database an earlier session set aside at its close and had no time to delete.
    m_pFolderCleaner->DiscardLeftovers(WorkDatabaseFiles());
    // Bug reports an earlier close stopped are said once the window is up.
    QTimer::singleShot(0, this, [this] { CBugReportSender::TellKeptReports(this); });
    WriteUILog(QStringLiteral("Complete CMainUI::CMainUI! AppName:%1").arg(g_strAppName));
}

// Every worker is stopped, woken and joined before anything it may use goes; nothing here ends
// the process: main returns the event loop's result after the window is gone.
CMainUI::~CMainUI()
{
    WriteUILog(QStringLiteral("Enter CMainUI::~CMainUI!"));
    StopAllWork();
    if (m_pMusicLink)
        m_pMusicLink->SetExitState(1);
    delete m_pAnalyzeThread;
    m_pAnalyzeThread = nullptr;
    delete m_pApplyThread;
    m_pApplyThread = nullptr;
    delete m_pReadyLoadThread;
    m_pReadyLoadThread = nullptr;
    ClearScanList();
    if (m_pHeaderMovie)
        m_pHeaderMovie->stop();
    // The pages hold track handles of the manager: they go before the link that owns the manager.
    delete m_pContentStack;
    m_pContentStack = nullptr;
    m_pReport = nullptr;
    m_pStartUI = nullptr;
    m_pDuplicate = nullptr;
    delete m_pResultMarks; // its writes use the link
    m_pResultMarks = nullptr;
    delete m_pMusicLink;
    m_pMusicLink = nullptr;
    WriteUILog(QStringLiteral("End DEL_OBJ(m_pMusicLink)"));
    FreeSharedImages();
    if (m_iMediaHandle != 0)
    {
        if (g_hMediaLibrary == m_iMediaHandle)
            g_hMediaLibrary = 0;
        KestrineClose(m_iMediaHandle);
        KestrineRelease(m_iMediaHandle);
        m_iMediaHandle = 0;
    }
}

namespace
{
// The action stack is as wide as the button it shows: a wide text in another page must not take
// the header's room from the score and its sentences.
void FitStackToShownButton(QStackedWidget* stack)
{
    if (QWidget* shown = stack->currentWidget())
        stack->setFixedWidth(shown->minimumWidth());
}
} // namespace

QPushButton* CMainUI::MakeActionButton(const QString& text, const QString& objectName, const QString& picture,
                                       const QString& colour, double width)
{
    auto* button = new QPushButton(text, m_pActionStack);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty("actionPicture", picture);
    button->setProperty("actionColour", colour);
    button->setProperty("actionWidth", width);
    FitActionText(button);
    return button;
}

void CMainUI::FitActionText(QPushButton* button)
{
    // Every action button's text in the same font: a longer text widens its button (the
    // picture stretches between its icon and its round end) rather than shrinking.
    const double width = button->property("actionWidth").toDouble();
    QFont font = button->font();
    font.setBold(true);
    font.setPixelSize(ScaledInt(kActionFontPx));
    const int text = QFontMetrics(font).horizontalAdvance(button->text());
    const double needed = kActionIconRoom + kActionEndRoom + (text + 1) / g_dScale;
    // The back arrow points the reading way: to the right in a right-to-left window.
    QString picture = button->property("actionPicture").toString();
    if (picture == QLatin1String("return") && button->window()->isRightToLeft())
        picture += QLatin1String("_rtl");
    const QString style =
        ActionButtonStyle(button->objectName(), picture, button->property("actionColour").toString(),
                          std::max(width, std::ceil(needed)));
    if (button->styleSheet() == style)
        return;
    button->setStyleSheet(style);
    if (auto* stack = qobject_cast<QStackedWidget*>(button->parentWidget()))
        FitStackToShownButton(stack);
}

QString CMainUI::ActionButtonStyle(const QString& objectName, const QString& picture, const QString& colour,
                                   double width)
{
    // The picture's icon (at its left) and its round right end are borders of the image: they
    // keep their size and the middle stretches. The text is centred between them, clear of both.
    static const char* const pattern =
        "QPushButton#%1{border:0; color:%3; font: bold %4px; min-width:%5; max-width:%5; min-height:%6;"
        " max-height:%6; padding:0; border-width:0 %8px 0 %7px;"
        " border-image: url(:/res/res/win/button/%2.png) 0 %10 0 %9 stretch stretch;}"
        "QPushButton#%1:hover{border-image: url(:/res/res/win/button/%2_on.png) 0 %10 0 %9 stretch stretch;}"
        "QPushButton#%1:pressed{border-image: url(:/res/res/win/button/%2_down.png) 0 %10 0 %9 stretch "
        "stretch;}"
        "QPushButton#%1:disabled{border-image: url(:/res/res/win/button/%2_disable.png) 0 %10 0 %9 stretch "
        "stretch;}";
    return QString::fromLatin1(pattern)
        .arg(objectName, picture, colour, Number(ScaledValue(kActionFontPx)),
             Number(ScaledValue(width - kActionIconRoom - kActionEndRoom)), Number(ScaledValue(43)),
             Number(ScaledValue(kActionIconRoom)), Number(ScaledValue(kActionEndRoom)))
        .arg(kActionIconRoom)
        .arg(kActionEndRoom);
}

void CMainUI::BuildMainWidgets()
{
    m_pToolBar = new QToolBar(this);
    m_pToolBar->setContentsMargins(0, 0, 0, 0);
    m_pToolBar->setObjectName(QStringLiteral("MainUIToolBar"));
    m_pToolBar->setMovable(false);
    AddWidget(m_pToolBar);

    m_pTopStack = new QStackedWidget(m_pToolBar);
    m_pTopStack->setContentsMargins(0, 0, 0, 0);
    m_pTopStack->setMinimumWidth(ScaledInt(856));

    m_pStatusBar = new CStatusBar(this);
    m_pStatusBar->setObjectName(QStringLiteral("MainUIStatusBar"));
    m_pStatusBar->setMinimumHeight(ScaledInt(22));
    m_pStatusBar->setSizeGripEnabled(false);
    SetToolWidget(m_pStatusBar);

    // Scanning header.
    auto* scanning = new QWidget(m_pTopStack);
    BuildHeaderTexts(scanning);
    BuildHeaderProgress(scanning);
    BuildActionButtons(scanning);
    LayOutScanningHeader(scanning);

    // Welcome header.
    BuildWelcomeHeader();
    m_pTopStack->addWidget(scanning);
    m_pTopStack->addWidget(m_pWelcomeHeader);
    m_pTopStack->setCurrentIndex(TopWelcome);
    m_pToolBar->setFixedHeight(ScaledInt(106));
    m_pToolBar->addWidget(m_pTopStack);

    // Content pages.
    m_pContentStack = new QStackedWidget(this);
    m_pContentStack->setFocusPolicy(Qt::NoFocus);
    m_pContentStack->setContentsMargins(0, 0, 0, 0);

    QWidget* scanView = BuildScanView();

    m_pReport = new CAnalyReport(m_iMediaHandle, this);
    m_pReport->setFocusPolicy(Qt::ClickFocus);
    m_pStartUI = new CStartUI(this);
    m_pStartUI->setObjectName(QStringLiteral("StartUIName"));
    m_pStartUI->SetIdleTest([this]() { return !IsBusy() && m_pContentStack->currentIndex() == PageStart; });
    m_pDuplicate = new CDuplicate(m_iMediaHandle, m_pMusicLink, this);
    m_pDuplicateControl = new CDuplicateControl(*this, m_pDuplicate, this);

    m_pContentStack->addWidget(scanView);
    m_pContentStack->addWidget(m_pReport);
    m_pContentStack->addWidget(m_pStartUI);
    m_pContentStack->addWidget(m_pDuplicate);
    m_pContentStack->setCurrentIndex(PageStart);

    auto* container = new QWidget(this);
    auto* containerLayout = new QVBoxLayout(container);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    containerLayout->setSpacing(0);
    containerLayout->addWidget(m_pContentStack, 1);
    SetCentralWidget(container);

    m_pBusyBanner = new CAnalyWidget(m_pContentStack, container);
    m_pBusyBanner->hide();
}

// The scanning header's picture, score, message line with its Refix button, and the sentence
// that offers Apply and Save.
void CMainUI::BuildHeaderTexts(QWidget* scanning)
{
    m_pHeaderPicture = new QWidget(scanning);
    m_pHeaderPicture->setObjectName(QStringLiteral("label_back"));
    SetHeaderPicture(QStringLiteral("scanned_bg"));
    auto* pictureLayout = new QStackedLayout(m_pHeaderPicture);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    m_pHeaderLabel = new QLabel(m_pHeaderPicture);
    m_pHeaderLabel->setAlignment(Qt::AlignCenter);
    pictureLayout->addWidget(m_pHeaderLabel);
    m_pHeaderMovie = new QMovie(scanning);

    m_pScoreName = new QLabel(tr("Music List Score: "), scanning);
    m_pScoreName->setObjectName(QStringLiteral("MainUIScoreName"));
    m_pScoreLabel = new QLabel(QStringLiteral("100"), scanning);
    m_pScoreLabel->setObjectName(QStringLiteral("MainUIScore"));
    m_pScoreLabel->setMinimumWidth(ScaledInt(100));
    for (QLabel* label : {m_pScoreName, m_pScoreLabel})
    {
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
    }
    SetScoreShown(false);

    m_pMessageLine = new CShadeLabel(m_pStatusBar);
    m_pMessageLine->setObjectName(QStringLiteral("MainUIFixing"));
    m_pMessageLine->SetText(tr("Scanning Library: "));
    m_pMessageLine->SetLineHeight(ScaledInt(20));

    m_pRetryButton = new CTextButton(scanning);
    m_pRetryButton->setObjectName(QStringLiteral("MainUIRetry"));
    m_pRetryButton->setContentsMargins(0, 0, 0, 0);
    m_pRetryButton->SetButtonText(tr("Refix"));
    m_pRetryButton->hide();

    m_pApplyOrSave = new CRichLabel(scanning);
    m_pApplyOrSave->setObjectName(QStringLiteral("MainUIQuitOrSave"));
    m_pApplyOrSave->AddText(tr("You can "), CRichLabel::Plain);
    m_pApplyOrSave->AddText(tr("Apply Result"), CRichLabel::Link);
    m_pApplyOrSave->AddText(tr(" now, or "), CRichLabel::Plain);
    m_pApplyOrSave->AddText(tr("Save Project"), CRichLabel::Link);
    m_pApplyOrSave->AddText(tr(" to continue next time."), CRichLabel::Plain);
    m_pApplyOrSave->AdjustLabelSize();
    m_pApplyOrSave->hide();

    m_pMessageRow = new QHBoxLayout;
    m_pMessageRow->setContentsMargins(0, 0, 0, 0);
    // The line takes the row's room, so Refix stands at its end whatever the message says.
    m_pMessageRow->addWidget(m_pMessageLine, 1);
    m_pMessageRow->addWidget(m_pRetryButton);
}

// The scanning header's progress bar and the hint line that takes its place.
void CMainUI::BuildHeaderProgress(QWidget* scanning)
{
    m_pProgress = new QProgressBar(scanning);
    m_pProgress->setObjectName(QStringLiteral("main_progress"));
    m_pProgress->setMinimumWidth(ScaledInt(300));
    m_pProgress->setRange(0, 10000);
    m_pProgress->setValue(0);
    m_pProgress->setTextVisible(false);
    m_pProgress->setStyleSheet(ProgressStyle());
    // QProgressBar::setValue repaints at once; the per-track reports of a load or an analysis
    // arrive by the thousand, so they are shown at most once a frame.
    m_pProgressTimer = new QTimer(this);
    m_pProgressTimer->setSingleShot(true);
    m_pProgressTimer->setInterval(kProgressFrameMs);
    connect(m_pProgressTimer, &QTimer::timeout, this,
            [this]()
            {
                if (m_iPendingProgress >= 0)
                    m_pProgress->setValue(m_iPendingProgress);
                m_iPendingProgress = -1;
            });

    m_pHintLine = new CShadeLabel(m_pStatusBar);
    m_pHintLine->setObjectName(QStringLiteral("MainUIScroll"));
    // Long texts are elided where they are drawn: they never widen the header past the window.
    m_pHintLine->setMinimumWidth(ScaledInt(100));
    m_pHintLine->SetLineHeight(ScaledInt(20));
    m_pMessageLine->setMinimumWidth(ScaledInt(40));
    m_pHintLine->SetShadeHidden(true);

    m_pHeaderStack = new QStackedWidget(scanning);
    m_pHeaderStack->setContentsMargins(0, 0, 0, 0);
    m_pHeaderStack->addWidget(m_pProgress);
    m_pHeaderStack->addWidget(m_pHintLine);
    m_pHeaderStack->setCurrentIndex(HeaderProgress);
}

// The scanning header's action buttons, one shown at a time, and Home.
void CMainUI::BuildActionButtons(QWidget* scanning)
{
    m_pActionStack = new QStackedWidget(scanning);
    m_pActionStack->setFixedSize(ScaledInt(132), ScaledInt(43));
    m_pActionStack->setFocusPolicy(Qt::NoFocus);
    m_pPauseControl =
        new CPauseControl(MakeActionButton(tr("   Pause"), QStringLiteral("main_cancelbut"),
                                           QStringLiteral("pause"), QStringLiteral("#3d90c5"), 132),
                          this);
    m_pFixAllButton = MakeActionButton(tr("   Fix All"), QStringLiteral("main_fixallbut"),
                                       QStringLiteral("fixallbut"), QStringLiteral("#954804"), 132);
    m_pApplyButton = MakeActionButton(tr("Apply"), QStringLiteral("main_applybut"), QStringLiteral("apply"),
                                      QStringLiteral("#954804"), 132);
    m_pReturnButton = MakeActionButton(tr("  Try Again"), QStringLiteral("main_selectbut"),
                                       QStringLiteral("return"), QStringLiteral("#954804"), 132);
    m_pScanButton = MakeActionButton(tr("   Scan"), QStringLiteral("main_scanbut"), QStringLiteral("scan"),
                                     QStringLiteral("#3d90c5"), 132);
    m_pRemoveButton = MakeActionButton(tr("   Remove"), QStringLiteral("main_removebut"),
                                       QStringLiteral("remove"), QStringLiteral("#954804"), 132);
    for (QPushButton* button : {m_pPauseControl->Button(), m_pFixAllButton, m_pApplyButton, m_pReturnButton,
                                m_pScanButton, m_pRemoveButton})
        m_pActionStack->addWidget(button);
    m_pActionStack->setCurrentIndex(ActionPause);
    FitStackToShownButton(m_pActionStack);
    connect(m_pActionStack, &QStackedWidget::currentChanged, this,
            [this] { FitStackToShownButton(m_pActionStack); });
    // The button pictures carry their icon at the left and are never mirrored: the texts keep
    // their room beside it in both directions.
    m_pActionStack->setLayoutDirection(Qt::LeftToRight);

    m_pHomeButton = new QPushButton(tr("  Home"), this);
    m_pHomeButton->setObjectName(QStringLiteral("main_gohome"));
    m_pHomeButton->setFocusPolicy(Qt::NoFocus);
    m_pHomeButton->setLayoutDirection(Qt::LeftToRight);
    // Its picture carries the icon at the left like the action buttons': the same padding keeps
    // the text clear of the icon. Leading blanks alone do not, because in right-to-left they are
    // laid out after the text, and the text then runs into the icon.
    m_pHomeButton->setProperty("actionPicture", QStringLiteral("home"));
    m_pHomeButton->setProperty("actionColour", QStringLiteral("#3d90c5"));
    m_pHomeButton->setProperty("actionWidth", 112.0);
    FitActionText(m_pHomeButton);
}

void CMainUI::LayOutScanningHeader(QWidget* scanning)
{
    auto* scoreRow = new QHBoxLayout;
    scoreRow->setContentsMargins(0, 0, 0, 0);
    scoreRow->addWidget(m_pScoreName);
    scoreRow->addWidget(m_pScoreLabel);
    scoreRow->addStretch();
    m_pScoreBlock = new QWidget(scanning);
    auto* blockLayout = new QVBoxLayout(m_pScoreBlock);
    blockLayout->setContentsMargins(0, 0, 0, 0);
    blockLayout->setSpacing(0);
    blockLayout->addLayout(scoreRow);
    // The gaps give way when a hint or a message wraps onto a second line, or when the paused
    // fix shows its sentence under the message: every line of them stays whole in the header.
    blockLayout->addSpacerItem(
        new QSpacerItem(0, ScaledInt(10), QSizePolicy::Minimum, QSizePolicy::Preferred));
    blockLayout->addWidget(m_pHeaderStack);
    blockLayout->addSpacerItem(
        new QSpacerItem(0, ScaledInt(10), QSizePolicy::Minimum, QSizePolicy::Preferred));
    blockLayout->addLayout(m_pMessageRow);
    blockLayout->addWidget(m_pApplyOrSave, 0, Qt::AlignLeading);
    blockLayout->addStretch();

    auto* scanningLayout = new QHBoxLayout(scanning);
    scanningLayout->setContentsMargins(0, 0, 0, 0);
    scanningLayout->addSpacing(10);
    scanningLayout->addWidget(m_pHeaderPicture);
    scanningLayout->addSpacing(10);
    scanningLayout->addWidget(m_pScoreBlock);
    scanningLayout->addSpacing(10);
    scanningLayout->addWidget(m_pHomeButton, 0, Qt::AlignVCenter | Qt::AlignRight);
    scanningLayout->addSpacing(10);
    scanningLayout->addWidget(m_pActionStack, 0, Qt::AlignCenter);
    scanningLayout->addSpacing(10);
}

void CMainUI::BuildWelcomeHeader()
{
    m_pWelcomeHeader = new QWidget(m_pTopStack);
    m_pWelcomeHeader->setContentsMargins(0, 0, 0, 0);
    auto* icon = new QLabel(m_pWelcomeHeader);
    icon->setObjectName(QStringLiteral("StartUIIcon"));
    m_pWelcomeTitle = new QLabel(tr("Welcome!"), m_pWelcomeHeader);
    m_pWelcomeTitle->setObjectName(QStringLiteral("StartUIWelcome"));
    m_pWelcomeText =
        new QLabel(tr("Tidewell is the only tool you need to tidy your music library!"), m_pWelcomeHeader);
    m_pWelcomeText->setObjectName(QStringLiteral("StartUIFunc"));
    auto* welcomeTexts = new QVBoxLayout;
    welcomeTexts->setSpacing(20);
    welcomeTexts->addWidget(m_pWelcomeTitle);
    welcomeTexts->addWidget(m_pWelcomeText);
    welcomeTexts->addStretch();
    auto* welcomeLayout = new QHBoxLayout(m_pWelcomeHeader);
    welcomeLayout->addSpacing(50);
    welcomeLayout->addWidget(icon);
    welcomeLayout->addSpacing(20);
    welcomeLayout->addLayout(welcomeTexts);
    welcomeLayout->addStretch();
}

// The scan view: the list of the tracks being loaded and its own scroll bar.
QWidget* CMainUI::BuildScanView()
{
    auto* scanView = new QWidget(this);
    scanView->setContentsMargins(0, 0, 0, 0);
    m_pScanList = new CTreeWidget(scanView);
    m_pScanList->setFrameShape(QFrame::NoFrame);
    m_pScanList->setContentsMargins(0, 0, 0, 0);
    m_pScanList->setAutoScroll(false);
    m_pScanList->setAlternatingRowColors(true);
    m_pScanList->setColumnCount(3);
    m_pScanList->header()->setSectionsMovable(false);
    m_pScanList->header()->hide();
    m_pScanList->setColumnWidth(0, ScaledInt(60));
    // Wide enough for its one text in the current font, so it is never cut.
    m_pScanList->setColumnWidth(
        1, std::max(ScaledInt(80),
                    m_pScanList->fontMetrics().horizontalAdvance(tr("Library Music")) + ScaledInt(12)));
    m_pScanList->setColumnWidth(2, ScaledInt(520));
    m_pScanList->setFocusPolicy(Qt::NoFocus);
    m_pScanList->setTextElideMode(Qt::ElideMiddle);
    // Paths read left to right in either window direction.
    m_pScanList->setItemDelegate(new COwnDirectionDelegate(m_pScanList));
    m_pScanList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pScanList->setRootIsDecorated(false);
    m_pScanList->setUniformRowHeights(true);
    // The state icon of each song grows with the scale, as the report's icons do.
    m_pScanList->setIconSize(QSize(ScaledInt(16), ScaledInt(16)));
    m_pScanScroll = new QScrollBar(Qt::Vertical, scanView);
    m_pScanScroll->setContentsMargins(0, 0, 0, 0);
    m_pScanScroll->setFixedWidth(ScaledInt(15));
    m_pScanScroll->setPageStep(1);
    m_pScanScroll->setRange(0, 0);
    m_pScanScroll->hide();
    auto* scanLayout = new QHBoxLayout(scanView);
    scanLayout->setContentsMargins(0, 0, 0, 0);
    scanLayout->setSpacing(0);
    scanLayout->addWidget(m_pScanList);
    scanLayout->addWidget(m_pScanScroll);
    return scanView;
}

void CMainUI::BuildMenus()
{
    m_pMenuBar = new QMenuBar(this);
    m_pMenu = new QMenu(QStringLiteral(" "), m_pMenuBar);
    const auto add = [this](const QString& text, void (CMainUI::*slot)(), bool enabled)
    {
        auto* action = new QAction(text, this);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
        m_pMenu->addAction(action);
        return action;
    };
    m_pPauseControl->AddMenuEntries(m_pMenu);
    m_pActionSave = new QAction(tr("Save Project", "menu entry"), this);
    m_pActionSave->setEnabled(false);
    connect(m_pActionSave, &QAction::triggered, this, [this]() { ApplyOrSave(); });
    m_pMenu->addAction(m_pActionSave);
    m_pMenu->addSeparator();
    m_pActionHomepage = add(tr("Homepage"), &CMainUI::Home, true);
    m_pActionHelp = add(tr("Help"), &CMainUI::Help, true);
    m_pActionSupport = add(tr("Support"), &CMainUI::Support, true);
    m_pActionEula = add(tr("EULA"), &CMainUI::Eula, true);
    m_pMenu->addSeparator();
    m_pActionBugReport = add(tr("Bug Report"), &CMainUI::BugReport, true);
    m_pActionUpdate = add(tr("Check for updates"), &CMainUI::UpdataSoft, true);
    m_pActionAbout = add(tr("About"), &CMainUI::About, true);
    m_pActionAbout->setMenuRole(QAction::AboutRole);
    m_pActionPreferences = add(tr("Preferences"), &CMainUI::Preferences, true);
    m_pActionPreferences->setMenuRole(QAction::PreferencesRole);
    m_pMenuBar->addMenu(m_pMenu);
    SetMenuBar(m_pMenuBar);
}

void CMainUI::CreateMusicLink()
{
    m_pMusicLink = new CMusicLink(this, this);
    m_pResultMarks = new CResultMarks(m_pMusicLink, this);
    m_pReport->SetMusicLink(m_pMusicLink);
    m_pReport->SetStopState(0);
    m_pDuplicate->SetMusicLink(m_pMusicLink);
    m_pDuplicate->SetStateWriter(m_pReport->StateWriter());
    connect(m_pMusicLink, &CMusicLink::SendLoadOK, this, &CMainUI::AcceptLoadOK);
    connect(m_pMusicLink, &CMusicLink::SendDowldInfo, this, &CMainUI::AcceptDowldInfo);
    connect(m_pMusicLink, &CMusicLink::SendLoadTracks, this, &CMainUI::LoadMusicBatch);
    connect(m_pMusicLink, &CMusicLink::UpdateProcess, this, &CMainUI::UpdateProcess);
}

void CMainUI::ConnectMainSignals()
{
    connect(m_pReport, &CAnalyReport::UpdateProcess, this, &CMainUI::UpdateProcess);
    connect(m_pReport, &CAnalyReport::ReportFixInfo, this, &CMainUI::ReportFixInfo);
    connect(m_pReport, &CAnalyReport::StartFixAll, this, &CMainUI::StartFixAll);
    connect(m_pReport, &CAnalyReport::EndFialedState, this, &CMainUI::EndFialedState);
    connect(m_pReport, &CAnalyReport::ResultChanged, this, &CMainUI::ResultChanged);
    connect(m_pReport, &CAnalyReport::ReportFixAllComplete, this, &CMainUI::ReportFixAllComplete);
    connect(m_pReport, &CAnalyReport::ShowProcessingFailed, this, &CMainUI::ShowProcessingFailed);
    connect(m_pReport, &CAnalyReport::HideProcessing, this, &CMainUI::HideProcessing);
    connect(m_pDuplicate, &CDuplicate::SetRemoveEnable, m_pDuplicateControl,
            &CDuplicateControl::SetRemoveEnable);
    connect(m_pDuplicate, &CDuplicate::AddFixMissNum, this, &CMainUI::AddFixMissNum);
    // The page reports the removed count only; the scan's counts it would overwrite are needed
    // again when the last copy comes back or the language changes.
    connect(m_pDuplicate, &CDuplicate::StartFixAll, m_pDuplicateControl,
            [this](const QString&, const QString& removed, int, int)
            { m_pDuplicateControl->ShowRemovedCount(removed.toInt()); });
    connect(m_pDuplicate, &CDuplicate::Complete, this, &CMainUI::LoadStartParam);
    connect(m_pStartUI, &CStartUI::Duplicate, m_pDuplicateControl, &CDuplicateControl::Duplicate);
    connect(m_pStartUI, &CStartUI::Complete, this, &CMainUI::LoadStartParam);
    connect(m_pStartUI, &CStartUI::SetPreferences, this, &CMainUI::Preferences);
    // The start page stays as it was; only the user is told why nothing opens.
    connect(m_pStartUI, &CStartUI::LoadSaveFailed, this,
            [this]()
            {
                CWarnMessage::ShowMessage(this, QString(),
                                          tr("Invalid project file. Please go back and try again."), 0,
                                          QString(), QString(), QString(), 0);
            });
    connect(m_pApplyOrSave, &CRichLabel::Clicked, this, [this](int which) { ApplyOrSave(which); });
    connect(m_pHomeButton, &QPushButton::clicked, this, &CMainUI::GoHome);
    connect(m_pPauseControl, &CPauseControl::Clicked, this, &CMainUI::CancelGroup);
    connect(m_pFixAllButton, &QPushButton::clicked, this, &CMainUI::Fixall);
    connect(m_pApplyButton, &QPushButton::clicked, this, &CMainUI::ApplyiTunes);
    connect(m_pReturnButton, &QPushButton::clicked, this, &CMainUI::LoadXMLPath);
    connect(m_pScanScroll, &QScrollBar::valueChanged, this, &CMainUI::LoadWidgetScrollChanged);
    connect(m_pRetryButton, &QPushButton::clicked, this, &CMainUI::ButControl);
    connect(m_pScanButton, &QPushButton::clicked, m_pDuplicateControl, &CDuplicateControl::ScanDuplicate);
    connect(m_pRemoveButton, &QPushButton::clicked, m_pDuplicateControl, &CDuplicateControl::RemoveDuplicate);
}

QString CMainUI::ScoreText() const
{
    return m_pScoreLabel->text();
}

QString CMainUI::MessageText() const
{
    return m_pMessageLine->text();
}

EWorkMode CMainUI::GetWorkMode() const
{
    return g_nWorkMode.load();
}

void CMainUI::GetWorkState(int* stage, int* runState) const
{
    if (stage)
        *stage = static_cast<int>(m_eStage);
    if (runState)
        *runState = static_cast<int>(m_eRunState);
}

bool CMainUI::IsBusy() const
{
    return m_pReadyLoadThread->isRunning() || m_pAnalyzeThread->isRunning() || m_pApplyThread->isRunning() ||
           m_eRunState == EWindowRunState::Running || m_eRunState == EWindowRunState::Paused;
}

void CMainUI::ShowDuplicateStart()
{
    StopHeaderMovie(true);
    SetHeaderPicture(QStringLiteral("duplicate"));
    m_pHeaderStack->setCurrentIndex(HeaderHint);
    m_pContentStack->setCurrentIndex(PageDuplicate);
    m_pActionStack->setCurrentIndex(ActionScan);
    m_pTopStack->setCurrentIndex(TopScanning);
    SetScoreShown(false);
}

void CMainUI::SetMessageText(const QString& text)
{
    m_pMessageLine->SetText(text);
}

void CMainUI::ScanForDuplicates(const QStringList& paths)
{
    LoadStartParam(paths, g_strDBPath, RunModeDuplicateFiles);
}

void CMainUI::EnterRemoval()
{
    m_pRetryButton->hide();
    m_eStage = EWorkStage::Applying;
    m_eRunState = EWindowRunState::Running;
    m_pBusyBanner->ShowLoading(true);
    m_pPauseControl->SetActions(true, false);
    m_pPauseControl->SetLook(true);
    m_pActionStack->setCurrentIndex(ActionPause);
    m_pHeaderStack->setCurrentIndex(HeaderHint);
    m_flow.BeginRemoval();
}

bool CMainUI::ApplyThreadRunning() const
{
    return m_pApplyThread->isRunning();
}

void CMainUI::StartApplyThread()
{
    m_pApplyThread->start(QThread::InheritPriority);
}

bool CMainUI::RemoveEnabled() const
{
    return m_pRemoveButton->isEnabled();
}

void CMainUI::SetRemoveEnabled(bool enabled)
{
    m_pRemoveButton->setEnabled(enabled);
}

bool CMainUI::ShowsRemoveAction() const
{
    return m_pActionStack->currentIndex() == ActionRemove;
}

int CMainUI::ScannedSongs() const
{
    return m_strFixText2.toInt();
}

int CMainUI::DuplicatesFound() const
{
    return m_iFixCode;
}

void CMainUI::EmptyWorkFolders()
{
    CAppSettings* settings = GetAppSettings();
    if (!settings || !m_pFolderCleaner)
        return;
    // Thousands of pictures after a large fix: the folders are set aside at once and deleted
    // on the cleaner's thread.
    m_pFolderCleaner->Empty({settings->GetPictureFolder(), settings->GetMusicFolder()});
}

bool CMainUI::eventFilter(QObject* watched, QEvent* event)
{
    // A new text on an action button (a language switch, Pause turning into Continue) asks its
    // parent for a new layout: the text's size is fitted then.
    if (event->type() == QEvent::LayoutRequest &&
        (watched == m_pActionStack || (m_pHomeButton && watched == m_pHomeButton->parentWidget())))
    {
        for (QPushButton* button : {m_pPauseControl->Button(), m_pFixAllButton, m_pApplyButton,
                                    m_pReturnButton, m_pScanButton, m_pRemoveButton, m_pHomeButton})
            FitActionText(button);
    }
    if (watched == m_pScanList && event->type() == QEvent::Wheel)
    {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int step = wheel->angleDelta().y() <= 0 ? 1 : -1;
        m_pScanScroll->setValue(m_pScanScroll->value() + step);
        return true;
    }
    return CFramelessWindow::eventFilter(watched, event);
}

void CMainUI::resizeEvent(QResizeEvent* event)
{
    // Counted for the process: the first resize is the window's own showing, before any list.
    static int s_resizeCount = 0;
    CFramelessWindow::resizeEvent(event);
    // The busy banner covers the content pages; it follows their geometry.
    if (m_pBusyBanner && m_pContentStack)
        m_pBusyBanner->setGeometry(m_pContentStack->geometry());

    // The tool bar and the top area already take the window's width from the layout; fixing
    // their widths here as well would keep the window from ever getting narrower.
    if (s_resizeCount != 0 && m_pScanList && m_pScanList->isVisible())
    {
        const int count = m_pScanList->topLevelItemCount();
        int& stored = ScanRowsShown();
        const int old = stored;
        const int rowHeight = ScaledInt(25);
        const int height = m_pScanList->viewport()->height();
        const int fit = height / rowHeight + (height % rowHeight ? 1 : 0);
        stored = fit;
        // Only a full screen of rows grows or shrinks with the window.
        if (count > 0 && count == old && fit != count)
        {
            m_pScanList->setUpdatesEnabled(false);
            if (fit > count)
            {
                int first = m_pScanScroll->value();
                const int entries = static_cast<int>(g_scanTextList.size());
                if (2 * (first + fit) + 1 >= entries)
                {
                    first = std::max(0, first - (fit - count));
                    m_pScanScroll->setValue(first);
                }
                for (int i = count; i < fit; ++i)
                {
                    auto* item = new QTreeWidgetItem(m_pScanList);
                    if (g_iconComplete)
                        item->setIcon(0, *g_iconComplete);
                    item->setSizeHint(0, QSize(ScaledInt(60), rowHeight));
                }
                LoadWidgetScrollChanged(first);
                m_pScanScroll->setMaximum(std::max(0, m_pScanScroll->maximum() - (fit - count)));
            }
            else
            {
                for (int i = count - 1; i >= fit; --i)
                    delete m_pScanList->takeTopLevelItem(i);
                m_pScanScroll->setMaximum(m_pScanScroll->maximum() + (count - fit));
            }
            m_pScanScroll->setVisible(m_pScanScroll->maximum() > 0);
            m_pScanList->setUpdatesEnabled(true);
        }
    }
    ++s_resizeCount;
}

void CMainUI::Relayout()
{
    QResizeEvent event(size(), size());
    QApplication::sendEvent(this, &event);
}
