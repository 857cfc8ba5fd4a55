#include "JsonReader.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

const QStringList kSamples = {
    QStringLiteral(
        R"({"status":{"msg":"Success","code":0,"version":"1.0"},"metadata":{"music":[{"title":"T \u00e9",)"
        R"("duration_ms":222973,"album":{"name":"A"},"genres":[{"name":"Rock"}],"artists":[{"name":"B"}],)"
        R"("external_metadata":{"spotify":{"track":{"id":"3n3Ppam7vgaVa1iaRUc9Lp"}}},"release_date":"2004"}]}})"),
    QStringLiteral(R"({"access_token":"BQ-x","token_type":"Bearer","expires_in":3600})"),
    QStringLiteral(
        R"({"album":{"images":[{"height":640,"url":"https://i/1"},{"height":300,"url":"https://i/2"}]}})"),
    QStringLiteral(
        R"([1, -2, 3.5, 1e3, true, false, null, "\"\\\/\b\f\n\r\t\u0041", {}, [], [[[{"a":[]}]]]])"),
};

// Characters that steer the reader into every branch.
const QString kAlphabet =
    QStringLiteral("{}[]:,\"\\-+.eE0123456789 \t\r\nabtfnrulsxq/") + QChar(0xe9) + QChar(0x65e5) + QChar(0);

QString randomText(QRandomGenerator& random, int maxLength)
{
    QString text;
    const int length = random.bounded(maxLength + 1);
    for (int i = 0; i < length; ++i)
        text += kAlphabet.at(random.bounded(kAlphabet.size()));
    return text;
}

QString mutate(QRandomGenerator& random, QString text)
{
    const int edits = 1 + random.bounded(6);
    for (int i = 0; i < edits; ++i)
    {
        const int at = text.isEmpty() ? 0 : random.bounded(text.size());
        switch (random.bounded(5))
        {
        case 0: // delete a run
            text.remove(at, 1 + random.bounded(8));
            break;
        case 1: // insert random characters
            text.insert(at, randomText(random, 6));
            break;
        case 2: // replace one character
            if (!text.isEmpty())
                text[at] = kAlphabet.at(random.bounded(kAlphabet.size()));
            break;
        case 3: // cut the text short
            text.truncate(at);
            break;
        default: // repeat a slice, nesting deeper
            text.insert(at, text.mid(at, random.bounded(40)).repeated(1 + random.bounded(50)));
            break;
        }
    }
    return text;
}

// Walks the whole value, so that every part of a parsed tree is touched under the sanitizers.
int countNodes(const QVariant& value)
{
    int nodes = 1;
    if (value.typeId() == QMetaType::QVariantMap)
        for (const QVariant& member : value.toMap())
            nodes += countNodes(member);
    else if (value.typeId() == QMetaType::QVariantList)
        for (const QVariant& element : value.toList())
            nodes += countNodes(element);
    else
        (void)value.toString().size();
    return nodes;
}

} // namespace

TEST(JsonReaderFuzz, SamplesParse)
{
    for (const QString& sample : kSamples)
    {
        bool ok = false;
        EXPECT_GT(countNodes(JsonReader::Parse(sample, ok)), 1);
        EXPECT_TRUE(ok) << sample.toStdString();
    }
}

TEST(JsonReaderFuzz, RandomTexts)
{
    QRandomGenerator random(20261209);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i)
    {
        const QString text = randomText(random, 200);
        bool ok = false;
        const QVariant value = JsonReader::Parse(text, ok);
        if (ok)
        {
            ++accepted;
            countNodes(value);
        }
    }
    EXPECT_GT(accepted, 0);
}

// Qt's own parser is the judge: a mutation both read as a document is read alike, and one the
// reader accepts survives being written out and read again.
TEST(JsonReaderFuzz, MutatedAnswers)
{
    QRandomGenerator random(7);
    const QRegularExpression unjudged(QStringLiteral("[\\x00-\\x1f]|[0-9.][eE]|[0-9]{16}"));
    int agreed = 0;
    int rejected = 0;
    for (int i = 0; i < 20000; ++i)
    {
        const QString text = mutate(random, kSamples.at(random.bounded(kSamples.size())));
        bool ok = false;
        const QVariant value = JsonReader::Parse(text, ok);
        // Qt also takes control characters and unknown escapes inside strings, which JSON forbids,
        // and the reader keeps a number with an exponent or beyond a double's digits as its text:
        // no judge there.
        bool plain = !text.contains(unjudged);
        for (qsizetype at = 0; plain && at < text.size(); ++at)
        {
            if (text.at(at) == QLatin1Char('\\'))
                plain = ++at < text.size() && QStringLiteral("\"\\/bfnrtu").contains(text.at(at));
        }
        QJsonParseError error{};
        const QJsonDocument judged = QJsonDocument::fromJson(text.toUtf8(), &error);
        // Qt is laxer about numbers (".5"): where both read a document, they read the same one.
        if (plain && ok && error.error == QJsonParseError::NoError)
        {
            ASSERT_EQ(QJsonDocument::fromVariant(value).toJson(), judged.toJson()) << text.toStdString();
            ++agreed;
        }
        if (!ok)
        {
            ++rejected;
            continue;
        }
        countNodes(value);
        if (value.typeId() != QMetaType::QVariantMap && value.typeId() != QMetaType::QVariantList)
            continue;
        const QByteArray written = QJsonDocument::fromVariant(value).toJson(QJsonDocument::Compact);
        bool again = false;
        const QVariant reread = JsonReader::Parse(QString::fromUtf8(written), again);
        ASSERT_TRUE(again) << written.toStdString();
        ASSERT_EQ(QJsonDocument::fromVariant(reread), QJsonDocument::fromVariant(value))
            << written.toStdString();
    }
    // Both kinds of text were met.
    EXPECT_GT(agreed, 500);
    EXPECT_GT(rejected, 500);
}

TEST(JsonReaderFuzz, DeepAndWideTexts)
{
    for (const QString& unit : {QStringLiteral("["), QStringLiteral("{\"a\":"), QStringLiteral("[{\"a\":[")})
    {
        bool ok = true;
        JsonReader::Parse(unit.repeated(200000), ok);
        EXPECT_FALSE(ok);
    }
    bool ok = false;
    const QVariant wide = JsonReader::Parse(
        QStringLiteral("[") + QStringLiteral("{\"k\":[1,2,3]},").repeated(50000) + QStringLiteral("]"), ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(wide.toList().size(), 50000);
}
