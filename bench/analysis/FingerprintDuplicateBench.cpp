// The fingerprint duplicate test on 500 generated songs (400 melodies, each its own; 50 of them
// also as a byte copy and 50 as an AAC re-encoding), in seconds from cold caches:
//  - the analysis, which makes the fingerprints ahead on every core and compares in memory;
//  - the full scan of every earlier track through CompareFingerprintFiles, one decode at a time
//    and two cache files read per comparison. Both must give the same answers.
// Usage: bench_analysis_fingerprint [songs=500] [seconds=22]   (seconds: the length of each song)
#include "AnalysisBenchSupport.h"
#include "Fingerprint.h"
#include "MusicFlags.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <thread>

using namespace analysis_bench;
namespace
{

// A melody of its own for song k: a tone stepping through a few pitches at its own pace, encoded
// with the ffmpeg command as MP3, or as AAC for a re-encoding.
bool makeSong(const QString& path, int k, double seconds, bool aac)
{
    const int base = 110 + (k * 37) % 400;
    const int step = 20 + (k * 13) % 60;
    const double pace = 0.7 + (k % 17) * 0.15;
    const int pitches = 5 + k % 4;
    const QString expr = QStringLiteral("aevalsrc=0.5*sin(2*PI*t*(%1+%2*floor(mod(t*%3\\,%4)))):s=44100:d=%5")
                             .arg(base)
                             .arg(step)
                             .arg(pace)
                             .arg(pitches)
                             .arg(seconds);
    QStringList args = {"-v", "error", "-y", "-f", "lavfi", "-i", expr, "-ac", "2"};
    args << (aac ? QStringList{"-c:a", "aac", "-b:a", "160k"}
                 : QStringList{"-c:a", "libmp3lame", "-b:a", "128k"})
         << path;
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", args);
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0;
}

void fill(CMusicManage& manager, const QStringList& files)
{
    for (int i = 0; i < files.size(); ++i)
    {
        MusicInfo info;
        info.PersistentID = QStringLiteral("%1").arg(0x200000 + i, 16, 16, QChar('0')).toUpper();
        info.Name = QStringLiteral("Song %1").arg(i);
        info.Location = files[i];
        info.TotalTime = "22000";
        info.Bitrate = QString::number(128 + i % 7);
        auto obj = std::make_unique<CMusicObj>(info, info);
        obj->SetType(RunModeDuplicateITunes);
        manager.AppendMusicObj(std::move(obj));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int songs = argc > 1 ? std::atoi(argv[1]) : 500;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 22.0;
    const int copies = songs / 10;
    const int distinct = songs - 2 * copies;
    QTemporaryDir dir;
    const QString music = dir.path() + "/music";
    QDir().mkpath(music);

    // Generated in parallel; the list interleaves copies and re-encodings with their originals.
    std::vector<QString> made(static_cast<size_t>(distinct + copies));
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
    {
        workers.emplace_back(
            [&]
            {
                for (int k = next++; k < distinct + copies; k = next++)
                {
                    const bool aac = k >= distinct;
                    const QString path = QStringLiteral("%1/%2%3.%4")
                                             .arg(music, aac ? "aac" : "s")
                                             .arg(k)
                                             .arg(aac ? "m4a" : "mp3");
                    if (!makeSong(path, aac ? k - distinct : k, seconds, aac))
                        failed = true;
                    made[static_cast<size_t>(k)] = path;
                }
            });
    }
    for (std::thread& w : workers)
        w.join();
    if (failed)
    {
        std::fprintf(stderr, "could not generate the songs\n");
        return 2;
    }
    QStringList files;
    for (int k = 0; k < distinct; ++k)
    {
        files << made[static_cast<size_t>(k)];
        if (k < copies)
        {
            const QString copy = QStringLiteral("%1/copy%2.mp3").arg(music).arg(k);
            QFile::copy(made[static_cast<size_t>(k)], copy);
            files << copy << made[static_cast<size_t>(distinct + k)];
        }
    }

    const int options = MF_DeepScan | MF_MatchMedium;
    auto ahead = MakeManager(dir.path() + "/ahead");
    fill(*ahead, files);
    const double sa = RunAnalysis(*ahead, options);
    std::printf("fingerprint duplicate test, %d songs: fingerprints ahead on %u cores: %8.2f s\n",
                static_cast<int>(files.size()), std::max(1u, std::thread::hardware_concurrency()), sa);

    AllocDecodeBuffer();
    auto literal = MakeManager(dir.path() + "/literal");
    fill(*literal, files);
    const double sl = RunLiteralDuplicatePass(*literal, options);
    FreeDecodeBuffer();
    std::printf("fingerprint duplicate test, %d songs: full scan through cache files:  %8.2f s\n",
                static_cast<int>(files.size()), sl);

    int grouped = 0;
    for (int i = 0; i < ahead->MainListSize(); ++i)
        grouped += ahead->MusicAt(i)->GetRepeatID() != 0;
    const bool same = Outcome(*ahead) == Outcome(*literal);
    std::printf("tracks in groups: %d, same answers: %s, speed-up %.1fx\n", grouped, same ? "yes" : "NO",
                sl / sa);
    return same ? 0 : 1;
}
