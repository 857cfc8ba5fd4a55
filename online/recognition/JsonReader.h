#pragma once

#include <QString>
#include <QVariant>

// Reads the text of a web-service answer into Qt variant values: objects become QVariantMap,
// arrays QVariantList, strings QString, true/false bool, null an invalid QVariant and numbers
// double, int, qlonglong, uint, qulonglong or (when they fit none) their text.
//
// A small, lenient recursive-descent reader: commas are optional between members and elements,
// only the first value of the text is read and whatever follows is ignored. Nesting is bounded
// (kMaxDepth) so that a hostile answer cannot exhaust the stack of the pool thread reading it;
// a deeper text fails like any other malformed one.
//
// Stateless and re-entrant: any thread may call Parse at any time.
class JsonReader
{
public:
    // Deepest nesting of objects and arrays accepted; a service answer is a handful of levels.
    static constexpr int kMaxDepth = 128;

    // Sets ok to true, then to false at the first error; on failure the value returned must not
    // be used. A null text gives an invalid value with ok still true; an empty one fails.
    static QVariant Parse(const QString& text, bool& ok);

private:
    enum class Token
    {
        None,
        ObjectOpen,
        ObjectClose,
        ArrayOpen,
        ArrayClose,
        Colon,
        Comma,
        String,
        Number,
        True,
        False,
        Null,
    };

    static QVariant ParseValue(const QString& text, int& index, bool& ok, int depth);
    static QVariant ParseObject(const QString& text, int& index, bool& ok, int depth);
    static QVariant ParseArray(const QString& text, int& index, bool& ok, int depth);
    // Reads the members or elements of an object or array up to its closing token; false on failure.
    template <typename ReadItem>
    static bool ParseItems(const QString& text, int& index, bool& ok, int depth, Token close,
                           ReadItem&& readItem);
    static QVariant ParseString(const QString& text, int& index, bool& ok);
    static QVariant ParseNumber(const QString& text, int& index);
    static Token NextToken(const QString& text, int& index);
    static Token PeekToken(const QString& text, int index);
    static void SkipWhitespace(const QString& text, int& index);
    static int NumberEnd(const QString& text, int index);
};
