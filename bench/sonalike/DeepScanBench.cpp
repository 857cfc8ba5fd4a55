// A full deep scan through the C exports: generates audio files (noise songs, some of them also
// in other formats), then times AddToDedupeLists + StartDedupeThread in fingerprint mode.
//
// Usage: bench_sonalike_deepscan [files=200] [seconds=30] [folder=temporary]

#include "AudioFixture.h"
#include "sonalike.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int files = argc > 1 ? std::atoi(argv[1]) : 200;
    const double length = argc > 2 ? std::atof(argv[2]) : 30.0;
    QTemporaryDir temp;
    const QString folder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : temp.path();
    QDir().mkpath(folder);

    using tidewell::test::AudioFormat;
    const AudioFormat copies[] = {AudioFormat::M4a, AudioFormat::Flac};
    int made = 0;
    for (int k = 0; made < files; ++k)
    {
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = length;
        audioSpec.toneHz = 0;
        audioSpec.noiseSeed = k + 1;
        // Every tenth song also comes as a second copy in another format.
        for (int copy = 0; copy < (k % 10 == 0 ? 2 : 1) && made < files; ++copy, ++made)
        {
            audioSpec.format = copy == 0 ? AudioFormat::Mp3 : copies[(k / 10) % 2];
            const QString path = QString("%1/song%2.%3")
                                     .arg(folder)
                                     .arg(k, 4, 10, QChar('0'))
                                     .arg(tidewell::test::extensionOf(audioSpec.format));
            if (!QFile::exists(path) && !tidewell::test::makeAudioFile(path, audioSpec))
            {
                std::fprintf(stderr, "could not make %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    const auto start = std::chrono::steady_clock::now();
    AddToDedupeLists(folder.toUtf8().constData(), 0);
    const int loaded = GetLoadCounts();
    StartDedupeThread(nullptr, nullptr, DEDUPE_OPTION_FINGERPRINT, 60, 75);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "deep scan: %d files of %.0f s, %d groups, %.2f s\n", loaded, length,
                 GetGroupIdCounts(), took);
    DedupeDealloc();
    return 0;
}
