#pragma once

// Tags, audio properties and embedded pictures of audio files, through TagLib. Plain functions
// with int results; none throws or logs (the callers log the codes). No state is kept: every call
// opens and closes its own file, so calls from different threads on different files are safe.
// Paths are UTF-8. Reading opens the file read-only and reads a bounded amount of it whatever its
// size (a large file that is no audio costs a fraction of a second); a ReadStop, when given, is
// asked as the read goes and ends it, the file then answering as one TagLib cannot open.

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

struct MusicInfo;

namespace TagLib
{
class File;
class Tag;
} // namespace TagLib

// Asked during a read; true ends it. Called on the reading thread.
using ReadStop = std::function<bool()>;

// The tag used for a file, as GetFileTag answers it.
enum TagKind : int
{
    TagKindID3v2 = 1,
    TagKindID3v1 = 2,
    TagKindMP4 = 3,
    TagKindAPE = 4,
    TagKindASF = 5,
    TagKindXiph = 6, // a FLAC file's Vorbis comment, used when the file has no ID3v2 tag in use
};

// Picture format code of SetMusicArtwork_tag.
enum PictureFormat : int
{
    PictureFormatJPEG = 0,
    PictureFormatPNG = 1,
    PictureFormatBMP = 2,
    PictureFormatGIF = 3,
};

// Chooses the tag of an opened file by the extension of its name (any case). Returns the TagKind
// with *tag set, or -1 a null argument, -2 an extension without a tag in use (or a file of another
// type than its extension says), -3 a name without extension. With `write`, an MP3 always uses its
// ID3v2 tag, and a FLAC file without a non-empty ID3v2 tag uses its Vorbis comment.
int GetFileTag(const char* path, TagLib::File* file, TagLib::Tag** tag, bool write);

// Fills Size, Location, TotalTime, Bitrate, Name, Artist, Album, Genre and Year of the record from
// the file. 1 the file has an embedded picture, 0 none; -1 null argument, -2 no such file, -3 not
// an audio file TagLib can open, -4 no usable tag. Size and Location are set even on -3 and -4.
int GetMusicInfo(const char* path, MusicInfo* info, const ReadStop& stop = {});

// 1 picture present, 0 none; -1 no such file, -2 TagLib cannot open it, -3 no usable tag.
int HasMusicArtwork_tag(const char* path, const ReadStop& stop = {});

// The first embedded picture's bytes. 0 with `out` filled; 1 no (or an empty) picture, `out`
// untouched; -1 no such file, -3 TagLib cannot open it, -4 no usable tag, -6 out of memory.
int GetArtworkPicture(const char* path, std::vector<unsigned char>& out, const ReadStop& stop = {});
// The same with a malloc'd buffer for C-style callers; -2 a null out pointer. Free the buffer with
// FreeArtworkPicture.
int GetArtworkPicture(const char* path, unsigned char** buffer, int* length);
// 0 after freeing and nulling the buffer; -1 a null address or buffer.
int FreeArtworkPicture(unsigned char** buffer);

// Writes the record's Name (MF_Name), Artist (MF_Artist) and Album (MF_Album) into the file at
// its Location as the mask asks; Genre (MF_Genre) only where the file's genre is empty and Year
// (MF_Year) only where the file's year is 0, unless the mask has kEditByHand (the user's own
// texts overwrite those too). The year is taken from "2004", "2004-06" or "2004-06-07".
// 0 written (or nothing to write); -1 null record, -2 no such file, -3 TagLib cannot open it,
// -4 no usable tag, -5 the file could not be saved (read-only, full disk), -6 a year to write
// that is no year: the file is left exactly as it was.
int SetMusicInfo_tag(const MusicInfo* info, uint32_t mask);

// Embeds a picture when the file has none. 0 written, or the file already has a picture (nothing
// written); -1 no bytes, -2 no such file, -3 TagLib cannot open it, -4 no usable tag, -5 a tag that
// carries no pictures (ID3v1, APE), -7 ID3v2 or FLAC and a format it does not take, -8 the file
// could not be saved (it is left as it was), -9 MP4 and a format code outside 0 to 3.
int SetMusicArtwork_tag(const char* path, const unsigned char* data, int length, int format);

// The name a track without title gets: the file name of the location without its last extension.
QString TrackNameFromLocation(const QString& location);
