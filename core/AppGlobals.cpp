#include "AppGlobals.h"
#include "ConditionWait.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

#include <algorithm>

QString g_strAppRoot;
QString g_strVersion;
QString g_strDBPath;
QTranslator* g_pTranslator = nullptr;
QString g_strAppName;
QString g_strProductName;
QString g_strFullProductName = QStringLiteral("Zavro Tidewell");
QString g_strHomeUrl;
QString g_strHelpUrl;
QString g_strSupportAddress;
QString g_strSupportMail;
QString g_strEulaUrl;
QString g_strTranslateUrl = QStringLiteral("https://www.zavro.example/translation/");
QString g_strBugReportUrl;
QString g_strBugReportResult;

QStringList g_scanTextList;

const std::array<QString, 7> multipartSubtypeNames = {
    QStringLiteral("multipart/mixed"),       QStringLiteral("multipart/digest"),
    QStringLiteral("multipart/alternative"), QStringLiteral("multipart/related"),
    QStringLiteral("multipart/report"),      QStringLiteral("multipart/signed"),
    QStringLiteral("multipart/encrypted"),
};

// Neutral until main measures the screen, so nothing built earlier gets zero sizes.
double g_dScale = 1.0;
std::atomic<int> g_hMediaLibrary{0};
std::atomic<bool> g_bScaniTunes{false};

QMutex g_uiLogMutex;
QMutex g_converterMutex;
QMutex g_manageLogMutex;

QMutex g_pauseMutex;
QWaitCondition g_pauseCondition;
std::atomic<int> g_iPause{0};
std::atomic<int> g_iStop{0};

QMutex g_applyMutex;
QWaitCondition g_applyCondition;
std::atomic<int> g_iApplyPause{0};

QMutex g_importMutex;
QWaitCondition g_importCondition;

QMutex g_musicInfoMutex;
QWaitCondition g_musicInfoCondition;

std::atomic<bool> g_bRecognitionHold{false};
QMutex g_recognitionHoldMutex;
QWaitCondition g_recognitionHoldCondition;

namespace
{

// How often a wait whose stop request lives outside its mutex looks at that request again.
constexpr int kStopPollMs = 100;

// Waits while held() answers true; stopRequested (may be empty) is polled at least every
// kStopPollMs because whoever sets it may not wake this condition. False when stopped.
bool WaitPolling(QMutex& mutex, QWaitCondition& condition, const std::function<bool()>& held,
                 const std::function<bool()>& stopRequested)
{
    QMutexLocker lock(&mutex);
    while (held())
    {
        if (stopRequested && stopRequested())
            return false;
        ConditionWait(condition, mutex, QDeadlineTimer(kStopPollMs));
    }
    return !(stopRequested && stopRequested());
}

} // namespace

void FillAppStrings()
{
    g_strAppName = QStringLiteral("Tidewell");
    g_strProductName = QStringLiteral("Tidewell");
    g_strHomeUrl = QStringLiteral("https://www.zavro.example/tidewell/");
    g_strHelpUrl = QStringLiteral("https://www.zavro.example/tidewell/help/");
    g_strSupportAddress = QStringLiteral("https://www.zavro.example/support/");
    g_strSupportMail = QStringLiteral("support@zavro.example");
    g_strEulaUrl = QStringLiteral("https://www.zavro.example/eula/");
    g_strBugReportUrl = QStringLiteral("https://www.zavro.example/bugreport/");
}

double ScaleForScreenWidth(int width)
{
    return std::clamp(width / 1920.0, 1.0, 2.0);
}

void SetFlagAndWake(QMutex& mutex, QWaitCondition& condition, std::atomic<int>& flag, int value)
{
    QMutexLocker lock(&mutex);
    flag = value;
    condition.wakeAll();
}

void WaitWhile(QMutex& mutex, QWaitCondition& condition, const std::function<bool()>& keepWaiting)
{
    QMutexLocker lock(&mutex);
    while (keepWaiting())
        ConditionWait(condition, mutex);
}

void ResetAnalysisFlags()
{
    QMutexLocker lock(&g_pauseMutex);
    g_iPause = 0;
    g_iStop = 0;
    g_pauseCondition.wakeAll();
}

void SetAnalysisPause(bool paused)
{
    SetFlagAndWake(g_pauseMutex, g_pauseCondition, g_iPause, paused ? 1 : 0);
}

void RequestAnalysisStop()
{
    QMutexLocker lock(&g_pauseMutex);
    g_iStop = 1;
    g_iPause = 0;
    g_pauseCondition.wakeAll();
}

bool WaitWhileAnalysisPaused()
{
    WaitWhile(g_pauseMutex, g_pauseCondition, [] { return g_iPause != 0 && g_iStop == 0; });
    return g_iStop == 0;
}

void SetApplyPause(bool paused)
{
    SetFlagAndWake(g_applyMutex, g_applyCondition, g_iApplyPause, paused ? 1 : 0);
}

bool WaitWhileApplyPaused(const std::function<bool()>& stopRequested)
{
    return WaitPolling(
        g_applyMutex, g_applyCondition, [] { return g_iApplyPause != 0; }, stopRequested);
}

void SetRecognitionHold(bool hold)
{
    QMutexLocker lock(&g_recognitionHoldMutex);
    g_bRecognitionHold = hold;
    g_recognitionHoldCondition.wakeAll();
}

bool WaitWhileRecognitionHeld(const std::function<bool()>& stopRequested)
{
    return WaitPolling(
        g_recognitionHoldMutex, g_recognitionHoldCondition, [] { return g_bRecognitionHold.load(); },
        stopRequested);
}
