// Edits and whole-file writes through links: the file a link names is written and the link stays
// a link; a file with two names, or a link to nothing, is not written at all.
#include "AtomicFileEdit.h"

#include "AudioFixture.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <taglib/fileref.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>

#include <sys/stat.h>
#include <unistd.h>

#include <tuple>

using namespace tidewell::test;

namespace
{

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// Retitles the MP3 at `path` through an edit; false when the edit refuses or fails.
bool retitle(const QString& path)
{
    AtomicFileEdit edit(native(path));
    if (!edit.begin())
        return false;
    {
        TagLib::MPEG::File file(edit.stream(), TagLib::ID3v2::FrameFactory::instance(), false);
        file.tag()->setTitle("New");
        if (!AtomicFileEdit::saveTags(&file))
            return false;
    }
    return edit.commit();
}

} // namespace

TEST(AtomicFileEdit, WritesReachTheFileALinkNamesAndNeverAFileWithTwoNames)
{
    TempHome home;
    const QString real = home.file("real/"), links = home.file("links/");
    ASSERT_TRUE(QDir().mkpath(real) && QDir().mkpath(links));
    AudioSpec song;
    song.seconds = 1.0;
    song.tags.title = "Old";
    // An absolute, a relative and a chained link: what the link holds, and the file it leads to.
    ASSERT_TRUE(QFile::link(real + "c.mp3", real + "middle.mp3"));
    const std::tuple<const char*, QString, QString> cases[] = {
        {"absolute", real + "a.mp3", real + "a.mp3"},
        {"relative", "../real/r.mp3", real + "r.mp3"},
        {"chained", real + "middle.mp3", real + "c.mp3"}};
    for (const auto& [kind, holds, file] : cases)
    {
        SCOPED_TRACE(kind);
        ASSERT_TRUE(makeAudioFile(file, song));
        ASSERT_EQ(::chmod(native(file).c_str(), 0640), 0);
        const QString link = links + kind;
        ASSERT_EQ(::symlink(native(holds).c_str(), native(link).c_str()), 0);
        ASSERT_TRUE(retitle(link));
        EXPECT_EQ(TagLib::FileRef(native(file).c_str()).tag()->title(), "New");
        ASSERT_TRUE(AtomicFileEdit::replaceWhole(native(link), "whole"));
        EXPECT_EQ(bytesOf(file), QByteArray("whole"));
        char text[4096] = {};
        ASSERT_GT(::readlink(native(link).c_str(), text, sizeof text - 1), 0);
        EXPECT_EQ(QFile::decodeName(text), holds);
        struct stat info
        {
        };
        ASSERT_EQ(::stat(native(file).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0640u);
    }
    EXPECT_TRUE(QFileInfo(real + "middle.mp3").isSymLink());

    // A rename over one name of a hard-linked file would split it from the other.
    const QString first = real + "first.mp3", second = links + "second.mp3";
    ASSERT_TRUE(makeAudioFile(first, song));
    ASSERT_EQ(::link(native(first).c_str(), native(second).c_str()), 0);
    const QByteArray before = bytesOf(first);
    EXPECT_FALSE(retitle(first));
    EXPECT_FALSE(retitle(second));
    EXPECT_FALSE(AtomicFileEdit::replaceWhole(native(second), "whole"));
    EXPECT_EQ(bytesOf(first), before);
    // A link to nothing, or round in a loop, names no file of the user's.
    ASSERT_TRUE(QFile::link(real + "never.mp3", links + "gone"));
    ASSERT_TRUE(QFile::link(links + "loop", links + "loop"));
    for (const QString& link : {links + "gone", links + "loop"})
    {
        EXPECT_FALSE(retitle(link));
        EXPECT_FALSE(AtomicFileEdit::replaceWhole(native(link), "whole"));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
    }
    EXPECT_FALSE(QFileInfo::exists(real + "never.mp3"));
    // A file of ours is written under its own name: a link planted there is replaced.
    ASSERT_TRUE(QFile::link(first, links + ".record"));
    ASSERT_TRUE(AtomicFileEdit::replaceOwn(native(links + ".record"), "record", 0600));
    EXPECT_FALSE(QFileInfo(links + ".record").isSymLink());
    EXPECT_EQ(bytesOf(first), before);
    for (const QString& folder : {real, links})
        EXPECT_TRUE(QDir(folder).entryList({".tidewell-edit-*"}, QDir::AllEntries | QDir::Hidden).isEmpty());
}
