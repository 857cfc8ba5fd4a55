#pragma once

// Generated raw fingerprints for grouping tests and benchmarks: random songs and near copies of
// earlier ones (shifted, cut, with bit errors spread from exact copies down to about 50 %).

#include <cstdint>
#include <random>
#include <vector>

namespace synthetic
{

struct Song
{
    std::vector<int32_t> fingerprint;
    int32_t duration = 0;
    int32_t bitRate = 0;
};

inline std::vector<Song> makeSongs(size_t count, int length, double copyShare, uint32_t seed,
                                   int lengthJitter = 4)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<uint32_t> value;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int32_t rates[] = {96, 128, 192, 256, 320};
    std::vector<Song> songs;
    songs.reserve(count);
    for (size_t k = 0; k < count; ++k)
    {
        Song s;
        if (!songs.empty() && unit(rng) < copyShare)
        {
            const Song& original = songs[rng() % songs.size()];
            const int shift = static_cast<int>(rng() % 7) - 3;
            for (int i = 0; i < static_cast<int>(original.fingerprint.size()); ++i)
            {
                const int from = i + shift;
                s.fingerprint.push_back(from >= 0 && from < static_cast<int>(original.fingerprint.size())
                                            ? original.fingerprint[static_cast<size_t>(from)]
                                            : static_cast<int32_t>(value(rng)));
            }
            s.fingerprint.resize(std::max<size_t>(1, s.fingerprint.size() - rng() % 3));
            const double flip = unit(rng) * 0.25;
            for (int32_t& v : s.fingerprint)
                for (int bit = 0; bit < 32; ++bit)
                    if (unit(rng) < flip)
                        v ^= static_cast<int32_t>(1u << bit);
            s.duration = original.duration + static_cast<int32_t>(rng() % 70000) - 35000;
            s.bitRate = rng() % 3 ? rates[rng() % 5] : original.bitRate;
        }
        else
        {
            const int n =
                length +
                (lengthJitter > 0 ? static_cast<int>(rng() % (2 * lengthJitter + 1)) - lengthJitter : 0);
            for (int i = 0; i < n; ++i)
                s.fingerprint.push_back(static_cast<int32_t>(value(rng)));
            s.duration = 150000 + static_cast<int32_t>(rng() % 120000);
            s.bitRate = rates[rng() % 5];
        }
        songs.push_back(std::move(s));
    }
    return songs;
}

} // namespace synthetic
