#pragma once

// The keys of a recognition result (the Metadata map that CACRrecognize delivers once per
// recognition and the report page reads). Every delivered map holds all ten.
namespace PullResultKeys
{

inline constexpr char kIdentify[] = "identify";       // int: the job number the recognition was started with
inline constexpr char kTitle[] = "title";             // QString
inline constexpr char kArtist[] = "artist";           // QString: first artist
inline constexpr char kAlbum[] = "album";             // QString
inline constexpr char kReleaseDate[] = "releaseDate"; // QString, as the service gives it
inline constexpr char kGenre[] = "genre";             // QString: first genre
inline constexpr char kDuration[] = "duration";       // int: whole seconds
inline constexpr char kMessage[] = "message";         // QString: exactly "Success" marks a recognised song
inline constexpr char kImageBuffer[] = "imageBuffer"; // QByteArray: cover art, may be empty
inline constexpr char kNetworkError[] = "networkError"; // int

// The "message" of a recognised song.
inline constexpr char kSuccess[] = "Success";

} // namespace PullResultKeys
