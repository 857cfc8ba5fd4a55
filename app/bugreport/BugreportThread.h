#pragma once

#include "BugMailContent.h"

#include <QThread>

#include <atomic>

class SmtpClient;

// Mails one bug report: the description as text and the archive (when it exists) as an
// attachment, to the support address through the report mailbox. run() blocks this thread for
// the whole exchange; the client's time-outs bound it. The result comes once, as
// updateResultUI, emitted on the thread object's home thread (the GUI thread) after run ended.
class BugreportThread : public QThread
{
    Q_OBJECT

public:
    BugreportThread(const BugMailContent& content, const SmtpAccount& account, QObject* parent = nullptr);
    ~BugreportThread() override;

    // Nothing cancels a report once it is sending; kept for callers that ask.
    bool IsStopped() const { return false; }
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
    std::atomic<SmtpClient*> m_pClient{nullptr}; // lives only inside run
    std::atomic<int> m_iResponseCode{0};
};
