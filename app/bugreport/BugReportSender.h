#pragma once

#include "BugMailContent.h"
#include "BugReport.h"

#include <QList>
#include <QObject>
#include <QPointer>

class BugreportThread;
class CBugReportPackage;
class QWidget;

// The "Bug Report" command from start to result: packs the archive (asynchronously, while the
// dialog is open), asks the user, and once both are done mails the report on its own
// BugreportThread. Every thread is deleted after its own result, so a second report never
// disturbs the first. GUI thread only; the owner (the main window) keeps one sender.
class CBugReportSender : public QObject
{
    Q_OBJECT

public:
    explicit CBugReportSender(QObject* parent = nullptr);
    // Waits for reports still sending (bounded by the mail time-outs).
    ~CBugReportSender() override;

    // Packs, asks (modally, with parent) and starts the mail. Ignored while an earlier report
    // is still being packed. context comes back with the result.
    void Report(QWidget* parent, const SmtpAccount& account, void* context);

    bool IsBusy() const;
    // For closing: processes events (no user input) until the packing and every mail thread
    // have ended. Results that arrive meanwhile are handled quietly: no question is asked.
    void WaitIdle();

    // The window's answer to a result: on success the archive is removed; on failure, when the
    // archive exists, the user is offered to mail it by hand (the file manager shows it).
    static void ShowSendResult(QWidget* parent, bool sent, const QString& archivePath);

signals:
    // One per report that was sent or failed (never for a cancelled dialog).
    void sendResult(bool sent, const QString& archivePath, void* context);

private:
    void PackageDone();
    void OnThreadResult(BugreportThread* thread, bool sent, const QString& archivePath, void* context);

    CBugReportPackage* m_pPackage = nullptr; // child; the report being packed or asked for
    bool m_bAsking = false;
    BugReportAnswer m_answer;
    SmtpAccount m_account;
    void* m_pContext = nullptr;
    QList<BugreportThread*> m_threads; // children, each until its result
    bool m_bQuiet = false;
};
