#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QWaitCondition>

#include <array>
#include <atomic>
#include <functional>

class QTranslator;

// Application-wide values that live from program start to exit.
//
// Threading: the strings and g_scanTextList belong to the GUI thread (they are filled at start-up
// before any worker exists, and only read afterwards). The flags that worker threads read are
// atomics so a read outside a lock is never a data race; a flag that somebody waits on is still
// CHANGED only under its mutex, followed by a wake of its condition (use the helpers below), and
// every wait re-checks its condition in a loop, so no wake-up is lost.

// ---- Identity and paths -------------------------------------------------------------------

extern QString g_strAppRoot;         // "Zavro/Tidewell", set when the settings object is built
extern QString g_strVersion;         // program version text, set by main
extern QString g_strDBPath;          // data folder + "/MusicLibrary.db", set by the settings object
extern QString g_strAppName;         // set by main (FillAppStrings)
extern QString g_strProductName;     // set by main
extern QString g_strFullProductName; // "Zavro Tidewell"
extern QString g_strHomeUrl;         // set by main
extern QString g_strHelpUrl;         // set by main
extern QString g_strSupportAddress;  // set by main: a web address or a mail address
extern QString g_strSupportMail;     // set by main: recipient of bug reports
extern QString g_strEulaUrl;         // set by main
extern QString g_strTranslateUrl;    // the product site's "/translation/" page
extern QString g_strBugReportUrl;    // set by main
extern QString g_strBugReportResult; // "%1:%2:%3" (name, mail, description) of the bug-report dialog

// Fills the identity strings above that start-up sets (application and product names, web pages,
// support addresses). Called once by main before the main window is built.
void FillAppStrings();

// Lines of the scanning view, two per scanned track. GUI thread only.
extern QStringList g_scanTextList;

// Multipart subtypes of the mail client, indexed by multipart type 0 to 6.
extern const std::array<QString, 7> multipartSubtypeNames;

// ---- Plain values ---------------------------------------------------------------------------

// The translator start-up installed (null when none could be loaded); the language switch
// replaces it. GUI thread.
extern QTranslator* g_pTranslator;

// UI scale: display width / 1920, held between 1.0 and 2.0. Set once by main before any window.
extern double g_dScale;
// The scale for a display of the given logical width in pixels (what main stores in g_dScale).
double ScaleForScreenWidth(int width);

// Media-library instance handle of the main window (0 when none could be opened).
extern std::atomic<int> g_hMediaLibrary;

// Duplicate scan of the iTunes library (true) or of files through the duplicate engine (false).
extern std::atomic<bool> g_bScaniTunes;

// ---- Locks and wait conditions (none recursive) ---------------------------------------------

extern QMutex g_uiLogMutex;     // the UI log (UILog.h)
extern QMutex g_converterMutex; // held around every call into the media library's converter
extern QMutex g_manageLogMutex; // the music manager's log "MM.log"

// Pause and stop of the analysis thread.
extern QMutex g_pauseMutex;
extern QWaitCondition g_pauseCondition;
extern std::atomic<int> g_iPause; // 1 while paused
extern std::atomic<int> g_iStop;  // 1 once a stop is requested

// Hand-over between the report page's apply worker and the main window.
extern QMutex g_applyMutex;
extern QWaitCondition g_applyCondition;
extern std::atomic<int> g_iApplyPause; // 1 while the apply is paused

// Pause and continue of the library import.
extern QMutex g_importMutex;
extern QWaitCondition g_importCondition;

// The music-information analysis wait.
extern QMutex g_musicInfoMutex;
extern QWaitCondition g_musicInfoCondition;

// True while the report page's fix view is paused; recognition results wait while it is set.
// Change it with SetRecognitionHold so waiters in WaitWhileRecognitionHeld are woken.
extern std::atomic<bool> g_bRecognitionHold;
extern QMutex g_recognitionHoldMutex;
extern QWaitCondition g_recognitionHoldCondition;

// ---- Helpers for the flag/condition pairs ---------------------------------------------------

// Stores value into flag while holding mutex, then wakes every waiter of condition.
void SetFlagAndWake(QMutex& mutex, QWaitCondition& condition, std::atomic<int>& flag, int value);

// Blocks while keepWaiting() answers true. keepWaiting is evaluated with mutex held, before the
// first wait and after every wake, so a change made under the mutex is never missed.
void WaitWhile(QMutex& mutex, QWaitCondition& condition, const std::function<bool()>& keepWaiting);

// Analysis pause/stop on g_pauseMutex / g_pauseCondition.
void ResetAnalysisFlags();          // both flags 0, before an analysis starts
void SetAnalysisPause(bool paused); // g_iPause = paused, wakes waiters
void RequestAnalysisStop();         // g_iStop = 1, g_iPause = 0, wakes waiters
// Waits while the analysis is paused and not stopped. Returns false when a stop was requested.
bool WaitWhileAnalysisPaused();

// Apply pause on g_applyMutex / g_applyCondition.
void SetApplyPause(bool paused);
// Waits while the apply is paused and stopRequested (may be empty) answers false.
// Returns false when stopRequested answered true.
bool WaitWhileApplyPaused(const std::function<bool()>& stopRequested = {});

// Recognition hold on g_recognitionHoldMutex / g_recognitionHoldCondition.
void SetRecognitionHold(bool hold);
// Waits while the hold is set and stopRequested (may be empty) answers false. stopRequested is
// polled at least every 100 ms, so a stop flag owned elsewhere ends the wait promptly.
// Returns false when stopRequested answered true.
bool WaitWhileRecognitionHeld(const std::function<bool()>& stopRequested = {});
