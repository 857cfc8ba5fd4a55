#pragma once

#include "EmailAddress.h"
#include "MimePart.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// One mail message: sender, recipients, subject and a MIME body. The addresses and the parts
// belong to the composer; only the multipart made by the constructor is owned by the message.
class MimeMessage : public QObject
{
public:
    enum RecipientType
    {
        To = 0,
        Cc = 1,
        Bcc = 2,
    };

    explicit MimeMessage(bool createMultiPart = true, QObject* parent = nullptr);
    ~MimeMessage() override;

    void SetSender(EmailAddress* sender) { m_sender = sender; }
    // Kinds other than To, Cc and Bcc are ignored.
    void AddRecipient(EmailAddress* address, int kind = To);
    void AddTo(EmailAddress* address) { m_to.append(address); }
    void AddCc(EmailAddress* address) { m_cc.append(address); }
    void AddBcc(EmailAddress* address) { m_bcc.append(address); }
    void SetSubject(const QString& subject) { m_subject = subject; }
    // Appends to the body only when the body is exactly a MimeMultiPart.
    void AddPart(MimePart* part);
    // Replaces the body; a body the message owned is deleted, the new one is not owned.
    void SetContent(MimePart* content);
    void SetHeaderEncoding(int encoding) { m_headerEncoding = encoding; }

    EmailAddress* GetSender() const { return m_sender; }
    // 1 Cc, 2 Bcc, anything else To.
    const QList<EmailAddress*>& GetRecipients(int kind = To) const;
    const QString& GetSubject() const { return m_subject; }
    MimePart* GetContent() const { return m_content; }
    QList<MimePart*> GetParts() const;
    int GetHeaderEncoding() const { return m_headerEncoding; }

    virtual QString ToString();

private:
    QString NamePart(const EmailAddress& address) const;
    QString AddressList(const QList<EmailAddress*>& list) const;

    EmailAddress* m_sender = nullptr;
    QList<EmailAddress*> m_to;
    QList<EmailAddress*> m_cc;
    QList<EmailAddress*> m_bcc;
    QString m_subject;
    MimePart* m_content = nullptr;
    std::unique_ptr<MimePart> m_ownedContent;
    int m_headerEncoding = MimePart::_8Bit;
};
