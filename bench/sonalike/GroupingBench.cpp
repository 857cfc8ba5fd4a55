// Groups synthetic 60-second fingerprints (about 470 values each, 5 % near copies) with the
// engine's grouping and, on a smaller set, with the literal scan, and checks that both agree.
//
// Usage: sonalike_grouping_bench [--sizes 2000,10000,20000] [--levels 95,75,50]
//                                [--literal 2000] [--threads N]

#include "DedupeGrouper.h"
#include "LiteralGrouping.h"
#include "SyntheticFingerprints.h"
#include "WorkerPool.h"

#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kValues = 470; // 60 s of audio

std::vector<int> parseList(const char* text)
{
    std::vector<int> out;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ','))
        out.push_back(std::atoi(item.c_str()));
    return out;
}

double seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Group membership and scores as one comparable list.
using Signature = std::vector<std::pair<std::vector<int>, std::vector<uint32_t>>>;

Signature runFast(const std::vector<synthetic::Song>& songs, float threshold, sonalike::WorkerPool* pool, double& took)
{
    std::vector<sonalike::DedupeTrack> tracks(songs.size());
    for (size_t k = 0; k < songs.size(); ++k)
    {
        tracks[k].key.setFingerprint(songs[k].fingerprint);
        tracks[k].duration = songs[k].duration;
        tracks[k].bitRate = songs[k].bitRate;
    }
    sonalike::DedupeGrouper grouper(pool);
    grouper.reset(true, threshold);
    const auto start = std::chrono::steady_clock::now();
    for (auto& t : tracks)
        grouper.insert(t);
    took = seconds(start);
    Signature sig;
    for (const auto& g : grouper.groups())
    {
        sig.emplace_back();
        for (const auto* t : g)
        {
            sig.back().first.push_back(static_cast<int>(t - tracks.data()));
            sig.back().second.push_back(std::bit_cast<uint32_t>(t->score));
        }
    }
    return sig;
}

Signature runLiteral(const std::vector<synthetic::Song>& songs, float threshold, double& took)
{
    std::vector<literal::Track> tracks(songs.size());
    for (size_t k = 0; k < songs.size(); ++k)
    {
        tracks[k].fingerprint = songs[k].fingerprint;
        tracks[k].duration = songs[k].duration;
        tracks[k].bitRate = songs[k].bitRate;
        tracks[k].id = static_cast<int>(k);
    }
    literal::Grouping grouping(true, threshold);
    const auto start = std::chrono::steady_clock::now();
    for (auto& t : tracks)
        grouping.insert(t);
    took = seconds(start);
    Signature sig;
    for (const auto& g : grouping.groups())
    {
        sig.emplace_back();
        for (const auto* t : g)
        {
            sig.back().first.push_back(t->id);
            sig.back().second.push_back(std::bit_cast<uint32_t>(t->score));
        }
    }
    return sig;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes{2000, 10000, 20000};
    std::vector<int> levels{95, 75, 50};
    int literalCount = 2000;
    unsigned threads = 0;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        if (!std::strcmp(argv[i], "--sizes"))
            sizes = parseList(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--levels"))
            levels = parseList(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--literal"))
            literalCount = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--threads"))
            threads = static_cast<unsigned>(std::atoi(argv[i + 1]));
    }
    sonalike::WorkerPool pool(threads);
    std::printf("threads: %u\n", pool.size());
    for (const int level : levels)
    {
        const float threshold = static_cast<float>(level) / 100.0f;
        for (const int size : sizes)
        {
            const auto songs = synthetic::makeSongs(static_cast<size_t>(size), kValues, 0.05, 2026u + static_cast<uint32_t>(size));
            double fast = 0;
            const Signature fastSig = runFast(songs, threshold, &pool, fast);
            std::printf("level %d%%  %6d prints  fast %9.3f s  groups %zu\n", level, size, fast, fastSig.size());
            std::fflush(stdout);
            if (size == literalCount)
            {
                double slow = 0;
                const Signature literalSig = runLiteral(songs, threshold, slow);
                std::printf("level %d%%  %6d prints  literal %9.3f s  speed-up %.1fx  identical: %s\n", level, size,
                            slow, slow / fast, literalSig == fastSig ? "yes" : "NO");
                std::fflush(stdout);
                if (literalSig != fastSig)
                    return 1;
            }
        }
    }
    return 0;
}
