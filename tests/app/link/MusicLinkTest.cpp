// Whole roads through the link over a real manager, real files and a real database: load a
// folder, analyse, edit, apply; the signals reach the GUI thread and the load ends once.

#include "LinkFixture.h"

#include "AppSettings.h"
#include "AudioFixture.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "MusicTag.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QRegularExpression>
#include <QTest>

#include <chrono>
#include <cstring>
#include <thread>

using namespace link_test;

namespace
{

// Counts emissions of the link's signals that did not run on the GUI thread.
struct ThreadWatch
{
    std::atomic<int> offThread{0};
    void Watch(CMusicLink& link)
    {
        QThread* gui = QCoreApplication::instance()->thread();
        auto check = [this, gui]
        {
            if (QThread::currentThread() != gui)
                ++offThread;
        };
        QObject::connect(&link, &CMusicLink::SendLoadMusic, &link, check, Qt::DirectConnection);
        QObject::connect(&link, &CMusicLink::SendLoadOK, &link, check, Qt::DirectConnection);
        QObject::connect(&link, &CMusicLink::UpdateProcess, &link, check, Qt::DirectConnection);
        QObject::connect(&link, &CMusicLink::SendPlayOver, &link, check, Qt::DirectConnection);
    }
};

// Loads the files in run mode 2 through the link and waits for its end.
void LoadFiles(CMusicLink& link, const QStringList& files, QSignalSpy& loadOk)
{
    ASSERT_EQ(link.LoadMusicLibrary(RunModeFiles), 0);
    if (!files.isEmpty())
    {
        ASSERT_EQ(link.AddMusicFiles(files), 0);
    }
    ASSERT_EQ(link.StartLoadMusic(), 0);
    ASSERT_TRUE(WaitForCount(loadOk, 1));
}

// The track of the manager's main list whose file is path, or null.
CMusicObj* FindTrack(CMusicLink& link, const QString& path)
{
    const int count = link.GetMusicCount();
    for (int i = 0; i < count; ++i)
    {
        CMusicObj* track = nullptr;
        if (link.GetMusicObj(i, &track) != 0 || !track)
            continue;
        MusicInfo* info = nullptr;
        if (link.GetMusicRecord(track, &info, 1) == 0 && info && info->Location == path)
            return track;
    }
    return nullptr;
}

} // namespace

TEST_F(MusicLinkTest, LoadAnalyseEditAndApplyAFolder)
{
    const QStringList files = MakeSongs(home.path() + "/music", 3);
    ASSERT_EQ(files.size(), 3);
    // A song without an artist: the one problem the analysis finds and the edit repairs.
    tidewell::test::AudioSpec bare;
    bare.seconds = 1.0;
    bare.toneHz = 880.0;
    bare.tags.title = QStringLiteral("No Artist");
    bare.tags.album = QStringLiteral("Album");
    QFile::remove(files[1]);
    ASSERT_TRUE(tidewell::test::makeAudioFile(files[1], bare));
    settings->SetReplace(MF_ReplaceSwitch | MF_Name | MF_Artist | MF_Album);

    ThreadWatch watch;
    watch.Watch(*link);
    QSignalSpy loadMusic(link.get(), &CMusicLink::SendLoadMusic);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    QSignalSpy process(link.get(), &CMusicLink::UpdateProcess);

    LoadFiles(*link, files, loadOk);
    EXPECT_EQ(loadOk.count(), 1);
    // One report per track in file order, then the final one with 10000 and no track.
    ASSERT_EQ(loadMusic.count(), 4);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_NE(loadMusic.at(i).at(0).value<void*>(), nullptr);
        EXPECT_LT(loadMusic.at(i).at(1).toInt(), 10000);
        EXPECT_EQ(loadMusic.at(i).at(2).toString(), files[i]);
    }
    EXPECT_EQ(loadMusic.at(3).at(0).value<void*>(), nullptr);
    EXPECT_EQ(loadMusic.at(3).at(1).toInt(), 10000);

    int largest = 0;
    int type = 0;
    EXPECT_EQ(link->GetMusicCount(&largest, &type), 3);
    EXPECT_EQ(largest, 3);
    EXPECT_EQ(type, RunModeFiles);

    // Analysis: progress ends at 10000 and the window's scoring starts on the analysis thread.
    ASSERT_EQ(link->StartAnalyzeMusic(static_cast<int>(kDefaultGeneralMask)), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.restarts.load() == 1; }, 60000));
    Drain();
    EXPECT_NE(host.restartThread.load(), QCoreApplication::instance()->thread());
    ASSERT_GE(process.count(), 1);
    EXPECT_EQ(process.last().at(0).toInt(), 10000);
    EXPECT_EQ(host.restarts.load(), 1);
    EXPECT_EQ(loadOk.count(), 1) << "the analysis never ends a load";

    // Beginning a transaction waits for the save pass, which may have taken clean songs out.
    ASSERT_EQ(link->SetTransaction(false), 0);
    const int count = link->GetMusicCount(&largest);
    EXPECT_GE(count, 1);
    EXPECT_EQ(largest, 3);
    // Neither the largest count nor anything past the list can be indexed.
    EXPECT_EQ(link->ApplyMusicFixes(count, 0), -1);
    EXPECT_EQ(link->ApplyMusicFixes(largest, 0), -1);
    EXPECT_EQ(link->ApplyMusicFixes(-1, 0), -1);
    CMusicObj* none = nullptr;
    EXPECT_EQ(link->GetMusicObj(count, &none), -1);
    EXPECT_EQ(none, nullptr);

    // Edit the artist of the song without one; the result comes back from the manager.
    CMusicObj* track = FindTrack(*link, files[1]);
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(link->ModifyMusicInfo(track, 0, QStringList{}), -1);
    EXPECT_EQ(link->ModifyMusicInfo(track, MF_Artist, QStringList{}), -1) << "a text for every bit";
    EXPECT_EQ(link->ModifyMusicInfo(track, MF_Artist, QStringList{QStringLiteral("Edited Artist")}), 0);
    MusicInfo* current = nullptr;
    MusicInfo* old = nullptr;
    ASSERT_EQ(link->GetMusicRecord(track, &current, 1), 0);
    ASSERT_EQ(link->GetMusicRecord(track, &old, 2), 0);
    EXPECT_EQ(current->Artist, QStringLiteral("Edited Artist"));
    EXPECT_TRUE(old->Artist.isEmpty());

    // Apply: the edit goes into the file.
    EXPECT_EQ(link->ApplyiTunesMusicInfo(track, MF_Artist), 0);
    EXPECT_EQ(link->SetTransaction(true), 0);
    MusicInfo written;
    ASSERT_EQ(GetMusicInfo(files[1].toUtf8().constData(), &written), 0);
    EXPECT_EQ(written.Artist, QStringLiteral("Edited Artist"));

    EXPECT_EQ(watch.offThread.load(), 0);
}

TEST_F(MusicLinkTest, LoadOfNoFilesStillEndsOnce)
{
    QSignalSpy loadMusic(link.get(), &CMusicLink::SendLoadMusic);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    EXPECT_EQ(link->AddMusicFiles({}), -1) << "the manager refuses an empty list";
    LoadFiles(*link, {}, loadOk);
    EXPECT_EQ(loadOk.count(), 1);
    ASSERT_EQ(loadMusic.count(), 1);
    EXPECT_EQ(loadMusic.at(0).at(1).toInt(), 10000);
    EXPECT_EQ(link->GetMusicCount(), 0);
}

// The report page counts pictures through HasArtwork: it answers as GetArtworkPath does, before
// and after the picture file was made, and after the file went; for every format the import reads,
// with and without a picture, also for songs reached through a linked folder.
TEST_F(MusicLinkTest, HasArtworkAnswersAsTheArtworkPath)
{
    using tidewell::test::AudioFormat;
    const QString real = home.path() + "/real";
    ASSERT_TRUE(QDir().mkpath(real));
    ASSERT_TRUE(QFile::link(real, home.path() + "/linked"));
    QStringList files;
    int n = 0;
    // The import reads no Ogg files.
    for (const AudioFormat format : {AudioFormat::Mp3, AudioFormat::M4a, AudioFormat::Flac, AudioFormat::Wma,
                                     AudioFormat::Aiff, AudioFormat::Wav, AudioFormat::Tta})
        for (const bool picture : {true, false})
        {
            tidewell::test::AudioSpec song;
            song.format = format;
            song.seconds = 1.0;
            song.tags.title = QStringLiteral("Song %1").arg(n);
            if (picture)
                song.artwork = tidewell::test::makePicture(300, 300, 0x3366cc);
            const QString name = QStringLiteral("/s%1%2.%3")
                                     .arg(n++)
                                     .arg(picture ? "p" : "")
                                     .arg(tidewell::test::extensionOf(format));
            // A format the fixture cannot embed a picture in is made without one only.
            if (!tidewell::test::makeAudioFile(real + name, song))
            {
                ASSERT_TRUE(picture) << name.toStdString();
                continue;
            }
            files << home.path() + (n % 3 == 0 ? "/linked" : "/real") + name;
        }
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    LoadFiles(*link, files, loadOk);
    int withPicture = 0;
    for (const QString& file : files)
    {
        CMusicObj* track = FindTrack(*link, file);
        ASSERT_NE(track, nullptr) << file.toStdString();
        const bool has = link->HasArtwork(track);
        const QString path = link->GetArtworkPath(track);
        EXPECT_EQ(has, !path.isEmpty()) << file.toStdString();
        EXPECT_EQ(link->HasArtwork(track), !path.isEmpty());
        if (!QFileInfo(file).completeBaseName().endsWith(u'p'))
        {
            EXPECT_FALSE(has) << file.toStdString();
        }
        if (!path.isEmpty())
        {
            ++withPicture;
            ASSERT_TRUE(QFile::remove(path));
            EXPECT_TRUE(link->HasArtwork(track));
            EXPECT_FALSE(link->GetArtworkPath(track).isEmpty());
        }
    }
    EXPECT_GE(withPicture, 4); // the formats whose pictures are read
    EXPECT_FALSE(link->HasArtwork(nullptr));
}

TEST_F(MusicLinkTest, ArtworkPathsAndDataPassThroughWithinBounds)
{
    const QStringList files = MakeSongs(home.path() + "/art", 1, QStringLiteral("pic"), /*withArtwork=*/true);
    ASSERT_EQ(files.size(), 1);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    LoadFiles(*link, files, loadOk);
    CMusicObj* track = FindTrack(*link, files[0]);
    ASSERT_NE(track, nullptr);

    // The manager takes the picture out of the file into its picture folder.
    const QString path = link->GetArtworkPath(track);
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(path));
    const QByteArray utf8 = path.toUtf8();

    // A buffer one byte short (no room for the terminator) is refused and left alone.
    std::vector<char> small(static_cast<size_t>(utf8.size()) + 8, 'x');
    EXPECT_EQ(link->GetArtworkPath(track, small.data(), static_cast<int>(utf8.size())), -2);
    EXPECT_TRUE(std::all_of(small.begin(), small.end(), [](char c) { return c == 'x'; }));
    EXPECT_EQ(link->GetArtworkPath(track, small.data(), 0), -1);
    // An exact fit is copied with its terminator and nothing past it.
    EXPECT_EQ(link->GetArtworkPath(track, small.data(), static_cast<int>(utf8.size()) + 1), 0);
    EXPECT_STREQ(small.data(), utf8.constData());
    EXPECT_EQ(small[static_cast<size_t>(utf8.size()) + 1], 'x');

    // The chosen picture is the first candidate; candidates copy the same way.
    ASSERT_GE(link->GetArtworkCount(track), 1);
    EXPECT_EQ(link->GetArtworkCandidate(track, 0), path);
    char tiny[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(link->GetArtworkCandidate(track, 0, tiny, sizeof tiny), -2);
    EXPECT_EQ(tiny[0], 'x');
    EXPECT_EQ(link->GetArtworkCandidate(track, 7, tiny, sizeof tiny), -1);
    EXPECT_TRUE(link->GetArtworkCandidate(track, 7).isEmpty());

    // Results the views act on are passed through, not dropped.
    EXPECT_EQ(link->SelectArtwork(track, 7), -1);
    EXPECT_EQ(link->SelectArtwork(track, 0), 0);
    unsigned char* data = nullptr;
    int size = 0;
    EXPECT_EQ(link->GetArtworkData(track, &data, &size), 0);
    ASSERT_NE(data, nullptr);
    EXPECT_GT(size, 0);
    EXPECT_EQ(link->FreeArtworkData(&data), 0);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(link->GetArtworkData(nullptr, &data, &size), -1);
}

TEST_F(MusicLinkTest, TransactionResultsAndStatesPassThrough)
{
    // No library loaded: the manager's refusal reaches the caller.
    EXPECT_EQ(link->SetTransaction(false), -1);
    EXPECT_EQ(link->ChangeAllMusicState(MF_Duplicate, 1), -1);
    EXPECT_EQ(link->GetMusicCount(), 0);

    const QStringList files = MakeSongs(home.path() + "/state", 2);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    LoadFiles(*link, files, loadOk);
    CMusicObj* track = FindTrack(*link, files[0]);
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(link->SetMusicState(track, MF_Artist), 0);
    EXPECT_EQ(link->GetMusicState(track), MF_Artist);
    EXPECT_EQ(link->ChangeAllMusicState(MF_Artist, 0), 0);
    EXPECT_EQ(link->GetMusicState(track), 0);
    EXPECT_EQ(link->SetMusicState(nullptr, 1), -1);
    EXPECT_EQ(link->GetRepeatID(nullptr), -1);
    EXPECT_EQ(link->SetTransaction(false), 0);
    EXPECT_EQ(link->SetTransaction(true), 0);
    EXPECT_EQ(link->CloseMusicLibrary(), 0);
    EXPECT_EQ(link->GetMusicCount(), 0);
}

TEST_F(MusicLinkTest, PlayStateFromAPlayerThreadArrivesOnTheGuiThread)
{
    ThreadWatch watch;
    watch.Watch(*link);
    QSignalSpy over(link.get(), &CMusicLink::SendPlayOver);
    QSignalSpy modify(link.get(), &CMusicLink::SendPlayModify);
    std::thread player(
        [this]
        {
            link->EmitPlayState(7, 3, 1);
            link->EmitPlayState(0, 0, 0);
        });
    player.join();
    ASSERT_TRUE(QTest::qWaitFor([&] { return over.count() == 1; }, 60000));
    ASSERT_EQ(modify.count(), 1);
    EXPECT_EQ(modify.at(0).at(0).toUInt(), 7u);
    EXPECT_EQ(modify.at(0).at(1).toInt(), 3);
    EXPECT_EQ(watch.offThread.load(), 0);
}

// A burst of thousands of reports from a reporting thread, sent while a delivery has just been
// made (so the rest waits for the end of the frame): the receivers see every track once, in
// order, in far fewer deliveries, and all of them ahead of SendLoadOK and of the window's
// analysis hand-over, which the host posts on its own.
TEST_F(MusicLinkTest, ABurstOfReportsArrivesInOrderAheadOfTheEndAndTheHandOver)
{
    constexpr int kReports = 3000;
    QStringList paths;
    for (int i = 0; i < kReports; ++i)
        paths << QStringLiteral("/music/song %1.mp3").arg(i);
    QStringList log; // what the receivers see: T<path>, P<progress>, the end and the hand-over
    std::atomic<int> deliveries{0};
    QObject::connect(link.get(), &CMusicLink::SendLoadTracks, [&] { ++deliveries; });
    QObject::connect(link.get(), &CMusicLink::SendLoadMusic,
                     [&](void*, int, const QString& p) { log << "T" + p; });
    QObject::connect(link.get(), &CMusicLink::UpdateProcess,
                     [&](int p) { log << QStringLiteral("P%1").arg(p); });
    QObject::connect(link.get(), &CMusicLink::SendLoadOK, [&] { log << QStringLiteral("END"); });
    host.onRestart = [&]
    {
        QMetaObject::invokeMethod(
            link.get(), [&] { log << QStringLiteral("END"); }, Qt::QueuedConnection);
    };

    // The reports name a track the link reads the path of, as the manager's do.
    CMusicObj track{MusicInfo{}, MusicInfo{}};
    auto burst = [&](bool analysis)
    {
        std::vector<QByteArray> utf8;
        for (int i = 0; i <= kReports; ++i)
        {
            utf8.push_back(i < kReports ? paths[i].toUtf8() : QByteArray());
            for (int wait = 0; i == 1 && wait < 5000 && deliveries.load() == 0; ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            MusicProgressInfo info;
            info.MusicObj = i < kReports ? &track : nullptr;
            info.Progress = i * 10000 / kReports;
            info.Location = i < kReports ? utf8.back().constData() : nullptr;
            analysis ? link->AnalyzeMusicProgress(info) : link->LoadMusicProgress(info);
        }
    };
    for (const bool analysis : {false, true})
    {
        log.clear();
        deliveries = 0;
        std::thread reporter(burst, analysis);
        ASSERT_TRUE(QTest::qWaitFor([&] { return log.contains(QStringLiteral("END")); }, 60000));
        reporter.join();
        Drain();
        // The load lists its final record (no path); the analysis ends with its full progress.
        ASSERT_EQ(log.last(), QStringLiteral("END"));
        EXPECT_EQ(log[log.size() - 2], analysis ? QStringLiteral("P10000") : QStringLiteral("T"));
        const QStringList tracks = log.filter(QRegularExpression(QStringLiteral("^T.")));
        EXPECT_EQ(tracks, QStringList(paths).replaceInStrings(QRegularExpression(QStringLiteral("^")), "T"));
        EXPECT_LT(deliveries.load(), kReports / 10);
    }
}
