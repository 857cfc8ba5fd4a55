#pragma once

#include <QByteArray>

namespace tidewell::test
{

// The identify service's answer for one recognised song (album "Found Album", genre "Pop",
// released in 2004: the whole date by default, or "2004-06" or "2004" as the service may give it);
// with a Spotify track id the cover is looked up there.
QByteArray IdentifyAnswer(const QByteArray& title = "Found Title", const QByteArray& artist = "Found Artist",
                          const QByteArray& spotifyTrack = {}, const QByteArray& releaseDate = "2004-06-07");

} // namespace tidewell::test
