#pragma once

#include "AgentRequest.h"

#include <chrono>
#include <memory>

namespace tidewell::ithost
{
class ITunesApp;
class ITunesLibrary;
class ITOperationStatus;
} // namespace tidewell::ithost

namespace lyrafon
{

// How long an added file may stay "in progress" before the request gives up with kAddTimedOut.
constexpr int kAddFilePollLimit = 2400; // 2400 x 50 ms = two minutes
constexpr std::chrono::milliseconds kAddFilePollInterval{50};
constexpr int32_t kAddTimedOut = static_cast<int32_t>(0x8000000Au); // E_PENDING

// Runs one request against iTunes. Called on the iTunes thread only. Stores the result in the
// request and answers it. A change it made is in the library's memory, its save still to come:
// see TakePendingSave.
int32_t DispatchAgentRequest(AgentRequest* request, tidewell::ithost::ITunesApp* app);

// The save the last request's change waits for: the library and the change's ticket
// (ITunesLibrary::awaitSaved), or no library when it changed nothing. Taken once.
struct PendingSave
{
    std::shared_ptr<tidewell::ithost::ITunesLibrary> library;
    uint64_t ticket = 0;
};
PendingSave TakePendingSave();

// After AddFile: waits (bounded) while the status is in progress, then writes the first added
// track's PersistentIdHex into `buffer`. An empty track list means nothing was added: 0, buffer
// untouched.
int32_t ReadAddedTrackId(tidewell::ithost::ITunesApp& app, tidewell::ithost::ITOperationStatus& status,
                         char* buffer, int pollLimit = kAddFilePollLimit,
                         std::chrono::milliseconds pollInterval = kAddFilePollInterval);

} // namespace lyrafon
