#include "NativePath.h"

#include <QUtf8StringView>

namespace
{

constexpr char16_t kEscapeBase = 0xDC00; // bytes 0x80..0xFF map to U+DC80..U+DCFF

// The length of the valid UTF-8 sequence at s[i], or 0 when the byte there starts none.
qsizetype validSequence(const unsigned char* s, qsizetype i, qsizetype n)
{
    const unsigned char c = s[i];
    const qsizetype need = c >= 0xF0 && c < 0xF5 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (need == 0 || i + need > n)
        return 0;
    char32_t value = need == 4 ? (c & 0x07) : need == 3 ? (c & 0x0F) : (c & 0x1F);
    for (qsizetype k = 1; k < need; ++k)
    {
        if ((s[i + k] & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (s[i + k] & 0x3F);
    }
    const char32_t minimum = need == 4 ? 0x10000 : need == 3 ? 0x800 : 0x80;
    const bool ok = value >= minimum && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
    return ok ? need : 0;
}

// An escaped byte, not the low half of a surrogate pair (U+10080 is U+D800 U+DC80).
bool isEscapeAt(const QString& path, qsizetype i)
{
    const char16_t c = path.at(i).unicode();
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF &&
           (i == 0 || !path.at(i - 1).isHighSurrogate());
}

} // namespace

QString PathFromNative(const QByteArray& bytes)
{
    if (QUtf8StringView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    QString out;
    out.reserve(bytes.size());
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;)
    {
        if (s[i] < 0x80)
        {
            out += QChar(s[i++]);
            continue;
        }
        const qsizetype length = validSequence(s, i, n);
        if (length == 0)
        {
            out += QChar(char16_t(kEscapeBase + s[i++]));
            continue;
        }
        out += QString::fromUtf8(bytes.constData() + i, length);
        i += length;
    }
    return out;
}

QString PathFromNative(const char* bytes)
{
    return bytes ? PathFromNative(QByteArray(bytes)) : QString();
}

QByteArray PathToNative(const QString& path)
{
    bool escaped = false;
    for (qsizetype i = 0; i < path.size() && !escaped; ++i)
        escaped = isEscapeAt(path, i);
    if (!escaped)
        return path.toUtf8();
    QByteArray out;
    out.reserve(path.size());
    qsizetype start = 0; // first character not yet written
    for (qsizetype i = 0; i <= path.size(); ++i)
    {
        if (i < path.size() && !isEscapeAt(path, i))
            continue;
        out += QStringView(path).mid(start, i - start).toUtf8();
        if (i < path.size())
            out += char(path.at(i).unicode() - kEscapeBase);
        start = i + 1;
    }
    return out;
}
