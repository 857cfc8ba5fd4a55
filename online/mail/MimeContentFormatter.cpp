#include "MimeContentFormatter.h"

#include <algorithm>

MimeContentFormatter::MimeContentFormatter(int maxLength, QObject* parent)
    : QObject(parent), m_maxLength(maxLength)
{
}

QString MimeContentFormatter::Format(const QString& content, bool quotedPrintable) const
{
    QString out;
    out.reserve(content.size() + content.size() / std::max(1, m_maxLength) * 3 + 3);
    int count = 0;
    for (const QChar c : content)
    {
        ++count;
        if (!quotedPrintable)
        {
            if (count > m_maxLength)
            {
                out += QStringLiteral("\r\n");
                count = 1;
            }
        }
        else
        {
            if (c == QLatin1Char('\n'))
            {
                out += c;
                count = 0;
                continue;
            }
            if (count > m_maxLength - 1 || (c == QLatin1Char('=') && count > m_maxLength - 3))
            {
                out += QStringLiteral("=\r\n");
                count = 1;
            }
        }
        out += c;
    }
    return out;
}
