#include "MimeMessage.h"

#include "MimeMultiPart.h"
#include "QuotedPrintable.h"

#include <typeinfo>

namespace
{

// A CR or LF inside a header value would end the header line and let the value add header
// lines of its own (the subject carries user-typed text), so line breaks become spaces.
QString OneLine(QString value)
{
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

QString QEncodedWordText(const QString& text)
{
    QString encoded = QuotedPrintable::Encode(text.toUtf8());
    encoded.replace(QLatin1Char(' '), QLatin1Char('_'));
    encoded.replace(QLatin1Char(':'), QStringLiteral("=3A"));
    return encoded;
}

} // namespace

MimeMessage::MimeMessage(bool createMultiPart, QObject* parent) : QObject(parent)
{
    if (createMultiPart)
    {
        m_ownedContent = std::make_unique<MimeMultiPart>(MimeMultiPart::Related);
        m_content = m_ownedContent.get();
    }
}

MimeMessage::~MimeMessage() = default;

void MimeMessage::AddRecipient(EmailAddress* address, int kind)
{
    switch (kind)
    {
    case To:
        m_to.append(address);
        break;
    case Cc:
        m_cc.append(address);
        break;
    case Bcc:
        m_bcc.append(address);
        break;
    default:
        break;
    }
}

void MimeMessage::AddPart(MimePart* part)
{
    if (m_content && typeid(*m_content) == typeid(MimeMultiPart))
        static_cast<MimeMultiPart*>(m_content)->AddPart(part);
}

void MimeMessage::SetContent(MimePart* content)
{
    if (content == m_content)
        return; // deleting it here would leave the message pointing at freed memory
    m_ownedContent.reset();
    m_content = content;
}

const QList<EmailAddress*>& MimeMessage::GetRecipients(int kind) const
{
    switch (kind)
    {
    case Cc:
        return m_cc;
    case Bcc:
        return m_bcc;
    default:
        return m_to;
    }
}

QList<MimePart*> MimeMessage::GetParts() const
{
    if (m_content && typeid(*m_content) == typeid(MimeMultiPart))
        return static_cast<MimeMultiPart*>(m_content)->GetParts();
    QList<MimePart*> single;
    single.append(m_content);
    return single;
}

QString MimeMessage::NamePart(const EmailAddress& address) const
{
    const QString name = OneLine(address.GetName());
    if (name.isEmpty())
        return {};
    switch (m_headerEncoding)
    {
    case MimePart::Base64:
        return QStringLiteral(" =?utf-8?B?") + QString::fromLatin1(name.toUtf8().toBase64()) +
               QStringLiteral("?=");
    case MimePart::QuotedPrintable:
        return QStringLiteral(" =?utf-8?Q?") + QEncodedWordText(name) + QStringLiteral("?=");
    default:
        return QLatin1Char(' ') + name;
    }
}

QString MimeMessage::AddressList(const QList<EmailAddress*>& list) const
{
    QString text;
    bool first = true;
    for (const EmailAddress* address : list)
    {
        if (!first)
            text += QLatin1Char(',');
        first = false;
        text += NamePart(*address) + QStringLiteral(" <") + OneLine(address->GetAddress()) + QLatin1Char('>');
    }
    return text;
}

QString MimeMessage::ToString()
{
    QString text = QStringLiteral("From:");
    if (m_sender)
        text +=
            NamePart(*m_sender) + QStringLiteral(" <") + OneLine(m_sender->GetAddress()) + QLatin1Char('>');
    text += QStringLiteral("\r\n");

    text += QStringLiteral("To:") + AddressList(m_to) + QStringLiteral("\r\n");
    if (!m_cc.isEmpty())
        text += QStringLiteral("Cc:") + AddressList(m_cc) + QStringLiteral("\r\n");

    const QString subject = OneLine(m_subject);
    text += QStringLiteral("Subject: ");
    switch (m_headerEncoding)
    {
    case MimePart::Base64:
        text += QStringLiteral("=?utf-8?B?") + QString::fromLatin1(subject.toUtf8().toBase64()) +
                QStringLiteral("?=");
        break;
    case MimePart::QuotedPrintable:
        text += QStringLiteral("=?utf-8?Q?") + QEncodedWordText(subject) + QStringLiteral("?=");
        break;
    default:
        text += subject;
        break;
    }
    text += QStringLiteral("\r\n");

    text += QStringLiteral("MIME-Version: 1.0\r\n");
    if (m_content)
        text += m_content->ToString();
    return text;
}
