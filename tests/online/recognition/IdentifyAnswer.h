#pragma once

#include <QByteArray>

namespace tidewell::test
{

// The identify service's answer for one recognised song (album "Found Album", genre "Pop", year
// 2004); with a Spotify track id the cover is looked up there.
QByteArray IdentifyAnswer(const QByteArray& title = "Found Title", const QByteArray& artist = "Found Artist",
                          const QByteArray& spotifyTrack = {});

} // namespace tidewell::test
