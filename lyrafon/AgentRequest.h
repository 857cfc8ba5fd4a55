#pragma once

#include <cstdint>

namespace lyrafon
{

// What the iTunes thread is asked to do; the codes are part of the agent's contract.
enum AgentCommand : int32_t
{
    kReadName = 1,
    kWriteName = 2,
    kReadAlbum = 3,
    kWriteAlbum = 4,
    kReadArtist = 5,
    kWriteArtist = 6,
    kReadLocation = 7,
    kTestArtwork = 9,
    kSaveArtwork = 10,
    kAddArtwork = 11,
    kDeleteTrack = 12,
    kAddFile = 13,
    kReadLibraryXmlPath = 14,
    kReadBitRate = 15,
    kReadYear = 16,
    kWriteYear = 17,
    kReadGenre = 18,
    kWriteGenre = 19,
};

// One request, filled by the caller and handed to the iTunes thread by address. The caller keeps
// it alive until PostAgentRequest returns.
struct AgentRequest
{
    int32_t command = 0;
    // The track's PersistentIdHex, or for kAddFile the path of the audio file to add.
    const char* idOrPath = nullptr;
    // Address of a text pointer, or null. Writes and artwork commands: holds the caller's UTF-8
    // value or picture path. Reads: must point at null; receives a malloc'ed UTF-8 text (free()).
    // kAddFile: points at the caller's 17-byte buffer for the new PersistentIdHex, which may hold
    // on the way in an empty text and then the 16 digits of the removed entry to give back.
    char** inOut = nullptr;
    int32_t number = 0; // the year of kReadYear / kWriteYear
    int32_t result = 0; // written by the iTunes thread
};

} // namespace lyrafon
