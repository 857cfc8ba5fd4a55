#pragma once

#include "BugMailContent.h"

#include <QThread>

#include <atomic>

class SmtpClient;

// Mails one bug report: the description as text and the archive as an attachment, to the support
// address through the report mailbox. A report whose archive was named but cannot be read is not
// mailed at all (it fails): it never goes without what it says it carries. run() blocks this
// thread for the whole exchange; the client's time-outs bound it, and Stop() ends it within a
// moment. The result comes once, as updateResultUI, emitted on the thread object's home thread
// (the GUI thread) after run ended.
class BugreportThread : public QThread
{
    Q_OBJECT

public:
    BugreportThread(const BugMailContent& content, const SmtpAccount& account, QObject* parent = nullptr);
    ~BugreportThread() override;

    // Gives the exchange up (any thread): the report ends unsent at the client's next turn.
    void Stop() { m_bStopped = true; }
    bool IsStopped() const { return m_bStopped; }
    const BugMailContent& Content() const { return m_content; }
    bool IsSent() const { return m_bSent; }
    int ResponseCode() const { return m_iResponseCode; }

    // "<name> - <e-mail> -> <product>( Linux )", on one line.
    static QString Subject(const BugMailContent& content);

signals:
    void updateResultUI(bool sent, const QString& archivePath, void* context);

public slots:
    void Finished();

protected:
    void run() override;

private:
    BugMailContent m_content;
    SmtpAccount m_account;
    std::atomic<bool> m_bSent{false};
    std::atomic<bool> m_bStopped{false};
    std::atomic<SmtpClient*> m_pClient{nullptr}; // lives only inside run
    std::atomic<int> m_iResponseCode{0};
};
