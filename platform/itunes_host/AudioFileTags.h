#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tidewell::ithost
{

// What the host reads of an audio file when it adds it to the library.
struct AudioFileInfo
{
    std::string title, artist, album, genre; // UTF-8
    unsigned year = 0;
    int bitRateKbps = 0;
    int lengthMs = 0;
    int sampleRate = 0;
    int64_t size = 0;
    std::string kind; // the library's "Kind" text, e.g. "MPEG audio file"
};

// Tag and artwork access to audio files through TagLib (MP3, M4A, FLAC, WMA, AIFF, WAV, TTA).
// Paths are UTF-8. Every call opens the file afresh; nothing is cached, so calls are independent.
// Reading opens the file read-only and reads a bounded amount of it whatever its size; a stop check,
// when given, is asked as the read goes and ends it (the file then reads as not audio, or without
// pictures).
class AudioFileTags
{
public:
    using StopCheck = std::function<bool()>;

    enum class Field
    {
        Title,
        Artist,
        Album,
        Genre
    };

    // False when TagLib cannot read the file as audio.
    static bool read(const std::string& path, AudioFileInfo& info, const StopCheck& stop = {});
    // False when the file cannot be opened for writing or saving fails; the file is then unchanged.
    static bool writeText(const std::string& path, Field field, const std::string& value);
    static bool writeYear(const std::string& path, unsigned year);
    // The embedded pictures in file order (front cover first when the format orders them).
    static bool pictures(const std::string& path, std::vector<std::string>& out, const StopCheck& stop = {});
    // How many pictures pictures() would give, without copying them; -1 when it would answer false.
    static int pictureCount(const std::string& path, const StopCheck& stop = {});
    // Embeds the image bytes (JPEG or PNG, told apart by their signature) as the front cover.
    static bool addPicture(const std::string& path, const std::string& image);
};

} // namespace tidewell::ithost
