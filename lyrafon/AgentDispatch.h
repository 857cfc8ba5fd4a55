#pragma once

#include "AgentRequest.h"

#include <chrono>
#include <memory>

namespace tidewell::ithost
{
class ITunesApp;
class ITOperationStatus;
} // namespace tidewell::ithost

namespace lyrafon
{

// How long an added file may stay "in progress" before the request gives up with kAddTimedOut.
constexpr int kAddFilePollLimit = 2400; // 2400 x 50 ms = two minutes
constexpr std::chrono::milliseconds kAddFilePollInterval{50};
constexpr int32_t kAddTimedOut = static_cast<int32_t>(0x8000000Au); // E_PENDING

// Runs one request against iTunes. Called on the iTunes thread only. Stores the result in the
// request and answers it.
int32_t DispatchAgentRequest(AgentRequest* request, tidewell::ithost::ITunesApp* app);

// After AddFile: waits (bounded) while the status is in progress, then writes the first added
// track's PersistentIdHex into `buffer`. An empty track list means nothing was added: 0, buffer
// untouched.
int32_t ReadAddedTrackId(tidewell::ithost::ITunesApp& app, tidewell::ithost::ITOperationStatus& status,
                         char* buffer, int pollLimit = kAddFilePollLimit,
                         std::chrono::milliseconds pollInterval = kAddFilePollInterval);

} // namespace lyrafon
