#include "IdentifyAnswer.h"

namespace tidewell::test
{

QByteArray IdentifyAnswer(const QByteArray& title, const QByteArray& artist, const QByteArray& spotifyTrack,
                          const QByteArray& releaseDate)
{
    const QByteArray external =
        spotifyTrack.isEmpty()
            ? QByteArray()
            : R"("external_metadata":{"spotify":{"track":{"id":")" + spotifyTrack + R"("}}},)";
    return R"({"status":{"msg":"Success","code":0,"version":"1.0"},"metadata":{"music":[{)" + external +
           R"("title":")" + title +
           R"(","duration_ms":1000,"album":{"name":"Found Album"},)"
           R"("genres":[{"name":"Pop"}],"artists":[{"name":")" +
           artist + R"("}],"release_date":")" + releaseDate + R"("}]},"cost_time":0.1,"result_type":0})";
}

} // namespace tidewell::test
