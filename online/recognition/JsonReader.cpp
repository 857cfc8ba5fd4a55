#include "JsonReader.h"

#include <QStringView>
#include <QVariantList>
#include <QVariantMap>

#include <utility>

namespace
{

bool isWhitespace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The character a one-letter escape stands for, 0 for the others.
char16_t simpleEscape(char16_t escaped)
{
    switch (escaped)
    {
    case u'"':
    case u'\\':
    case u'/':
        return escaped;
    case u'b':
        return u'\b';
    case u'f':
        return u'\f';
    case u'n':
        return u'\n';
    case u'r':
        return u'\r';
    case u't':
        return u'\t';
    default:
        return 0;
    }
}

bool startsWithAt(const QString& text, int index, QStringView word)
{
    return text.size() - index >= word.size() && QStringView(text).mid(index, word.size()) == word;
}

} // namespace

QVariant JsonReader::Parse(const QString& text, bool& ok)
{
    ok = true;
    if (text.isNull())
        return {};
    int index = 0;
    return ParseValue(text, index, ok, 0);
}

QVariant JsonReader::ParseValue(const QString& text, int& index, bool& ok, int depth)
{
    switch (PeekToken(text, index))
    {
    case Token::ObjectOpen:
        return ParseObject(text, index, ok, depth + 1);
    case Token::ArrayOpen:
        return ParseArray(text, index, ok, depth + 1);
    case Token::String:
        return ParseString(text, index, ok);
    case Token::Number:
        return ParseNumber(text, index);
    case Token::True:
        NextToken(text, index);
        return true;
    case Token::False:
        NextToken(text, index);
        return false;
    case Token::Null:
        NextToken(text, index);
        return {};
    default:
        ok = false;
        return {};
    }
}

QVariant JsonReader::ParseObject(const QString& text, int& index, bool& ok, int depth)
{
    QVariantMap object;
    const bool closed =
        ParseItems(text, index, ok, depth, Token::ObjectClose,
                   [&]
                   {
                       const QString name = ParseString(text, index, ok).toString();
                       if (!ok)
                           return;
                       if (NextToken(text, index) != Token::Colon)
                       {
                           ok = false;
                           return;
                       }
                       QVariant value = ParseValue(text, index, ok, depth);
                       if (ok)
                           object.insert(name, std::move(value)); // a repeated name keeps the later value
                   });
    return closed ? object : QVariantMap();
}

QVariant JsonReader::ParseArray(const QString& text, int& index, bool& ok, int depth)
{
    QVariantList array;
    const bool closed = ParseItems(text, index, ok, depth, Token::ArrayClose,
                                   [&]
                                   {
                                       QVariant value = ParseValue(text, index, ok, depth);
                                       if (ok)
                                           array.append(std::move(value));
                                   });
    return closed ? array : QVariantList();
}

template <typename ReadItem>
bool JsonReader::ParseItems(const QString& text, int& index, bool& ok, int depth, Token close,
                            ReadItem&& readItem)
{
    if (depth > kMaxDepth)
    {
        ok = false;
        return false;
    }
    NextToken(text, index); // the opening "{" or "["
    for (;;)
    {
        const Token token = PeekToken(text, index);
        if (token == Token::None)
        {
            ok = false;
            return false;
        }
        if (token == close)
        {
            NextToken(text, index);
            return true;
        }
        if (token == Token::Comma)
        {
            // Commas are optional; extra and trailing ones are accepted.
            NextToken(text, index);
            continue;
        }
        readItem();
        if (!ok)
            return false;
    }
}

QVariant JsonReader::ParseString(const QString& text, int& index, bool& ok)
{
    SkipWhitespace(text, index);
    // Whatever character stands here is taken as the opening quote.
    if (index >= text.size())
    {
        ok = false;
        return {};
    }
    ++index;

    QString result;
    for (;;)
    {
        if (index >= text.size())
        {
            ok = false;
            return {};
        }
        const QChar c = text.at(index++);
        if (c == u'"')
            return result;
        if (c != u'\\')
        {
            result.append(c);
            continue;
        }
        if (index >= text.size())
        {
            ok = false;
            return {};
        }
        const QChar escaped = text.at(index++);
        if (const char16_t plain = simpleEscape(escaped.unicode()))
        {
            result.append(QChar(plain));
            continue;
        }
        if (escaped == u'u')
        {
            if (text.size() - index < 4)
            {
                ok = false;
                return {};
            }
            bool hexOk = false;
            const ushort unit = QStringView(text).mid(index, 4).toUShort(&hexOk, 16);
            result.append(QChar(hexOk ? unit : ushort(0)));
            index += 4;
        }
        // Any other escape is dropped together with its backslash.
    }
}

QVariant JsonReader::ParseNumber(const QString& text, int& index)
{
    SkipWhitespace(text, index);
    const int end = NumberEnd(text, index);
    const QString number = text.mid(index, end - index);
    index = end;

    if (number.contains(u'.'))
    {
        bool valid = false;
        const double value = number.toDouble(&valid);
        return valid ? value : 0.0;
    }
    bool valid = false;
    if (number.startsWith(u'-'))
    {
        if (const int value = number.toInt(&valid, 10); valid)
            return value;
        if (const qlonglong value = number.toLongLong(&valid, 10); valid)
            return value;
        return number;
    }
    if (const uint value = number.toUInt(&valid, 10); valid)
        return value;
    if (const qulonglong value = number.toULongLong(&valid, 10); valid)
        return value;
    return number;
}

JsonReader::Token JsonReader::NextToken(const QString& text, int& index)
{
    SkipWhitespace(text, index);
    if (index >= text.size())
        return Token::None;

    const QChar c = text.at(index++);
    switch (c.unicode())
    {
    case u'{':
        return Token::ObjectOpen;
    case u'}':
        return Token::ObjectClose;
    case u'[':
        return Token::ArrayOpen;
    case u']':
        return Token::ArrayClose;
    case u':':
        return Token::Colon;
    case u',':
        return Token::Comma;
    case u'"':
        return Token::String;
    case u'-':
        return Token::Number;
    default:
        if (c >= u'0' && c <= u'9')
            return Token::Number;
        break;
    }

    --index;
    // Only the word itself is compared; what follows it is not examined.
    static constexpr std::pair<QStringView, Token> kWords[] = {
        {u"true", Token::True}, {u"false", Token::False}, {u"null", Token::Null}};
    for (const auto& [word, token] : kWords)
    {
        if (startsWithAt(text, index, word))
        {
            index += int(word.size());
            return token;
        }
    }
    return Token::None;
}

JsonReader::Token JsonReader::PeekToken(const QString& text, int index)
{
    return NextToken(text, index);
}

void JsonReader::SkipWhitespace(const QString& text, int& index)
{
    while (index < text.size() && isWhitespace(text.at(index)))
        ++index;
}

int JsonReader::NumberEnd(const QString& text, int index)
{
    static constexpr QStringView kNumberChars = u"0123456789+-.eE";
    while (index < text.size() && kNumberChars.contains(text.at(index)))
        ++index;
    return index;
}
