#pragma once

#include "BugMailContent.h"
#include "BugReport.h"

#include <QList>
#include <QObject>
#include <QPointer>

class BugreportThread;
class CBugReportPackage;
class QWidget;

// The "Bug Report" command from start to result: packs the report's own archive (asynchronously,
// while the dialog is open), asks the user, and once both are done mails the report on its own
// BugreportThread. Every thread is deleted after its own result, so a second report never
// disturbs the first. GUI thread only; the owner (the main window) keeps one sender.
class CBugReportSender : public QObject
{
    Q_OBJECT

public:
    explicit CBugReportSender(QObject* parent = nullptr);
    // Abandons what is still going on (see Abandon).
    ~CBugReportSender() override;

    // Packs, asks (modally, with parent) and starts the mail. Ignored while an earlier report
    // is still being packed. context comes back with the result. An archive that could not be
    // packed is said; the report then goes without it only when the user agrees.
    void Report(QWidget* parent, const SmtpAccount& account, void* context);

    bool IsBusy() const;
    // For closing, and waiting on nothing: an open dialog closes unanswered, the packing ends,
    // and every report the user sent that is still being packed or sending is stopped and kept in
    // the reports folder with what the user wrote (and its archive, once packed), for mailing by
    // hand; the next start says so (TellKeptReports). No result comes for them, and no further
    // report starts.
    void Abandon();

    // The window's answer to a result: a sent report is said and its archive removed; on
    // failure, when the archive exists, the user is offered to mail it by hand (the file manager
    // shows it, where it stays), else the failure is said.
    static void ShowSendResult(QWidget* parent, bool sent, const QString& archivePath);
    // At start: says once which reports an earlier close left unsent, and where they are.
    static void TellKeptReports(QWidget* parent);

signals:
    // One per report that was sent or failed (never for a cancelled dialog).
    void sendResult(bool sent, const QString& archivePath, void* context);

private:
    void PackageDone();
    // What the mail of this report carries: the user's answer and the archive (may be empty).
    BugMailContent Content(const BugReportAnswer& answer, const QString& archive) const;
    void OnThreadResult(BugreportThread* thread, bool sent, const QString& archivePath, void* context);

    CBugReportPackage* m_pPackage = nullptr; // child; the report being packed or asked for
    QPointer<CBugReport> m_pDialog;          // the open dialog of that report
    QPointer<QWidget> m_pParent;
    bool m_bAsking = false;
    bool m_bAbandoned = false;
    BugReportAnswer m_answer;
    SmtpAccount m_account;
    void* m_pContext = nullptr;
    QList<BugreportThread*> m_threads; // children, each until its result
};
