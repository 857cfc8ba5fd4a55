#include "AppSettings.h"
#include "Fingerprint.h"
#include "ManagerFixture.h"
#include "MusicAnalysis.h"
#include "MusicFlags.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <fstream>
#include <random>

using namespace manager_test;

namespace
{

struct Fields
{
    int absence = 0;
    int state = 0;
    int64_t repeat = 0;
    bool operator==(const Fields&) const = default;
};

// A duplicate run's manager whose main list is filled directly with made-up tracks, so the test
// controls every text the duplicate test reads.
class SyntheticRun
{
public:
    explicit SyntheticRun(const ManagerHome& h) : manager(h.MakeManager())
    {
        EXPECT_EQ(manager->LoadMusicLibrary("", h.dbPath.toUtf8().constData(), RunModeFiles), 0);
    }

    CMusicObj* Add(const MusicInfo& info, int type, int absence = 0, int state = 0)
    {
        auto obj = std::make_unique<CMusicObj>(info, info);
        obj->SetType(type);
        obj->SetAbsence(absence);
        obj->SetState(state);
        CMusicObj* raw = obj.get();
        manager->AppendMusicObj(std::move(obj));
        return raw;
    }

    // The analysis as the manager runs it.
    void Analyse(int options)
    {
        Recorder analysis;
        const MusicCallback cb = analysis.Make(RunStateAnalysis);
        ASSERT_EQ(manager->AnalyzeMusicList(&cb, options), 0);
        ASSERT_TRUE(analysis.WaitForFinal(std::chrono::seconds(240)));
        manager->WaitForSavePass();
    }

    // The duplicate step through the full scan of every earlier track.
    void AnalyseLiterally(int options) { RunFullScanDuplicatePass(*manager, options); }

    std::vector<Fields> Result() const
    {
        std::vector<Fields> out;
        for (int i = 0; i < manager->MainListSize(); ++i)
        {
            const CMusicObj* obj = manager->MusicAt(i);
            out.push_back({obj->GetAbsence(), obj->GetState(), obj->GetRepeatID()});
        }
        return out;
    }

    std::unique_ptr<CMusicManage> manager;
};

MusicInfo makeInfo(const QString& id, const QString& name, const QString& location, int timeMs, int bitrate)
{
    MusicInfo info;
    info.PersistentID = id;
    info.Name = name;
    info.Location = location;
    info.TotalTime = QString::number(timeMs);
    info.Bitrate = QString::number(bitrate);
    return info;
}

} // namespace

TEST(DuplicateTagTest, IndexedAnalysisEqualsTheFullScan)
{
    ManagerHome h;
    // A few real files: the test needs the new track's file, and shared locations match too.
    QStringList paths;
    for (int i = 0; i < 6; ++i)
    {
        paths << QStringLiteral("%1/f%2.mp3").arg(h.home.path()).arg(i);
        QFile f(paths.back());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    const QStringList names = {"One", "Two", "Three", ""};
    const QStringList artists = {"A", "B", ""};
    const QStringList sizes = {"100", "200"};
    const int optionSets[] = {int(kDefaultDuplicateMask & ~MF_DeepScan),
                              MF_Name,
                              MF_Name | MF_Artist,
                              0,
                              MF_MatchMedium,
                              MF_Size | MF_TotalTime};
    for (int options : optionSets)
    {
        SCOPED_TRACE(options);
        ManagerHome ha, hb;
        SyntheticRun indexed(ha), literal(hb);
        std::mt19937 rng(static_cast<unsigned>(options) + 7);
        auto pick = [&](const QStringList& list) { return list[static_cast<int>(rng() % list.size())]; };
        for (int i = 0; i < 400; ++i)
        {
            MusicInfo info =
                makeInfo(QStringLiteral("%1").arg(0x1000 + i, 16, 16, QChar('0')).toUpper(), pick(names),
                         rng() % 5 ? pick(paths) : h.home.path() + "/missing.mp3",
                         static_cast<int>(100000 + (rng() % 3) * 90000), static_cast<int>(rng() % 3) * 64);
            info.Artist = pick(artists);
            info.Album = "Album";
            info.Size = pick(sizes);
            const int type = rng() % 2 ? RunModeDuplicateFiles : RunModeDuplicateITunes;
            // Some tracks were handled by an earlier analysis or failed before.
            const int absence =
                rng() % 10 == 0 ? int(MF_Analysed) : (rng() % 15 == 0 ? int(MF_DuplicateFailed) : 0);
            indexed.Add(info, type, absence);
            literal.Add(info, type, absence);
        }
        indexed.Analyse(options);
        literal.AnalyseLiterally(options);
        const std::vector<Fields> a = indexed.Result(), b = literal.Result();
        ASSERT_EQ(a.size(), b.size());
        int groups = 0;
        for (size_t i = 0; i < a.size(); ++i)
        {
            EXPECT_EQ(a[i], b[i]) << "track " << i;
            groups += a[i].repeat != 0;
        }
        EXPECT_GT(groups, 0);
    }
}

TEST(DuplicateTagTest, OtherNamesOfOneFileMatchAsItsOwnName)
{
    namespace fs = std::filesystem;
    ManagerHome h;
    const QString home = h.home.path();
    const std::string at = home.toStdString();
    std::ofstream(at + "/f.mp3") << "x";
    std::ofstream(at + "/g.mp3") << "x";
    fs::create_directory_symlink(at, at + "/shelf");
    fs::create_symlink(at + "/f.mp3", at + "/f-link.mp3");
    fs::create_hard_link(at + "/f.mp3", at + "/f-hard.mp3");
    const QStringList names = {"/f.mp3",      "//f.mp3",     "/./f.mp3", "/shelf/f.mp3",
                               "/f-link.mp3", "/f-hard.mp3", "/g.mp3"};
    // The tags never match, so the file alone decides. The first track was analysed before: the
    // file index starts from a track that was only added.
    for (int options : {0, int(MF_Name)})
    {
        ManagerHome ha, hb;
        SyntheticRun indexed(ha), literal(hb);
        for (int i = 0; i < names.size(); ++i)
            for (SyntheticRun* run : {&indexed, &literal})
                run->Add(makeInfo(QString::number(0xB0 + i, 16), QString::number(i), home + names[i], 1, 1),
                         RunModeDuplicateITunes, i == 0 ? int(MF_Analysed) : 0);
        indexed.Analyse(options);
        literal.AnalyseLiterally(options);
        const std::vector<Fields> result = indexed.Result();
        EXPECT_EQ(result, literal.Result()) << options;
        for (int i = 0; i < names.size(); ++i)
            EXPECT_EQ(result[i].repeat, i < 6 ? 0xB0 : 0) << options << names[i].toStdString();
    }
}

TEST(DuplicateTagTest, KeeperFollowsLengthThenBitRate)
{
    ManagerHome h;
    const QString file = h.home.path() + "/a.mp3";
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();

    SyntheticRun run(h);
    // The length differs by 150 s or more: the longer new copy stays, whatever the bit rates.
    CMusicObj* earlier =
        run.Add(makeInfo("00000000000000AB", "Song", file, 40000, 320), RunModeDuplicateITunes);
    int64_t g = 0;
    unsigned char removeNew = 9;
    const MusicInfo longer = makeInfo("00000000000000CD", "Song", file + "x", 200000, 128);
    EXPECT_EQ(run.manager->DuplicateCalculate(&longer, 0, MF_Name, &g, &removeNew), 1);
    EXPECT_EQ(removeNew, 0);
    EXPECT_EQ(g, 0xAB);
    EXPECT_EQ(earlier->GetRepeatID(), 0xAB);
    EXPECT_EQ(earlier->GetState(), MF_Duplicate);
    EXPECT_EQ(earlier->GetAbsence(), MF_Duplicate | MF_Analysed);

    // A full tie removes the new copy; a copy marked for removal is never compared again.
    SyntheticRun tie(h);
    tie.Add(makeInfo("00000000000000EF", "Song", file, 180000, 256), RunModeDuplicateITunes);
    const MusicInfo same = makeInfo("0000000000000100", "Other", file, 180000, 256);
    EXPECT_EQ(tie.manager->DuplicateCalculate(&same, 0, MF_Name, &g, &removeNew), 1); // same location
    EXPECT_EQ(removeNew, 1);
    EXPECT_EQ(tie.manager->MusicAt(0)->GetState(), 0);

    // Options 0: only the location decides; out-of-range indexes compare nothing.
    const MusicInfo elsewhere = makeInfo("0000000000000101", "Song", file + "y", 180000, 256);
    EXPECT_EQ(tie.manager->DuplicateCalculate(&elsewhere, 0, 0, &g, &removeNew), 0);
    EXPECT_EQ(tie.manager->DuplicateCalculate(&same, 1, MF_Name, &g, &removeNew), 0);
    EXPECT_EQ(tie.manager->DuplicateCalculate(&same, -1, MF_Name, &g, &removeNew), 0);

    // Ids that do not read as hex: the group is still formed, with id 0.
    SyntheticRun bad(h);
    bad.Add(makeInfo("zz", "Song", file, 1000, 1), RunModeDuplicateITunes);
    const MusicInfo badNew = makeInfo("yy", "Song", file, 1000, 1);
    g = 5;
    EXPECT_EQ(bad.manager->DuplicateCalculate(&badNew, 0, MF_Name, &g, &removeNew), 1);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(bad.manager->MusicAt(0)->GetAbsence(), MF_Duplicate | MF_Analysed);
}

// Real songs: copies and re-encodings of one piece of music against other music, compared by
// fingerprint at the user's match degree.
class DeepScanTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        using namespace tidewell::test;
        music = h.home.path() + "/music";
        QDir().mkpath(music);
        auto make = [&](const QString& name, AudioFormat format, int seed)
        {
            AudioSpec audioSpec;
            audioSpec.format = format;
            audioSpec.seconds = 22.0;
            audioSpec.toneHz = 0;
            audioSpec.noiseSeed = seed;
            audioSpec.tags.title = name;
            const QString path = music + "/" + name + "." + extensionOf(format);
            ASSERT_TRUE(makeAudioFile(path, audioSpec));
            files << path;
        };
        make("original", AudioFormat::Mp3, 1);
        make("other", AudioFormat::Mp3, 2);
        make("reencoded", AudioFormat::M4a, 1);
        files << music + "/copy.mp3";
        ASSERT_TRUE(QFile::copy(files[0], files.back()));
        make("third", AudioFormat::Flac, 3);
    }

    ManagerHome h;
    QString music;
    QStringList files;
};

TEST_F(DeepScanTest, CopiesAndReencodingsFormOneGroupWithTheBestCopyKept)
{
    auto manager = h.MakeManager();
    ASSERT_TRUE(ImportFiles(*manager, h.dbPath, files, RunModeDuplicateFiles));

    Recorder analysis;
    const MusicCallback acb = analysis.Make(RunStateAnalysis);
    ASSERT_EQ(manager->AnalyzeMusicList(&acb, kDefaultDuplicateMask), 0);
    ASSERT_TRUE(analysis.WaitForFinal(std::chrono::seconds(120)));
    manager->WaitForSavePass();

    ASSERT_EQ(manager->MainListSize(), 5);
    auto at = [&](int i) { return manager->MusicAt(i); };
    const int64_t group = at(0)->GetRepeatID();
    EXPECT_EQ(group, 0x65535); // the first matched track's id "65535" read as hex
    EXPECT_EQ(at(2)->GetRepeatID(), group);
    EXPECT_EQ(at(3)->GetRepeatID(), group);
    EXPECT_EQ(at(1)->GetRepeatID(), 0);
    EXPECT_EQ(at(4)->GetRepeatID(), 0);
    for (int i : {0, 2, 3})
        EXPECT_TRUE(at(i)->GetAbsence() & MF_Duplicate) << i;

    // Exactly one member stays: the best by bit rate, then length, the earliest on a tie.
    std::vector<int> kept;
    for (int i : {0, 2, 3})
    {
        if (!(at(i)->GetState() & MF_Duplicate))
            kept.push_back(i);
    }
    ASSERT_EQ(kept.size(), 1u);
    auto rank = [&](int i)
    {
        const MusicInfo& info = at(i)->CurrentInfo();
        return std::make_pair(info.Bitrate.toLongLong(), info.TotalTime.toLongLong());
    };
    int best = 0;
    for (int i : {2, 3})
    {
        if (rank(i) > rank(best))
            best = i;
    }
    EXPECT_EQ(kept[0], best);
    // Each file was fingerprinted once, into its cache file.
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(
            QFileInfo::exists(FingerprintCachePath(h.pictureFolder, at(i)->CurrentInfo().PersistentID)));
}

TEST_F(DeepScanTest, FingerprintsMadeAheadGiveTheFullScansAnswersAtEveryDegree)
{
    files << music + "/broken.mp3";
    {
        QFile f(files.back());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4000, 'z'));
    }
    ASSERT_TRUE(AllocDecodeBuffer());
    for (int degree : {MF_MatchHigh, MF_MatchMedium, MF_MatchLow})
    {
        SCOPED_TRACE(degree);
        const int options = MF_DeepScan | degree;
        ManagerHome ha, hb;
        SyntheticRun indexed(ha), literal(hb);
        for (int i = 0; i < files.size(); ++i)
        {
            // The broken file comes first: every later track meets it as an earlier track.
            const QString path = i == 0 ? files.back() : files[i - 1];
            const MusicInfo info = makeInfo(QStringLiteral("%1").arg(0xA0 + i, 16, 16, QChar('0')).toUpper(),
                                            "x", path, 22000, 128 + i);
            indexed.Add(info, RunModeDuplicateITunes);
            literal.Add(info, RunModeDuplicateITunes);
        }
        indexed.Analyse(options);
        literal.AnalyseLiterally(options);
        EXPECT_EQ(indexed.Result(), literal.Result());
        // The broken file could not be compared; the music still grouped.
        EXPECT_TRUE(indexed.Result()[0].absence & MF_DuplicateFailed);
        EXPECT_NE(indexed.Result()[1].repeat, 0);
    }
    FreeDecodeBuffer();
}

TEST(MatchDegreeTest, TheUsersDegreeInTheDuplicateMaskDecidesTheDeepScan)
{
    ManagerHome h;
    // Two songs whose fingerprints differ in 4 of every 32 bits (12.5 %): the same recording at
    // the medium and low degrees (16 % and 24 %), not at the high one (8 %).
    QStringList paths;
    std::vector<uint32_t> first, second;
    std::mt19937 rng(3);
    for (int k = 0; k < 150; ++k)
    {
        first.push_back(rng());
        second.push_back(first.back() ^ 0x11110000u);
    }
    for (int i = 0; i < 2; ++i)
    {
        paths << QStringLiteral("%1/song%2.mp3").arg(h.home.path()).arg(i);
        QFile f(paths.back());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("audio");
    }
    QDir().mkpath(h.pictureFolder);
    const char* ids[] = {"00000000000000A1", "00000000000000A2"};
    ASSERT_TRUE(WriteFingerprintCache(FingerprintCachePath(h.pictureFolder, ids[0]), paths[0], first));
    ASSERT_TRUE(WriteFingerprintCache(FingerprintCachePath(h.pictureFolder, ids[1]), paths[1], second));

    CAppSettings* settings = GetAppSettings();
    ASSERT_NE(settings, nullptr);
    for (int degree : {16, 32, 64})
    {
        SCOPED_TRACE(degree);
        settings->SetMatchDegree(degree);
        SyntheticRun run(h);
        for (int i = 0; i < 2; ++i)
            run.Add(makeInfo(ids[i], "x", paths[i], 1000, 128), RunModeDuplicateITunes);
        run.Analyse(settings->GetDuplicate());
        EXPECT_EQ(run.Result()[1].repeat != 0, degree != 16);
    }
    ReleaseAppSettings();
}
