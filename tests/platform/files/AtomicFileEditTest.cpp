// Edits and whole replacements through every kind of link: the file a link names is written and
// the link stays a link; a file with two names, or a link to nothing, is not written at all.
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

// Sets the title through an edit of `path`; false when the edit refuses or fails.
bool retitle(const QString& path, const char* title)
{
    AtomicFileEdit edit(native(path));
    if (!edit.begin())
        return false;
    {
        TagLib::MPEG::File file(edit.stream(), TagLib::ID3v2::FrameFactory::instance(), false);
        if (!file.isValid())
            return false;
        file.tag()->setTitle(title);
        if (!AtomicFileEdit::saveTags(&file))
            return false;
    }
    return edit.commit();
}

std::string titleOf(const QString& path)
{
    const TagLib::FileRef ref(QFile::encodeName(path).constData());
    return ref.isNull() || !ref.tag() ? std::string("<unreadable>") : ref.tag()->title().to8Bit(true);
}

QStringList ourTemporaries(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral(".tidewell-edit-*")}, QDir::AllEntries | QDir::Hidden);
}

class AtomicFileEditLinks : public ::testing::Test
{
protected:
    TempHome home;
    QString real = home.file("real/");
    QString links = home.file("links/");

    QString song(const QString& path)
    {
        AudioSpec spec;
        spec.seconds = 1.0;
        spec.tags.title = QStringLiteral("Old");
        EXPECT_TRUE(makeAudioFile(path, spec));
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
        return path;
    }
    static mode_t modeOf(const QString& path)
    {
        struct stat info
        {
        };
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
    }
};

} // namespace

// Absolute, relative and chained links: the song and the whole file reach the file named at the
// end, which keeps its permissions; each link is the same link afterwards, and no copy is left.
TEST_F(AtomicFileEditLinks, AWriteThroughALinkReachesTheFileItNames)
{
    QDir().mkpath(real);
    QDir().mkpath(links);
    struct Case
    {
        const char* name;
        QString link;   // what the user's path is
        QString target; // what it names
        QString leadsTo;
    };
    const QString absolute = song(real + "absolute.mp3");
    const QString relative = song(real + "relative.mp3");
    const QString chained = song(real + "chained.mp3");
    ASSERT_TRUE(QFile::link(chained, real + "middle.mp3"));
    const Case cases[] = {
        {"absolute", links + "a.mp3", absolute, absolute},
        {"relative", links + "r.mp3", relative, "../real/relative.mp3"},
        {"link to a link", links + "c.mp3", chained, real + "middle.mp3"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(::symlink(native(c.leadsTo).c_str(), native(c.link).c_str()), 0);
        ASSERT_TRUE(retitle(c.link, "New"));
        char text[4096] = {};
        ASSERT_GT(::readlink(native(c.link).c_str(), text, sizeof text - 1), 0);
        EXPECT_EQ(QString::fromLocal8Bit(text), c.leadsTo);
        EXPECT_EQ(titleOf(c.target), "New");
        EXPECT_EQ(modeOf(c.target), mode_t(0640));

        ASSERT_TRUE(AtomicFileEdit::replaceWhole(native(c.link), "whole"));
        EXPECT_TRUE(QFileInfo(c.link).isSymLink());
        EXPECT_EQ(bytesOf(c.target), QByteArray("whole"));
        EXPECT_EQ(modeOf(c.target), mode_t(0640));
    }
    EXPECT_TRUE(QFileInfo(real + "middle.mp3").isSymLink());
    EXPECT_TRUE(ourTemporaries(real).isEmpty());
    EXPECT_TRUE(ourTemporaries(links).isEmpty());
}

// A file with two names would be split by a rename over one of them, and a link that leads
// nowhere names no file of the user's: neither is written, and nothing is made.
TEST_F(AtomicFileEditLinks, AFileWithTwoNamesOrALinkToNothingIsNotWritten)
{
    QDir().mkpath(real);
    QDir().mkpath(links);
    const QString first = song(real + "first.mp3");
    const QString second = links + "second.mp3";
    ASSERT_EQ(::link(native(first).c_str(), native(second).c_str()), 0);
    const QByteArray before = bytesOf(first);
    EXPECT_FALSE(retitle(first, "New"));
    EXPECT_FALSE(retitle(second, "New"));
    EXPECT_FALSE(AtomicFileEdit::replaceWhole(native(second), "whole"));
    EXPECT_EQ(bytesOf(first), before);
    EXPECT_EQ(bytesOf(second), before);
    // A link to one of its names is no way round.
    ASSERT_TRUE(QFile::link(second, links + "third.mp3"));
    EXPECT_FALSE(retitle(links + "third.mp3", "New"));
    EXPECT_EQ(bytesOf(first), before);

    const QString dangling = links + "gone.mp3";
    ASSERT_TRUE(QFile::link(real + "never-made.mp3", dangling));
    EXPECT_FALSE(retitle(dangling, "New"));
    EXPECT_FALSE(AtomicFileEdit::replaceWhole(native(dangling), "whole"));
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(real + "never-made.mp3"));
    // A link round in a loop is refused the same way.
    ASSERT_TRUE(QFile::link(links + "loop-b", links + "loop-a"));
    ASSERT_TRUE(QFile::link(links + "loop-a", links + "loop-b"));
    EXPECT_FALSE(AtomicFileEdit::replaceWhole(native(links + "loop-a"), "whole"));
    EXPECT_TRUE(QFileInfo(links + "loop-a").isSymLink());
    // A file of ours (a record) is written under its own name: a link planted there is replaced,
    // the file it names untouched.
    const QString planted = links + ".record";
    ASSERT_TRUE(QFile::link(first, planted));
    ASSERT_TRUE(AtomicFileEdit::replaceOwn(native(planted), "record", 0600));
    EXPECT_FALSE(QFileInfo(planted).isSymLink());
    EXPECT_EQ(bytesOf(planted), QByteArray("record"));
    EXPECT_EQ(bytesOf(first), before);
    EXPECT_TRUE(ourTemporaries(real).isEmpty());
    EXPECT_TRUE(ourTemporaries(links).isEmpty());
}
