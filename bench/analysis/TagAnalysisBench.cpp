// Tags-only analysis of a 20 000-track library, in tracks per second:
//  - a normal run (problem bits; every third track complete, so it leaves the list);
//  - a quick duplicate run on the default tag criteria, through the tag-key index, and the same
//    library through the full scan of every earlier track, whose answers must be the same.
// Usage: bench_analysis_tags [tracks=20000]
#include "AnalysisBenchSupport.h"
#include "MusicFlags.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

using namespace analysis_bench;

namespace
{

void fill(CMusicManage& manager, int count, int type, const QStringList& files)
{
    std::mt19937 rng(42);
    for (int i = 0; i < count; ++i)
    {
        MusicInfo info;
        info.PersistentID = QStringLiteral("%1").arg(0x100000 + i, 16, 16, QChar('0')).toUpper();
        // About one track in five shares its tags with an earlier one.
        const int song = rng() % 5 == 0 ? static_cast<int>(rng() % static_cast<unsigned>(i + 1)) : i;
        info.Name = QStringLiteral("Song %1").arg(song);
        info.Artist = QStringLiteral("Artist %1").arg(song % 997);
        info.Album = i % 3 == 1 ? QString() : QStringLiteral("Album %1").arg(song % 1999);
        info.Size = QString::number(3000000 + song);
        info.TotalTime = QString::number(180000 + song % 1000);
        info.Bitrate = QString::number(i % 2 ? 128 : 256);
        info.Year = i % 3 == 2 ? QString() : QStringLiteral("1999");
        info.Genre = QStringLiteral("Pop");
        info.Location = files[i];
        auto obj = std::make_unique<CMusicObj>(info, info);
        obj->SetType(type);
        obj->SetHasArtwork(i % 3 != 2);
        manager.AppendMusicObj(std::move(obj));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
    QTemporaryDir dir;
    QStringList files;
    // Every track its own (empty) file, as in a real library.
    for (int i = 0; i < count; ++i)
    {
        files << QStringLiteral("%1/song%2.mp3").arg(dir.path()).arg(i);
        QFile f(files.back());
        f.open(QIODevice::WriteOnly);
        f.write("x");
    }

    {
        auto manager = MakeManager(dir.path() + "/normal");
        fill(*manager, count, RunModeFiles, files);
        const double s = RunAnalysis(*manager, kDefaultGeneralMask);
        std::printf("normal run, problem bits:     %6d tracks %8.3f s %10.0f tracks/s (%d with problems)\n",
                    count, s, count / s, manager->MainListSize());
    }

    const int options = static_cast<int>(kDefaultDuplicateMask & ~MF_DeepScan);
    auto indexed = MakeManager(dir.path() + "/indexed");
    fill(*indexed, count, RunModeDuplicateITunes, files);
    const double si = RunAnalysis(*indexed, options);
    std::printf("duplicate run, tag index:     %6d tracks %8.3f s %10.0f tracks/s\n", count, si, count / si);

    auto literal = MakeManager(dir.path() + "/literal");
    fill(*literal, count, RunModeDuplicateITunes, files);
    const double sl = RunLiteralDuplicatePass(*literal, options);
    std::printf("duplicate run, full scan:     %6d tracks %8.3f s %10.0f tracks/s\n", count, sl, count / sl);
    const bool same = Outcome(*indexed) == Outcome(*literal);
    std::printf("same answers: %s, speed-up %.1fx\n", same ? "yes" : "NO", sl / si);
    return same ? 0 : 1;
}
