#include "NativePath.h"

#include <QList>

#include <gtest/gtest.h>

// Every byte string survives the way into a QString and back; UTF-8 reads as the text it is.
TEST(NativePath, AnyBytesComeBackAndUtf8StaysText)
{
    const QList<QByteArray> names = {
        "/music/plain.mp3",
        "/music/\xd0\x9d\xd0\xbe\xd0\xb2\xd1\x8b\xd0\xb9.mp3", // Cyrillic
        "/music/b\xff\xfe.mp3",                                // Latin-1 bytes
        "/music/\xf0\x90\x82\x80\x80.mp3",                     // U+10080 (a surrogate pair), then a lone byte
        "/music/\xed\xa0\x80\xc3.mp3",                         // an encoded surrogate, a cut-off sequence
        "\xe2\x82",
    };
    for (const QByteArray& name : names)
        EXPECT_EQ(PathToNative(PathFromNative(name)), name) << name.toHex().constData();
    EXPECT_EQ(PathFromNative(names[1]), QStringLiteral(u"/music/Новый.mp3"));
    EXPECT_EQ(PathFromNative(names[3]).left(9), QStringLiteral(u"/music/\U00010080"));
    EXPECT_NE(PathFromNative(names[2]), PathFromNative(QByteArray("/music/b\xef\xbf\xbd\xef\xbf\xbd.mp3")));
}
