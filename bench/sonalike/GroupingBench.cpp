// Groups synthetic 60-second fingerprints (about 470 values each, 5 % near copies) with the
// engine's grouping and, on a smaller set, with the literal scan, and checks that both agree.
//
// Usage: bench_sonalike_grouping [--sizes 2000,10000,20000] [--levels 95,75,50]
//                                [--literal 2000] [--threads 0]
//        (a flag's default is shown as its value; --threads 0: one thread per core)

#include "GroupingOutcome.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace
{

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
            const auto songs = synthetic::makeSongs(static_cast<size_t>(size), kValues, 0.05,
                                                    2026u + static_cast<uint32_t>(size));
            double fast = 0;
            const grouping::Outcome fastSig = grouping::fastOutcome(
                songs, threshold, &pool, true, {}, &fast, sonalike::DedupeGrouper::kDefaultParallelWork);
            std::printf("level %d%%  %6d prints  fast %9.3f s  groups %zu\n", level, size, fast,
                        fastSig.ids.size());
            std::fflush(stdout);
            if (size == literalCount)
            {
                double slow = 0;
                const grouping::Outcome literalSig =
                    grouping::literalOutcome(songs, threshold, true, {}, &slow);
                std::printf("level %d%%  %6d prints  literal %9.3f s  speed-up %.1fx  identical: %s\n", level,
                            size, slow, slow / fast, literalSig == fastSig ? "yes" : "NO");
                std::fflush(stdout);
                if (literalSig != fastSig)
                    return 1;
            }
        }
    }
    return 0;
}
