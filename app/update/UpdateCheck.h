#pragma once

#include "ProductUpdateInfo.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class CAppSettings;
class CurlSession;
class QDate;
class QThread;
class QWidget;

// The update check of the main window: asks the update service on a worker thread (the GUI
// thread never waits on the network), then tells the outcome in the what's-new dialog. The
// same road serves the menu command and the check at start-up. Lives on the GUI thread.
class CUpdateCheck : public QObject
{
    Q_OBJECT

public:
    // Result codes of a check, as the dialog shows them.
    enum ResultCode
    {
        ResultNewer = 1,
        ResultNewest = 2,
        ResultUnknown = 3, // "Unknown error."
        ResultNoConnection = -1,
        ResultHttpStatus = -2, // the server answered, but not with the update information
        ResultUnreadable = -3, // an answer that is no update information (or far too large)
        ResultNoProduct = -5,
    };

    // The product's code on the update server.
    static constexpr const char* kProductCode = "TIDEWELL";

    // window: the dialogs' parent; it also owns this object.
    explicit CUpdateCheck(QWidget* window);
    // Aborts a request still running and waits the moment its transfer takes to end.
    ~CUpdateCheck() override;

    // Fetches with the proxy of the settings, then shows the outcome. A call while a check
    // runs is ignored.
    void Check();
    bool IsRunning() const { return m_pThread != nullptr; }
    // For closing: a request still running is aborted at once and ends without showing
    // anything, whatever the network does.
    void Abandon();
    // What the last finished check brought.
    const ProductUpdateInfo& LastInfo() const { return m_info; }

    // The outcome of a fetched check: the transfer failed -1, an answer other than 2xx -2, no
    // product record -5, a reply that cannot be read (or a version that is not dotted numbers)
    // -3, else the comparison of the offered version with the running one: 1 newer, 2 not newer.
    static int ResultOf(const ProductUpdateInfo& info, const QString& currentVersion);
    // The what's-new dialog for one code, run modally. The Download button only appears for a
    // newer version with a web download address.
    static void ShowUpdateInfo(QWidget* parent, int code, const ProductUpdateInfo& info);

    // Whether the automatic check is due today ("Auto_update": 0 off, 1 every "Update_Days"
    // days, 2 every day, 3 every week, 4 every month); when due, today is stored as the last
    // check and the settings are saved.
    static bool IsUpdateDue(CAppSettings& settings, const QDate& today);

signals:
    // After the dialog of a check has closed.
    void checked(int code);

private:
    void Fetched();

    QPointer<QWidget> m_pWindow;
    QThread* m_pThread = nullptr; // child, while a request runs
    // The running request's session, shared with its thread so an abort can reach it.
    std::shared_ptr<CurlSession> m_session;
    ProductUpdateInfo m_info; // written by the worker only while it runs
    bool m_bAbandoned = false;
};

// The automatic check's rule: autoUpdate 0 or less never, 2 at every start; otherwise (every n
// days, week or month alike: the interval is the stored number of days) due when no valid last
// check is stored, when the stored date lies in the future, or when at least days days have passed.
bool IsUpdateDueOn(int autoUpdate, int days, int year, int month, int day, const QDate& today);
