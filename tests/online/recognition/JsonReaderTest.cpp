#include "JsonReader.h"

#include <QThread>
#include <QVariantList>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace
{

QVariant parse(const QString& text, bool& ok)
{
    return JsonReader::Parse(text, ok);
}

QVariant parseOk(const QString& text)
{
    bool ok = false;
    QVariant value = JsonReader::Parse(text, ok);
    EXPECT_TRUE(ok) << text.toStdString();
    return value;
}

bool fails(const QString& text)
{
    bool ok = true;
    JsonReader::Parse(text, ok);
    return !ok;
}

} // namespace

TEST(JsonReader, NullAndEmptyText)
{
    bool ok = false;
    const QVariant value = parse(QString(), ok);
    EXPECT_TRUE(ok);
    EXPECT_FALSE(value.isValid());
    EXPECT_TRUE(fails(QLatin1String("")));
    EXPECT_TRUE(fails(QStringLiteral("   \r\n\t")));
}

TEST(JsonReader, ObjectsAndLenientCommas)
{
    EXPECT_EQ(parseOk(QStringLiteral("{}")).typeId(), QMetaType::QVariantMap);
    EXPECT_TRUE(parseOk(QStringLiteral("{}")).toMap().isEmpty());

    const QVariantList list = parseOk(QStringLiteral("[1,]")).toList();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].typeId(), QMetaType::UInt);

    const QVariantMap extra = parseOk(QStringLiteral("{ ,, \"a\":1,,\"b\" : \"x\" ,}")).toMap();
    EXPECT_EQ(extra.value("a").toUInt(), 1u);
    EXPECT_EQ(extra.value("b").toString(), "x");

    const QVariantMap noCommas = parseOk(QStringLiteral("{\"a\":1 \"b\":[true false null]}")).toMap();
    EXPECT_EQ(noCommas.value("a").toUInt(), 1u);
    const QVariantList words = noCommas.value("b").toList();
    ASSERT_EQ(words.size(), 3);
    EXPECT_EQ(words[0], QVariant(true));
    EXPECT_EQ(words[1], QVariant(false));
    EXPECT_FALSE(words[2].isValid());

    EXPECT_EQ(parseOk(QStringLiteral("{\"k\":1,\"k\":\"later\"}")).toMap().value("k").toString(), "later");
}

TEST(JsonReader, StructuralErrors)
{
    EXPECT_TRUE(fails(QStringLiteral("{\"a\" 1}"))); // no colon
    EXPECT_TRUE(fails(QStringLiteral("{\"a\":}")));  // colon then close
    EXPECT_TRUE(fails(QStringLiteral("[1, 2")));     // no closing bracket
    EXPECT_TRUE(fails(QStringLiteral("{\"a\":1")));  // no closing brace
    EXPECT_TRUE(fails(QStringLiteral("tru")));
    EXPECT_TRUE(fails(QStringLiteral("}")));
    EXPECT_TRUE(fails(QStringLiteral(":")));
    EXPECT_TRUE(fails(QStringLiteral("{abc:1}"))); // name starting with a letter
    EXPECT_TRUE(fails(QString(QChar(0x4e2d))));    // outside Latin-1 matches nothing

    // What follows the first value is not looked at.
    EXPECT_EQ(parseOk(QStringLiteral("{\"a\":2} trailing ]]] garbage")).toMap().value("a").toUInt(), 2u);
    EXPECT_EQ(parseOk(QStringLiteral("truex")), QVariant(true));
}

TEST(JsonReader, Numbers)
{
    const QVariantList list =
        parseOk(QStringLiteral("[1, -2, 3.5, 1e3, 4294967296, -4294967296, 2.50, 1.2.3]")).toList();
    ASSERT_EQ(list.size(), 8);
    EXPECT_EQ(list[0].typeId(), QMetaType::UInt);
    EXPECT_EQ(list[1].typeId(), QMetaType::Int);
    EXPECT_EQ(list[1].toInt(), -2);
    EXPECT_EQ(list[2].typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(list[2].toDouble(), 3.5);
    EXPECT_EQ(list[3].typeId(), QMetaType::QString);
    EXPECT_EQ(list[3].toString(), "1e3");
    EXPECT_EQ(list[4].typeId(), QMetaType::ULongLong);
    EXPECT_EQ(list[4].toULongLong(), 4294967296ull);
    EXPECT_EQ(list[5].typeId(), QMetaType::LongLong);
    EXPECT_DOUBLE_EQ(list[6].toDouble(), 2.5);
    EXPECT_EQ(list[7].typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(list[7].toDouble(), 0.0);

    // Too large for every integer type: kept as text.
    EXPECT_EQ(parseOk(QStringLiteral("99999999999999999999999")).toString(), "99999999999999999999999");
}

TEST(JsonReader, Strings)
{
    EXPECT_EQ(parseOk(QStringLiteral("\"caf\\u00e9\"")).toString(), QString::fromUtf8("café"));
    EXPECT_EQ(parseOk(QStringLiteral("\"caf\\u00e9\"")).toString().size(), 4);
    EXPECT_EQ(parseOk(QStringLiteral("\"a\\qb\"")).toString(), "ab");
    EXPECT_EQ(parseOk(QStringLiteral("\"\\\"\\\\\\/\\b\\f\\n\\r\\t\"")).toString(),
              QString::fromLatin1("\"\\/\b\f\n\r\t"));
    EXPECT_EQ(parseOk(QStringLiteral("\"\\uZZZZ\"")).toString(), QString(QChar(0)));
    EXPECT_EQ(parseOk(QString::fromUtf8("\"日本語\"")).toString(), QString::fromUtf8("日本語"));
    EXPECT_TRUE(fails(QStringLiteral("\"open")));
    EXPECT_TRUE(fails(QStringLiteral("\"ends in backslash\\")));
    EXPECT_TRUE(fails(QStringLiteral("\"\\u12")));
}

TEST(JsonReader, MemberNameWithoutOpeningQuote)
{
    // The first character of a name is taken as its quote, whatever it is.
    EXPECT_EQ(parseOk(QStringLiteral("{1a\":2}")).toMap().value("a").toUInt(), 2u);
    EXPECT_EQ(parseOk(QStringLiteral("{trueish\":2}")).toMap().value("rueish").toUInt(), 2u);
}

// A reply nested far deeper than any service answer must fail cleanly rather than exhaust the
// stack; it runs on a thread with a small stack like a pool thread's.
TEST(JsonReader, DeepNestingFailsCleanly)
{
    const int depths[] = {JsonReader::kMaxDepth, JsonReader::kMaxDepth + 1, 100000, 2000000};
    for (const int depth : depths)
    {
        for (const auto& [open, close] : {std::pair{u'[', u']'}, std::pair{u'{', u'}'}})
        {
            QString text;
            for (int i = 0; i < depth; ++i)
                text += open == u'[' ? QStringLiteral("[") : QStringLiteral("{\"k\":");
            text += QStringLiteral("1");
            text += QString(depth, QChar(close));

            bool ok = true;
            QVariant value;
            std::unique_ptr<QThread> thread(QThread::create([&] { value = JsonReader::Parse(text, ok); }));
            thread->setStackSize(256 * 1024);
            thread->start();
            ASSERT_TRUE(thread->wait(60000));
            EXPECT_EQ(ok, depth <= JsonReader::kMaxDepth) << depth;
        }
    }
}
