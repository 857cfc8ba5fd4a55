#pragma once

// Runs the literal and the engine's grouping on the same generated songs and gives both results
// in one comparable form (member ids and score bits per group). Shared by tests and benchmark.

#include "DedupeGrouper.h"
#include "LiteralGrouping.h"
#include "SyntheticFingerprints.h"
#include "WorkerPool.h"

#include <bit>
#include <chrono>
#include <string>
#include <vector>

namespace grouping
{

using sonalike::DedupeTrack;

// Seconds spent between construction and stop(), written to *out when out is given.
class Stopwatch
{
public:
    explicit Stopwatch(double* out) : m_out(out), m_start(std::chrono::steady_clock::now()) {}
    void stop()
    {
        if (m_out)
            *m_out = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    double* m_out;
    std::chrono::steady_clock::time_point m_start;
};

struct Outcome
{
    std::vector<std::vector<int>> ids;
    std::vector<std::vector<uint32_t>> scoreBits;
    bool operator==(const Outcome&) const = default;
};

inline uint32_t bitsOf(float f)
{
    return std::bit_cast<uint32_t>(f);
}

inline Outcome literalOutcome(const std::vector<synthetic::Song>& songs, float threshold,
                              bool fingerprintMode = true, const std::vector<std::string>& texts = {},
                              double* seconds = nullptr)
{
    std::vector<literal::Track> tracks(songs.size());
    literal::Grouping grouping(fingerprintMode, threshold);
    Stopwatch watch(seconds);
    for (size_t k = 0; k < songs.size(); ++k)
    {
        tracks[k].fingerprint = songs[k].fingerprint;
        tracks[k].duration = songs[k].duration;
        tracks[k].bitRate = songs[k].bitRate;
        tracks[k].id = static_cast<int>(k);
        if (!texts.empty())
            tracks[k].text = texts[k];
        grouping.insert(tracks[k]);
    }
    watch.stop();
    Outcome out;
    for (const auto& group : grouping.groups())
    {
        out.ids.emplace_back();
        out.scoreBits.emplace_back();
        for (const literal::Track* t : group)
        {
            out.ids.back().push_back(t->id);
            out.scoreBits.back().push_back(bitsOf(t->score));
        }
    }
    return out;
}

inline Outcome fastOutcome(const std::vector<synthetic::Song>& songs, float threshold,
                           sonalike::WorkerPool* pool = nullptr, bool fingerprintMode = true,
                           const std::vector<std::string>& texts = {}, double* seconds = nullptr,
                           size_t parallelWork = 0)
{
    std::vector<DedupeTrack> tracks(songs.size());
    sonalike::DedupeGrouper grouper(pool);
    grouper.setParallelWork(parallelWork); // 0: spread every scan when a pool is given
    grouper.reset(fingerprintMode, threshold);
    for (size_t k = 0; k < songs.size(); ++k)
    {
        tracks[k].key.setFingerprint(songs[k].fingerprint);
        tracks[k].duration = songs[k].duration;
        tracks[k].bitRate = songs[k].bitRate;
        if (!texts.empty())
            tracks[k].key.text = texts[k];
    }
    // With a pool, all tracks in one call, so above 15/16 their comparisons spread over it; without,
    // one by one.
    std::vector<DedupeTrack*> all;
    for (auto& track : tracks)
        all.push_back(&track);
    Stopwatch watch(seconds);
    if (pool)
        grouper.insert(all);
    else
        for (DedupeTrack* track : all)
            grouper.insert(*track);
    watch.stop();
    Outcome out;
    for (const auto& group : grouper.groups())
    {
        out.ids.emplace_back();
        out.scoreBits.emplace_back();
        for (const DedupeTrack* t : group)
        {
            out.ids.back().push_back(static_cast<int>(t - tracks.data()));
            out.scoreBits.back().push_back(bitsOf(t->score));
        }
    }
    return out;
}

} // namespace grouping
