#include "MusicSignal.h"

#include "PcmFiles.h"

#include <QFile>
#include <QStringList>

#include <cmath>
#include <random>

namespace tidewell::test
{

std::vector<int16_t> makeTune(double seconds, uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> semitone(-12, 12);
    std::uniform_int_distribution<int> beats(1, 3);
    const auto frames = static_cast<int64_t>(seconds * 44100);
    std::vector<int16_t> pcm(static_cast<size_t>(frames * 2));
    int64_t at = 0;
    while (at < frames)
    {
        const double root = 440.0 * std::pow(2.0, semitone(random) / 12.0);
        const double third = root * std::pow(2.0, (semitone(random) % 5 + 5) / 12.0);
        const int64_t length = std::min<int64_t>(frames - at, beats(random) * 44100 / 4);
        for (int64_t i = 0; i < length; ++i)
        {
            const double t = static_cast<double>(i) / 44100.0;
            const double envelope = std::exp(-3.0 * t);
            double v = 0;
            for (int h = 1; h <= 4; ++h)
                v += (std::sin(2 * M_PI * root * h * t) + 0.6 * std::sin(2 * M_PI * third * h * t)) / h;
            const auto sample = static_cast<int16_t>(std::clamp(v * envelope * 6000.0, -32000.0, 32000.0));
            pcm[static_cast<size_t>(2 * (at + i))] = sample;
            pcm[static_cast<size_t>(2 * (at + i) + 1)] = sample;
        }
        at += length;
    }
    return pcm;
}

bool makeTuneFile(const QString& path, double seconds, uint32_t seed, const QStringList& codec)
{
    const QString wav = path + ".source.wav";
    const bool ok = writeWav(wav, makeTune(seconds, seed), 2, 44100) &&
                    runFfmpeg(QStringList{"-i", wav} + codec + QStringList{path});
    QFile::remove(wav);
    return ok;
}

} // namespace tidewell::test
