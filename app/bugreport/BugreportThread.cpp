#include "BugreportThread.h"

#include "EmailAddress.h"
#include "MimeAttachment.h"
#include "MimeMessage.h"
#include "MimeText.h"
#include "SmtpClient.h"

#include <QFile>

#include <memory>

BugreportThread::BugreportThread(const BugMailContent& content, const SmtpAccount& account, QObject* parent)
    : QThread(parent), m_content(content), m_account(account)
{
    connect(this, &QThread::finished, this, &BugreportThread::Finished);
}

BugreportThread::~BugreportThread()
{
    // Owners delete the thread after its result; a thread still sending is stopped and waited
    // for (a moment) rather than destroyed under its own feet.
    Stop();
    wait();
}

QString BugreportThread::Subject(const BugMailContent& content)
{
    return content.userName + QStringLiteral(" - ") + content.userEmail + QStringLiteral(" -> ") +
           content.productName + QStringLiteral("( Linux )");
}

void BugreportThread::run()
{
    auto client =
        std::make_unique<SmtpClient>(m_account.host, m_account.port,
                                     m_account.ssl ? SmtpClient::SslConnection : SmtpClient::TcpConnection);
    m_pClient = client.get();
    client->SetStopFlag(&m_bStopped);
    client->SetUser(m_account.user);
    client->SetPassword(m_account.password);

    // The parts and addresses belong to this frame; the message only points at them, so it is
    // declared last and goes first.
    EmailAddress sender(m_account.user, QStringLiteral("bug"));
    EmailAddress support(m_content.supportAddress, QStringLiteral("support"));
    MimeText text(m_content.description);
    std::unique_ptr<MimeAttachment> attachment;
    MimeMessage message;
    message.SetSender(&sender);
    message.AddRecipient(&support, MimeMessage::To);
    message.SetSubject(Subject(m_content));
    message.AddPart(&text);
    bool readable = true;
    if (!m_content.archivePath.isEmpty())
    {
        auto archive = std::make_unique<QFile>(m_content.archivePath);
        readable = archive->open(QIODevice::ReadOnly);
        archive->close();
        attachment = std::make_unique<MimeAttachment>(std::move(archive));
        message.AddPart(attachment.get());
    }

    bool sent = false;
    if (readable && !m_bStopped && client->ConnectToHost())
    {
        if (client->Login())
        {
            const bool accepted = client->SendMail(message);
            m_iResponseCode = client->GetResponseCode();
            // Sent means the server's last word on the message was 250.
            sent = accepted && m_iResponseCode == 250;
        }
        client->Quit();
    }
    m_bSent = sent && !m_bStopped;
    m_pClient = nullptr;
}

void BugreportThread::Finished()
{
    emit updateResultUI(m_bSent, m_content.archivePath, m_content.context);
}
