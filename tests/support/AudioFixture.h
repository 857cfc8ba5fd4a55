#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tidewell::test
{

enum class AudioFormat
{
    Mp3,
    M4a,
    Flac,
    Wma,
    Aiff,
    Wav,
    Tta,
    Ogg // Vorbis
};

struct AudioTags
{
    QString title, artist, album, genre;
    int year = 0;
};

struct AudioSpec
{
    AudioFormat format = AudioFormat::Mp3;
    double seconds = 3.0;
    // A sine tone of this frequency; 0 means white noise from the given seed.
    double toneHz = 440.0;
    int noiseSeed = 1;
    int channels = 2;
    int sampleRate = 44100;
    AudioTags tags;     // written with TagLib after encoding; empty fields are left out
    QByteArray artwork; // JPEG or PNG bytes embedded as the front cover when not empty
};

// File extension (without dot) for a format.
QString extensionOf(AudioFormat format);

// Encodes a real audio file with the ffmpeg command and tags it with TagLib.
// Returns false (and leaves nothing behind) when encoding fails.
bool makeAudioFile(const QString& path, const AudioSpec& audioSpec);

// `count` one-second MP3 tones in the folder (made when missing), "<fileStem><i>.mp3", titled
// "<titleStem> <i>", artist "Artist <i>", album "Album", genre "Rock", year 2000 + i, each with a
// different pitch; with artwork when asked. The paths of the files that were made, in order.
QStringList makeSongFolder(const QString& folder, int count, const QString& titleStem,
                           const QString& fileStem, bool withArtwork);

// A file of `size` zero bytes named like a song, made as a hole: it takes no room on disk.
bool makeZeroFile(const QString& path, qint64 size);
// What this process has read from files and sockets so far, in bytes (the kernel's count).
qint64 bytesReadByProcess();

// A small picture of the given size and colour, encoded as "PNG" or "JPG".
QByteArray makePicture(int width, int height, unsigned rgb, const char* format = "JPG");

} // namespace tidewell::test
