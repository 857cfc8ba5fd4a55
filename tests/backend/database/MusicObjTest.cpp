#include "MusicObj.h"
#include "AudioFixture.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QFile>

#include <memory>
#include <thread>

using tidewell::test::TempHome;

namespace
{

QString writeFile(const TempHome& home, const QString& name, const QByteArray& bytes)
{
    const QString path = home.file(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

// A PNG padded with trailing bytes (ignored by decoders) to exactly the given size.
QByteArray pngOfSize(int size)
{
    QByteArray png = tidewell::test::makePicture(8, 8, 0x336699, "PNG");
    if (png.size() < size)
        png.append(QByteArray(size - png.size(), '\0'));
    return png;
}

MusicInfo record(const QString& name)
{
    MusicInfo info;
    info.PersistentID = "00000000000000AB";
    info.TrackID = "12";
    info.Name = name;
    info.Artist = "Artist";
    info.Album = "Album";
    info.Year = "1999";
    info.Genre = "Jazz";
    info.TrashPath = "/trash/x.mp3";
    info.Location = "/music/x.mp3";
    return info;
}

TEST(MusicObj, ConstructionCopiesOldWholeAndCurrentWithoutIdTextOrTrashPath)
{
    std::unique_ptr<CMusicObj> obj(NewMusicObj(record("Current"), record("Old")));
    ASSERT_TRUE(obj);
    MusicInfo* current = nullptr;
    MusicInfo* old = nullptr;
    EXPECT_EQ(obj->GetCurrentInfo(&current), 0);
    EXPECT_EQ(obj->GetOldInfo(&old), 0);
    EXPECT_EQ(current->Name, "Current");
    EXPECT_TRUE(current->TrackID.isEmpty());
    EXPECT_TRUE(current->TrashPath.isEmpty());
    EXPECT_EQ(current->Location, "/music/x.mp3");
    EXPECT_EQ(old->Name, "Old");
    EXPECT_EQ(old->TrashPath, "/trash/x.mp3");
    EXPECT_EQ(obj->GetAbsence() | obj->GetState() | obj->GetType(), 0);
    EXPECT_EQ(obj->GetRepeatID(), 0);
    EXPECT_FALSE(obj->GetHasArtwork());
    obj->SetHasArtwork(7);
    EXPECT_TRUE(obj->GetHasArtwork());
    obj->SetRepeatID(-0x7000000000000001LL);
    EXPECT_EQ(obj->GetRepeatID(), -0x7000000000000001LL);
}

TEST(MusicObj, ApplyEditTakesOnlyNonEmptyFields)
{
    CMusicObj obj(record("Before"), record("Before"));
    MusicInfo edit;
    edit.Artist = "New Artist";
    edit.Genre = "Pop";
    edit.Location = "/elsewhere.mp3"; // never taken from an edit
    obj.ApplyEdit(edit);
    EXPECT_EQ(obj.CurrentInfo().Name, "Before");
    EXPECT_EQ(obj.CurrentInfo().Artist, "New Artist");
    EXPECT_EQ(obj.CurrentInfo().Genre, "Pop");
    EXPECT_EQ(obj.CurrentInfo().Year, "1999");
    EXPECT_EQ(obj.CurrentInfo().Location, "/music/x.mp3");
    EXPECT_EQ(obj.OldInfo().Artist, "Artist");
}

TEST(MusicObj, ArtworkCandidatesNeedARealPictureAboveThousandBytesAndAtMostTen)
{
    TempHome home;
    CMusicObj obj({}, {});
    obj.AddArtworkCandidate(writeFile(home, "exact.png", pngOfSize(1000)));
    EXPECT_EQ(obj.GetArtworkCount(), 0);
    obj.AddArtworkCandidate(writeFile(home, "text.png", QByteArray(5000, 'a')));
    EXPECT_EQ(obj.GetArtworkCount(), 0);
    obj.AddArtworkCandidate(home.file("missing.png"));
    EXPECT_EQ(obj.GetArtworkCount(), 0);

    const QString good = writeFile(home, "good.png", pngOfSize(1001));
    for (int i = 0; i < 11; ++i)
        obj.AddArtworkCandidate(good);
    EXPECT_EQ(obj.GetArtworkCount(), 10);
    EXPECT_EQ(obj.GetArtworkCandidate(-1), "");
    EXPECT_EQ(obj.GetArtworkCandidate(10), "");

    // A chosen path goes in even past the limit and without the checks.
    obj.SetArtworkPath("/chosen/by/user.jpg");
    EXPECT_EQ(obj.GetArtworkCount(), 11);
    EXPECT_EQ(obj.GetArtworkPath(), "/chosen/by/user.jpg");
    obj.SetArtworkPath("/chosen/by/user.jpg");
    EXPECT_EQ(obj.GetArtworkCount(), 11);
}

TEST(MusicObj, FirstCandidateBecomesTheChoice)
{
    TempHome home;
    CMusicObj obj({}, {});
    EXPECT_EQ(obj.GetArtworkPath(), "");
    const QString a = writeFile(home, "a.png", pngOfSize(2000));
    const QString b = writeFile(home, "b.png", pngOfSize(3000));
    obj.AddArtworkCandidate(a);
    obj.AddArtworkCandidate(b);
    EXPECT_EQ(obj.GetArtworkPath(), a);
    EXPECT_EQ(obj.GetArtworkCount(), 2);
}

// The report page's thumbnail workers fill in a track's picture while the GUI thread reads and
// chooses it (the thread sanitizer's run is where a missing lock shows).
TEST(MusicObj, ArtworkIsFilledAndChosenFromSeveralThreads)
{
    TempHome home;
    CMusicObj obj({}, {});
    QStringList pictures;
    for (int i = 0; i < 12; ++i)
        pictures << writeFile(home, QString("p%1.png").arg(i), pngOfSize(2000 + i));
    std::thread filler(
        [&]
        {
            for (const QString& picture : std::as_const(pictures))
                obj.AddArtworkCandidate(picture);
        });
    std::thread reader(
        [&]
        {
            for (int i = 0; i < 200; ++i)
            {
                const QString path = obj.GetArtworkPath();
                EXPECT_TRUE(path.isEmpty() || path == "/chosen.jpg" || pictures.contains(path))
                    << path.toStdString();
            }
        });
    for (int i = 0; i < 50; ++i)
        obj.SetArtworkPath("/chosen.jpg");
    filler.join();
    reader.join();
    EXPECT_EQ(obj.GetArtworkPath(), "/chosen.jpg");
    EXPECT_LE(obj.GetArtworkCount(), CMusicObj::kMaxArtworkCandidates + 1);
    EXPECT_EQ(obj.GetArtworkCandidate(obj.GetArtworkCount()), "");
}

} // namespace
