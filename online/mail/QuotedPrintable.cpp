#include "QuotedPrintable.h"

QString QuotedPrintable::Encode(const QByteArray& input)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString out;
    out.reserve(input.size() * 3);
    for (const char ch : input)
    {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == 0x20 || (byte >= 0x21 && byte <= 0x7E && byte != 0x3D))
        {
            out += QLatin1Char(ch);
        }
        else
        {
            out += QLatin1Char('=');
            out += QLatin1Char(kHex[byte >> 4]);
            out += QLatin1Char(kHex[byte & 0x0F]);
        }
    }
    return out;
}
