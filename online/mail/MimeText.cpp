#include "MimeText.h"

namespace
{

// SMTP allows at most 998 octets per line (RFC 5321, 4.5.3.1.6); servers refuse longer ones.
constexpr qsizetype kMaxLineOctets = 998;

bool HasOverlongLine(const QByteArray& content)
{
    qsizetype start = 0;
    while (start <= content.size())
    {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        qsizetype length = end - start;
        if (length > 0 && end < content.size() && content.at(end - 1) == '\r')
            --length;
        if (length > kMaxLineOctets)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

MimeText::MimeText(const QString& text, QObject* parent) : MimePart(parent), m_text(text)
{
    m_contentType = QStringLiteral("text/plain");
    m_charset = QStringLiteral("utf-8");
    m_encoding = _8Bit;
}

void MimeText::Prepare()
{
    m_content = m_text.toUtf8();
    // A description typed as one long paragraph would exceed the line limit as 8bit text and be
    // refused by the server; quoted-printable carries the same bytes in short lines.
    const bool unencoded = m_encoding == _7Bit || m_encoding == _8Bit;
    BuildMimeText(unencoded && HasOverlongLine(m_content) ? QuotedPrintable : m_encoding);
}
