#include "ScreenText.h"

#include <algorithm>

QString ScreenText(const QString& text)
{
    qsizetype end = std::min<qsizetype>(text.size(), kScreenTextLimit);
    int lines = 0;
    for (qsizetype i = 0; i < end; ++i)
    {
        if (text.at(i) == u'\n' && ++lines >= kScreenTextLines)
        {
            end = i;
            break;
        }
    }
    if (end == text.size())
        return text;
    if (end > 0 && text.at(end - 1).isHighSurrogate())
        --end;
    return text.left(end) + QChar(0x2026);
}
