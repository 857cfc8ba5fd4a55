#include "CACRrecognize.h"
#include "EventLoopHttpServer.h"
#include "ServiceKeys.h"
#include "acr_extractor.h"

#include "AudioFixture.h"
#include "TempHome.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMessageAuthenticationCode>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

#include <gtest/gtest.h>

using tidewell::test::EventLoopHttpServer;
using tidewell::test::HttpRequest;
using tidewell::test::HttpResponse;
using tidewell::test::ScopedEnv;
using tidewell::test::TempHome;

namespace keys = tidewell::online::keys;

namespace
{

const QByteArray kTrackId = "3n3Ppam7vgaVa1iaRUc9Lp";
const QByteArray kToken = "BQDj-token_value.42";
// The picture's bytes hold zeros, so the length comes from the array, not from a terminator.
constexpr char kCoverBytes[] = "\xFF\xD8\xFF\xE0 cover art bytes \x00\x01\x02";
const QByteArray kCover = QByteArray(kCoverBytes, sizeof kCoverBytes - 1);

// A recorded-style answer of the identify service for one song with a Spotify track.
QByteArray identifyAnswer(const QByteArray& spotifyTrackId = kTrackId)
{
    const QByteArray spotify =
        spotifyTrackId.isEmpty()
            ? QByteArray()
            : R"("spotify":{"album":{"name":"Other album"},"artists":[{"name":"Other artist"}],"track":{"name":"x","id":")" +
                  spotifyTrackId + R"("}},)";
    return R"({"status":{"msg":"Success","code":0,"version":"1.0"},"metadata":{"music":[{"external_ids":{"isrc":"GBAYE0601498"},)"
           R"("play_offset_ms":9640,"external_metadata":{)" +
           spotify +
           R"("deezer":{"track":{"id":"123"}}},)"
           R"("title":"Kawa no Nagare \u00e9 \u65e5\u672c","duration_ms":222973,"album":{"name":"Hot Fuss"},)"
           R"("acrid":"6049f11da7095e8bb8266871d4a70873","genres":[{"name":"Rock"},{"name":"Pop"}],)"
           R"("artists":[{"name":"The Killers"},{"name":"Someone"}],"release_date":"2004-06-07","label":"Island"}],)"
           R"("timestamp_utc":"2026-12-09 05:00:00"},"cost_time":0.7,"result_type":0})";
}

QByteArray trackAnswer(const QByteArray& imageUrl)
{
    return R"({"album":{"album_type":"album","images":[{"height":640,"url":"http://127.0.0.1:1/big","width":640},)"
           R"({"height":300,"url":")" +
           imageUrl +
           R"(","width":300},{"height":64,"url":"http://127.0.0.1:1/small","width":64}],)"
           R"("name":"Hot Fuss"},"id":")" +
           kTrackId + R"(","name":"Mr. Brightside"})";
}

QByteArray tokenAnswer()
{
    return R"({"access_token":")" + kToken + R"(","token_type":"Bearer","expires_in":3600})";
}

// A recognition against local servers: one identify server (plain HTTP) and one Spotify server
// (HTTPS with the trusted test certificate) for accounts, Web API and cover art.
struct Recognition : ::testing::Test
{
    TempHome home;
    EventLoopHttpServer acr;
    EventLoopHttpServer spotify{EventLoopHttpServer::Tls::TrustedCertificate};
    std::unique_ptr<ScopedEnv> acrHost, accountsHost, apiHost;
    QString audioPath;

    void SetUp() override
    {
        EventLoopHttpServer::trustTestCertificate();
        ASSERT_TRUE(acr.start());
        ASSERT_TRUE(spotify.start());
        acrHost = std::make_unique<ScopedEnv>(keys::kAcrHostVariable, acr.hostPort().toLatin1());
        accountsHost =
            std::make_unique<ScopedEnv>(keys::kSpotifyAccountsHostVariable, spotify.hostPort().toLatin1());
        apiHost = std::make_unique<ScopedEnv>(keys::kSpotifyApiHostVariable, spotify.hostPort().toLatin1());
        // Not audio: opens fine, gives no fingerprint, so the request goes out with an empty sample.
        audioPath = home.file(QStringLiteral("song.mp3"));
        QFile file(audioPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not really audio");
    }

    void answerSpotify(const QByteArray& imagePath = "/image/cover.jpg")
    {
        spotify.answer("/api/token", {HttpResponse::Mode::Full, 200, "application/json", tokenAnswer()});
        spotify.answer("/v1/tracks/" + kTrackId, {HttpResponse::Mode::Full, 200, "application/json",
                                                  trackAnswer(spotify.baseUrl().toLatin1() + imagePath)});
        spotify.answer("/image/cover.jpg", {HttpResponse::Mode::Full, 200, "image/jpeg", kCover});
    }

    // Runs one recognition to its end; checks that exactly one result comes out.
    QVariantMap recognize(int identify = 7, int* returned = nullptr)
    {
        CACRrecognize client;
        QSignalSpy spy(&client, &CACRrecognize::signalGetResult);
        const int rc = client.RecognizeFile(audioPath, identify);
        if (returned)
            *returned = rc;
        if (spy.isEmpty())
            spy.wait(30000);
        QTest::qWait(50);
        EXPECT_EQ(spy.count(), 1);
        if (spy.isEmpty())
            return {};
        const QVariantMap result = spy.first().first().toMap();
        EXPECT_EQ(result.size(), 10) << result.keys().join(u',').toStdString();
        for (const char* key : {"identify", "title", "artist", "album", "releaseDate", "genre", "duration",
                                "message", "imageBuffer", "networkError"})
            EXPECT_TRUE(result.contains(QString::fromLatin1(key))) << key;
        EXPECT_EQ(result.value("identify").toInt(), identify);
        return result;
    }

    int requestsTo(const QByteArray& prefix) const
    {
        return int(std::count_if(spotify.requests().cbegin(), spotify.requests().cend(),
                                 [&](const HttpRequest& r) { return r.target.startsWith(prefix); }));
    }
};

void expectUnidentified(const QVariantMap& result)
{
    EXPECT_EQ(result.value("message").toString(), QString());
    EXPECT_EQ(result.value("title").toString(), QString());
    EXPECT_EQ(result.value("duration").toInt(), 0);
    EXPECT_EQ(result.value("networkError").toInt(), 0);
    EXPECT_TRUE(result.value("imageBuffer").toByteArray().isEmpty());
}

// Splits a multipart body into (headers, body) per part, checking the framing on the way.
QList<QPair<QByteArray, QByteArray>> multipartParts(const QByteArray& body, const QByteArray& boundary)
{
    QList<QPair<QByteArray, QByteArray>> parts;
    const QByteArray delimiter = "--" + boundary;
    qsizetype pos = 0;
    EXPECT_TRUE(body.startsWith(delimiter + "\r\n"));
    while (true)
    {
        if (body.mid(pos, delimiter.size() + 4) == delimiter + "--\r\n")
            break;
        EXPECT_EQ(body.mid(pos, delimiter.size() + 2), delimiter + "\r\n");
        pos += delimiter.size() + 2;
        const qsizetype headerEnd = body.indexOf("\r\n\r\n", pos);
        const qsizetype next = body.indexOf("\r\n" + delimiter, headerEnd);
        if (headerEnd < 0 || next < 0)
        {
            ADD_FAILURE() << "broken multipart body";
            break;
        }
        parts.append({body.mid(pos, headerEnd - pos), body.mid(headerEnd + 4, next - headerEnd - 4)});
        pos = next + 2;
    }
    EXPECT_EQ(pos + delimiter.size() + 4, body.size());
    return parts;
}

} // namespace

TEST_F(Recognition, IdentifyRequestIsExactAndSigned)
{
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json",
                                R"({"status":{"msg":"No result","code":1001,"version":"1.0"}})"});
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    recognize();
    const qint64 after = QDateTime::currentSecsSinceEpoch();

    ASSERT_EQ(acr.requests().size(), 1);
    const HttpRequest& request = acr.requests().first();
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.target, "/v1/identify");
    EXPECT_EQ(request.header("Host"), acr.hostPort().toLatin1());
    EXPECT_TRUE(request.header("Authorization").isEmpty());
    EXPECT_TRUE(request.header("Cookie").isEmpty());

    const QByteArray contentType = request.header("Content-Type");
    ASSERT_TRUE(contentType.startsWith("multipart/form-data; boundary=")) << contentType.constData();
    QByteArray boundary = contentType.mid(contentType.indexOf('=') + 1);
    if (boundary.startsWith('"'))
        boundary = boundary.mid(1, boundary.size() - 2);
    EXPECT_EQ(request.header("Content-Length").toLongLong(), request.body.size());

    const auto parts = multipartParts(request.body, boundary);
    ASSERT_EQ(parts.size(), 7);
    const char* names[] = {"access_key", "data_type",         "sample",   "sample_bytes",
                           "signature",  "signature_version", "timestamp"};
    for (int i = 0; i < 7; ++i)
    {
        const QByteArray disposition =
            QByteArray("Content-Disposition: form-data; name=\"") + names[i] + "\"";
        if (i == 2)
            EXPECT_EQ(parts[i].first,
                      "Content-Type: application/octet-stream\r\n" + disposition + "; filename=\"sample\"");
        else
            EXPECT_EQ(parts[i].first, disposition);
    }

    const QByteArray accessKey = QByteArray::fromBase64(keys::kAcrAccessKey);
    EXPECT_EQ(parts[0].second, accessKey);
    EXPECT_EQ(parts[1].second, "fingerprint");
    EXPECT_EQ(parts[2].second, QByteArray()); // not audio: empty sample, the service decides
    EXPECT_EQ(parts[3].second, "0");
    EXPECT_EQ(parts[5].second, "1");
    const QByteArray timestamp = parts[6].second;
    EXPECT_GE(timestamp.toLongLong(), before);
    EXPECT_LE(timestamp.toLongLong(), after);

    // The signature verifies with the access secret over the five-line string to sign.
    const QByteArray toSign = "POST\n/v1/identify\n" + accessKey + "\nfingerprint\n1\n" + timestamp;
    EXPECT_EQ(toSign.count('\n'), 5);
    const QByteArray expected =
        QMessageAuthenticationCode::hash(toSign, QByteArray::fromBase64(keys::kAcrAccessSecret),
                                         QCryptographicHash::Sha1)
            .toBase64();
    EXPECT_EQ(parts[4].second, expected);
    EXPECT_EQ(QByteArray::fromBase64(parts[4].second).size(), 20);

    // The whole body, rebuilt from the parts, is what went out.
    QByteArray rebuilt;
    for (const auto& [headers, body] : parts)
        rebuilt += "--" + boundary + "\r\n" + headers + "\r\n\r\n" + body + "\r\n";
    rebuilt += "--" + boundary + "--\r\n";
    EXPECT_EQ(request.body, rebuilt);
}

TEST_F(Recognition, SampleIsTheFingerprintOfTheFile)
{
    audioPath = home.file(QStringLiteral("tone.wav"));
    tidewell::test::AudioSpec audioSpec;
    audioSpec.format = tidewell::test::AudioFormat::Wav;
    audioSpec.seconds = 15;
    audioSpec.toneHz = 0;
    ASSERT_TRUE(tidewell::test::makeAudioFile(audioPath, audioSpec));

    char* buffer = nullptr;
    const int size = create_fingerprint_by_file(QFile::encodeName(audioPath).constData(), 0, 12, 0, &buffer);
    ASSERT_GT(size, 0);
    const QByteArray expected(buffer, size);
    acr_free(buffer);

    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", "{}"});
    recognize();
    ASSERT_EQ(acr.requests().size(), 1);
    const QByteArray body = acr.requests().first().body;
    EXPECT_TRUE(body.contains("filename=\"sample\"\r\n\r\n" + expected + "\r\n"));
    EXPECT_TRUE(body.contains("name=\"sample_bytes\"\r\n\r\n" + QByteArray::number(size) + "\r\n"));
}

TEST_F(Recognition, FullAnswerFillsEveryKey)
{
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", identifyAnswer()});
    answerSpotify();
    const QVariantMap result = recognize(42);

    EXPECT_EQ(result.value("identify").toInt(), 42);
    EXPECT_EQ(result.value("title").toString(), QString::fromUtf8("Kawa no Nagare é 日本"));
    EXPECT_EQ(result.value("artist").toString(), "The Killers");
    EXPECT_EQ(result.value("album").toString(), "Hot Fuss");
    EXPECT_EQ(result.value("releaseDate").toString(), "2004-06-07");
    EXPECT_EQ(result.value("genre").toString(), "Rock");
    EXPECT_EQ(result.value("duration").toInt(), 222);
    EXPECT_EQ(result.value("message").toString(), "Success");
    EXPECT_EQ(result.value("imageBuffer").toByteArray(), kCover);
    EXPECT_EQ(result.value("networkError").toInt(), 0);

    ASSERT_EQ(spotify.requests().size(), 3);
    const HttpRequest& token = spotify.requests()[0];
    EXPECT_EQ(token.method, "POST");
    EXPECT_EQ(token.target, "/api/token");
    EXPECT_EQ(token.body, "grant_type=client_credentials");
    EXPECT_EQ(token.header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(token.header("Authorization"),
              "Basic " + (QByteArray::fromBase64(keys::kSpotifyClientId) + ':' +
                          QByteArray::fromBase64(keys::kSpotifyClientSecret))
                             .toBase64());

    const HttpRequest& track = spotify.requests()[1];
    EXPECT_EQ(track.method, "GET");
    EXPECT_EQ(track.target, "/v1/tracks/" + kTrackId);
    EXPECT_EQ(track.header("Authorization"), "Bearer " + kToken);

    EXPECT_EQ(spotify.requests()[2].target, "/image/cover.jpg");
}

TEST_F(Recognition, AnswersWithoutCoverArt)
{
    // Identified, no Spotify track: delivered without any Spotify request.
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", identifyAnswer("")});
    QVariantMap result = recognize();
    EXPECT_EQ(result.value("message").toString(), "Success");
    EXPECT_EQ(result.value("title").toString(), QString::fromUtf8("Kawa no Nagare é 日本"));
    EXPECT_TRUE(result.value("imageBuffer").toByteArray().isEmpty());
    EXPECT_TRUE(spotify.requests().isEmpty());

    // The service's own message; the members of its object after "msg" are skipped, the rest not.
    acr.answer("/v1/identify",
               {HttpResponse::Mode::Full, 200, "application/json",
                R"({"a":{"title":"T1"},"status":{"code":1001,"msg":"No result","title":"skipped"}})"});
    result = recognize();
    EXPECT_EQ(result.value("message").toString(), "No result");
    EXPECT_EQ(result.value("title").toString(), "T1");
    EXPECT_EQ(result.value("networkError").toInt(), 0);
}

TEST_F(Recognition, DurationTakesTheFirstNonZeroValue)
{
    acr.answer(
        "/v1/identify",
        {HttpResponse::Mode::Full, 200, "application/json",
         R"({"m":[{"duration_ms":500},{"duration_ms":12999},{"duration_ms":99000},{"duration_ms":-5000}],"status":{"msg":"Success"}})"});
    EXPECT_EQ(recognize().value("duration").toInt(), 12);
}

TEST_F(Recognition, UnusableFileDeliversAtOnce)
{
    int rc = 0;
    audioPath = home.file(QStringLiteral("missing.mp3"));
    expectUnidentified(recognize(3, &rc));
    EXPECT_EQ(rc, -1);
    audioPath.clear();
    expectUnidentified(recognize(4, &rc));
    EXPECT_EQ(rc, -1);
    EXPECT_TRUE(acr.requests().isEmpty());
}

TEST_F(Recognition, BadIdentifyRepliesGiveAnEmptyMessage)
{
    const QByteArray deep = QByteArray(5000, '[') + QByteArray(5000, ']');
    const struct
    {
        const char* what;
        HttpResponse response;
    } cases[] = {
        {"server error", {HttpResponse::Mode::Full, 500, "application/json", identifyAnswer()}},
        {"not found", {HttpResponse::Mode::Full, 404, "text/plain", "nope"}},
        {"malformed JSON",
         {HttpResponse::Mode::Full, 200, "application/json", R"({"status":{"msg":"Success")"}},
        {"empty body", {HttpResponse::Mode::Full, 200, "application/json", ""}},
        {"HTML page", {HttpResponse::Mode::Full, 200, "text/html", "<html><body>Sign in</body></html>"}},
        {"deeply nested", {HttpResponse::Mode::Full, 200, "application/json", deep}},
        {"zero byte first",
         {HttpResponse::Mode::Full, 200, "application/json", QByteArray("\0", 1) + identifyAnswer()}},
        {"cut off", {HttpResponse::Mode::Truncated, 200, "application/json", identifyAnswer()}},
        {"closed without answer", HttpResponse::only(HttpResponse::Mode::CloseAtOnce)},
        {"oversized",
         {HttpResponse::Mode::Full, 200, "application/json",
          "{\"status\":{\"msg\":\"Success\"},\"pad\":\"" + QByteArray(2 << 20, 'x') + "\"}"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        acr.answer("/v1/identify", c.response);
        expectUnidentified(recognize());
    }
    EXPECT_TRUE(spotify.requests().isEmpty());
}

TEST_F(Recognition, RefusedConnection)
{
    EventLoopHttpServer closed;
    ASSERT_TRUE(closed.start());
    const QString hostPort = closed.hostPort();
    closed.close();
    ScopedEnv host(keys::kAcrHostVariable, hostPort.toLatin1());
    expectUnidentified(recognize());
}

TEST_F(Recognition, SilentIdentifyServerTimesOut)
{
    acr.answer("/v1/identify", HttpResponse::only(HttpResponse::Mode::Silent));
    QElapsedTimer clock;
    clock.start();
    expectUnidentified(recognize());
    EXPECT_GE(clock.elapsed(), CACRrecognize::kIdentifyTimeoutMs - 50);
    EXPECT_EQ(acr.requests().size(), 1);
}

TEST_F(Recognition, SpotifyFailuresKeepTheIdentification)
{
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", identifyAnswer()});
    const auto check = [&](int networkError)
    {
        const QVariantMap result = recognize();
        EXPECT_EQ(result.value("message").toString(), "Success");
        EXPECT_EQ(result.value("title").toString(), QString::fromUtf8("Kawa no Nagare é 日本"));
        EXPECT_EQ(result.value("artist").toString(), "The Killers");
        EXPECT_EQ(result.value("duration").toInt(), 222);
        EXPECT_EQ(result.value("networkError").toInt(), networkError);
        EXPECT_TRUE(result.value("imageBuffer").toByteArray().isEmpty());
    };
    const QByteArray cover = spotify.baseUrl().toLatin1() + "/image/cover.jpg";

    answerSpotify();
    spotify.answer("/api/token",
                   {HttpResponse::Mode::Full, 401, "application/json", R"({"error":"invalid_client"})"});
    check(401);
    spotify.answer("/api/token", {HttpResponse::Mode::Full, 200, "text/html", "<html>"});
    check(0);
    spotify.answer("/api/token",
                   {HttpResponse::Mode::Full, 200, "application/json", R"({"token_type":"Bearer"})"});
    check(0);
    spotify.answer("/api/token", HttpResponse::only(HttpResponse::Mode::CloseAtOnce));
    check(0);

    answerSpotify();
    spotify.answer("/v1/tracks/" + kTrackId, {HttpResponse::Mode::Full, 404, "application/json", "{}"});
    check(404);
    spotify.answer("/v1/tracks/" + kTrackId,
                   {HttpResponse::Mode::Full, 200, "application/json", R"({"album":{"name":"x"}})"});
    check(0);
    // No image between 201 and 399 pixels high: the empty address fails at once.
    spotify.answer("/v1/tracks/" + kTrackId,
                   {HttpResponse::Mode::Full, 200, "application/json", R"({"album":{"images":[]}})"});
    const int before = int(spotify.requests().size());
    check(0);
    EXPECT_EQ(spotify.requests().size(), before + 2);

    answerSpotify();
    spotify.answer("/image/cover.jpg", {HttpResponse::Mode::Full, 404, "text/plain", "gone"});
    check(404);
    // A partial picture (connection cut) or a page instead of a picture is never cover art.
    spotify.answer("/image/cover.jpg", {HttpResponse::Mode::Truncated, 200, "image/jpeg", kCover});
    check(0);
    spotify.answer("/image/cover.jpg", {HttpResponse::Mode::Full, 200, "text/html", "<html>portal</html>"});
    check(0);
    spotify.answer("/image/cover.jpg",
                   {HttpResponse::Mode::Full, 200, "image/jpeg", QByteArray(20 << 20, 'j')});
    check(0);
    // An image address that is not a web address is refused.
    spotify.answer("/v1/tracks/" + kTrackId,
                   {HttpResponse::Mode::Full, 200, "application/json", trackAnswer("file:///etc/hostname")});
    check(0);
}

TEST_F(Recognition, ImageChoiceByHeight)
{
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", identifyAnswer()});
    answerSpotify();
    const QByteArray base = spotify.baseUrl().toLatin1();
    spotify.answer("/img/250", {HttpResponse::Mode::Full, 200, "image/png", "two-fifty"});
    spotify.answer("/img/300", {HttpResponse::Mode::Full, 200, "image/png", "three-hundred"});
    spotify.answer("/img/edge", {HttpResponse::Mode::Full, 200, "image/png", "edge"});
    const auto withImages = [&](const QByteArray& images)
    {
        spotify.answer("/v1/tracks/" + kTrackId, {HttpResponse::Mode::Full, 200, "application/json",
                                                  R"({"album":{"images":[)" + images + "]}}"});
        return recognize().value("imageBuffer").toByteArray();
    };
    EXPECT_EQ(withImages(R"({"height":640,"url":")" + base + R"(/img/edge"},{"height":300,"url":")" + base +
                         R"(/img/300"},{"height":64,"url":")" + base + R"(/img/edge"})"),
              "three-hundred");
    EXPECT_EQ(withImages(R"({"height":300,"url":")" + base + R"(/img/300"},{"height":250,"url":")" + base +
                         R"(/img/250"})"),
              "two-fifty");
    EXPECT_EQ(withImages(R"({"height":200,"url":")" + base + R"(/img/edge"},{"height":400,"url":")" + base +
                         R"(/img/edge"})"),
              "");
}

TEST_F(Recognition, TokenRequestVerifiesTheServerCertificate)
{
    EventLoopHttpServer stranger(EventLoopHttpServer::Tls::UntrustedCertificate);
    ASSERT_TRUE(stranger.start());
    stranger.answer("/api/token", {HttpResponse::Mode::Full, 200, "application/json", tokenAnswer()});
    ScopedEnv host(keys::kSpotifyAccountsHostVariable, stranger.hostPort().toLatin1());
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", identifyAnswer()});
    answerSpotify();

    const QVariantMap result = recognize();
    EXPECT_EQ(result.value("message").toString(), "Success");
    EXPECT_EQ(result.value("networkError").toInt(), 0);
    EXPECT_TRUE(result.value("imageBuffer").toByteArray().isEmpty());
    EXPECT_TRUE(stranger.requests().isEmpty()); // the credentials never reached it
    EXPECT_TRUE(spotify.requests().isEmpty());
}

TEST_F(Recognition, UnsafeSpotifyTrackIdIsRefused)
{
    answerSpotify();
    for (const QByteArray& id :
         {QByteArray("../../v1/me?x=1"), QByteArray("abc def"), QByteArray("abc%2F"), QByteArray(65, 'a')})
    {
        SCOPED_TRACE(id.constData());
        acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", identifyAnswer(id)});
        const QVariantMap result = recognize();
        EXPECT_EQ(result.value("message").toString(), "Success");
        EXPECT_EQ(result.value("artist").toString(), "The Killers");
        EXPECT_TRUE(result.value("imageBuffer").toByteArray().isEmpty());
    }
    EXPECT_TRUE(spotify.requests().isEmpty());
    EXPECT_TRUE(CACRrecognize::IsSpotifyId(QString::fromLatin1(kTrackId)));
}

TEST_F(Recognition, TagsAndCoverArtComeFromTheSameSong)
{
    answerSpotify();
    const QByteArray otherId = "0000000000000000000000";
    spotify.answer("/v1/tracks/" + otherId,
                   {HttpResponse::Mode::Full, 200, "application/json", R"({"album":{"images":[]}})"});

    // Two songs with a Spotify track each: the first song's track is fetched.
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json",
                                R"({"metadata":{"music":[)"
                                R"({"external_metadata":{"spotify":{"track":{"id":")" +
                                    kTrackId +
                                    R"("}}},"title":"First"},)"
                                    R"({"external_metadata":{"spotify":{"track":{"id":")" +
                                    otherId +
                                    R"("}}},"title":"Second"}]},)"
                                    R"("status":{"msg":"Success"}})"});
    QVariantMap result = recognize();
    EXPECT_EQ(result.value("title").toString(), "First");
    EXPECT_EQ(result.value("imageBuffer").toByteArray(), kCover);
    EXPECT_EQ(requestsTo("/v1/tracks/" + otherId), 0);

    // The first song has no Spotify track: the second song's cover art is not taken.
    const int before = int(spotify.requests().size());
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json",
                                R"({"metadata":{"music":[{"title":"First"},)"
                                R"({"external_metadata":{"spotify":{"track":{"id":")" +
                                    kTrackId +
                                    R"("}}},"title":"Second"}]},)"
                                    R"("status":{"msg":"Success"}})"});
    result = recognize();
    EXPECT_EQ(result.value("title").toString(), "First");
    EXPECT_TRUE(result.value("imageBuffer").toByteArray().isEmpty());
    EXPECT_EQ(spotify.requests().size(), before);
}

TEST_F(Recognition, SilentSpotifyServerTimesOut)
{
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", identifyAnswer()});
    answerSpotify();
    spotify.answer("/api/token", HttpResponse::only(HttpResponse::Mode::Silent));
    const QVariantMap result = recognize();
    EXPECT_EQ(result.value("message").toString(), "Success");
    EXPECT_EQ(result.value("networkError").toInt(), 0);
    EXPECT_TRUE(result.value("imageBuffer").toByteArray().isEmpty());
}

// As the recognition jobs run it: ten clients at once, each on a pool thread inside its own
// event loop, the result queued to the main thread.
TEST_F(Recognition, TenClientsOnPoolThreads)
{
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", identifyAnswer()});
    answerSpotify();

    QObject receiver;
    QMap<int, QVariantMap> results;
    int deliveries = 0;
    QThreadPool pool;
    pool.setMaxThreadCount(10);
    for (int identify = 0; identify < 10; ++identify)
    {
        pool.start(
            [&, identify]
            {
                CACRrecognize client;
                QEventLoop loop;
                // Queued, so a result emitted before the loop runs still ends it.
                QObject::connect(&client, &CACRrecognize::signalGetResult, &loop, &QEventLoop::quit,
                                 Qt::QueuedConnection);
                QObject::connect(&client, &CACRrecognize::signalGetResult, &receiver,
                                 [&](const QVariantMap& result)
                                 {
                                     EXPECT_EQ(QThread::currentThread(), receiver.thread());
                                     ++deliveries;
                                     results.insert(result.value("identify").toInt(), result);
                                 });
                client.RecognizeFile(audioPath, identify);
                loop.exec();
            });
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return deliveries >= 10; }, 30000));
    EXPECT_TRUE(pool.waitForDone(30000));
    QTest::qWait(50);
    EXPECT_EQ(deliveries, 10);
    ASSERT_EQ(results.size(), 10);
    for (const QVariantMap& result : results)
    {
        EXPECT_EQ(result.value("message").toString(), "Success");
        EXPECT_EQ(result.value("imageBuffer").toByteArray(), kCover);
    }
    EXPECT_EQ(acr.requests().size(), 10);
    EXPECT_EQ(spotify.requests().size(), 30);
}

TEST(RecognitionKeys, HmacSha1MatchesRfc2202)
{
    EXPECT_EQ(QByteArray::fromBase64(CACRrecognize::HmacSha1(QByteArray(20, '\x0b'), "Hi There")).toHex(),
              "b617318655057264e28bc0b6fb378c8ef146be00");
    EXPECT_EQ(QByteArray::fromBase64(CACRrecognize::HmacSha1("Jefe", "what do ya want for nothing?")).toHex(),
              "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79");
    // A key longer than the 64-byte block is hashed first.
    EXPECT_EQ(QByteArray::fromBase64(
                  CACRrecognize::HmacSha1(QByteArray(80, '\xaa'),
                                          "Test Using Larger Than Block-Size Key - Hash Key First"))
                  .toHex(),
              "aa4ae5e15272d00e95705637ce8a3b55ed402112");
}
