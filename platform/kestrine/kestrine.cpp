// The C entry points of the media library's preview players. Nothing here throws across the boundary.
#include "kestrine.h"

#include "AudioDecoder.h"
#include "InstanceRegistry.h"
#include "PlayerRegistry.h"
#include "PreviewPlayer.h"

#include <cstring>
#include <exception>

using kestrine::AudioDecoder;
using kestrine::InstanceRegistry;
using kestrine::PlayerRegistry;
using kestrine::PreviewPlayer;

namespace
{

// Previews of an instance end with it; their threads are joined here, without notices.
void releasePlayersOf(int handle)
{
    try
    {
        auto players = PlayerRegistry::global().takeAll(handle);
        players.clear();
    }
    catch (const std::exception&)
    {
    }
}

} // namespace

int KestrineOpenMedia(int handle, const KestrineMediaOpen* media, int, int, int)
{
    if (!media || !media->path || !*media->path || !InstanceRegistry::global().isUsable(handle))
        return -1;
    try
    {
        // Probing now lets the caller report an unplayable file at once.
        AudioDecoder probe;
        if (!probe.open(media->path))
            return -2;
        return InstanceRegistry::global().addMedia(handle, media->path);
    }
    catch (const std::exception&)
    {
        return -1;
    }
}

int KestrineSetOutput(int handle, int mediaId, const KestrineOutputFormat* output)
{
    if (!output || !InstanceRegistry::global().mediaPath(handle, mediaId))
        return -1;
    const bool wav = std::strncmp(output->format, "wav", sizeof output->format) == 0;
    if (!wav || output->sampleRate != AudioDecoder::kSampleRate ||
        output->channels != AudioDecoder::kChannels)
        return -2;
    return 0;
}

int KestrineCreatePlayer(const KestrinePlayerSetup* setup, int, int, int* player)
{
    if (player)
        *player = 0;
    if (!setup || !player)
        return -1;
    try
    {
        const auto path = InstanceRegistry::global().mediaPath(setup->mediaLibrary, setup->mediaId);
        if (!path)
            return -1;
        InstanceRegistry::global().setEndHook(&releasePlayersOf);
        auto created = std::make_shared<PreviewPlayer>(*path, setup->notice, setup->noticeContext);
        *player = PlayerRegistry::global().add(setup->mediaLibrary, std::move(created));
        return 0;
    }
    catch (const std::exception&)
    {
        return -1;
    }
}

int KestrinePlayerStart(int player)
{
    try
    {
        const auto found = PlayerRegistry::global().find(player);
        return found ? found->start() : -1;
    }
    catch (const std::exception&)
    {
        return -4;
    }
}

int KestrinePlayerPause(int player)
{
    const auto found = PlayerRegistry::global().find(player);
    return found ? found->pause() : -1;
}

int KestrinePlayerStop(int player)
{
    const auto found = PlayerRegistry::global().find(player);
    if (!found)
        return -1;
    found->stop();
    return 0;
}

int KestrinePlayerRelease(int player)
{
    auto found = PlayerRegistry::global().take(player);
    if (!found)
        return -1;
    found.reset(); // stops and joins the player's thread unless another call still holds it
    return 0;
}
