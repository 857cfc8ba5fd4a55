#include "MimePart.h"

#include "QuotedPrintable.h"

MimePart::MimePart(QObject* parent) : QObject(parent) {}

MimePart::~MimePart() = default;

void MimePart::AddHeaderLine(const QString& line)
{
    m_header += line + QStringLiteral("\r\n");
}

QString MimePart::ToString()
{
    if (!m_prepared)
        Prepare();
    return m_mimeText;
}

void MimePart::Prepare()
{
    BuildMimeText(m_encoding);
}

void MimePart::BuildMimeText(int encoding)
{
    QString text = QStringLiteral("Content-Type: ") + m_contentType;
    if (!m_contentName.isEmpty())
        text += QStringLiteral("; name=\"") + m_contentName + QLatin1Char('"');
    if (!m_charset.isEmpty())
        text += QStringLiteral("; charset=") + m_charset;
    if (!m_boundary.isEmpty())
        text += QStringLiteral("; boundary=") + m_boundary;
    text += QStringLiteral("\r\n");

    text += QStringLiteral("Content-Transfer-Encoding: ");
    switch (encoding)
    {
    case _7Bit:
        text += QStringLiteral("7bit");
        break;
    case _8Bit:
        text += QStringLiteral("8bit");
        break;
    case Base64:
        text += QStringLiteral("base64");
        break;
    case QuotedPrintable:
        text += QStringLiteral("quoted-printable");
        break;
    default:
        break;
    }
    text += QStringLiteral("\r\n");

    if (!m_contentId.isEmpty())
        text += QStringLiteral("Content-ID: <") + m_contentId + QStringLiteral(">\r\n");

    text += m_header + QStringLiteral("\r\n");

    switch (encoding)
    {
    case _7Bit:
        text += QString::fromLatin1(m_content);
        break;
    // The content holds UTF-8 bytes; the whole message goes out as UTF-8 again.
    case _8Bit:
        text += QString::fromUtf8(m_content);
        break;
    case Base64:
        text += m_formatter.Format(QString::fromLatin1(m_content.toBase64()), false);
        break;
    case QuotedPrintable:
        text += m_formatter.Format(::QuotedPrintable::Encode(m_content), true);
        break;
    default:
        break;
    }
    text += QStringLiteral("\r\n");

    m_mimeText = text;
    m_prepared = true;
}
