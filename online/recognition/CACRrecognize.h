#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

// Identifies one audio file by its acoustic fingerprint through the recognition service and
// delivers what the service says about the song as one Metadata map. When the answer names a
// Spotify track, the cover art is fetched through the Spotify Web API before delivery.
//
// The Metadata map always holds the ten keys "identify", "title", "artist", "album",
// "releaseDate", "genre", "duration", "message" ("Success" marks a recognised song),
// "imageBuffer" and "networkError"; signalGetResult is emitted exactly once per recognition.
//
// Threading: a client belongs to the thread that created it (a recognition job's pool thread)
// and is used by that thread alone; its requests, replies and watchdogs are served by that
// thread's event loop. The result leaves the thread only through signalGetResult.
// Ownership: every access manager is a child of the client and is released after its one reply,
// or with the client.
class CACRrecognize : public QObject
{
    Q_OBJECT

public:
    CACRrecognize();
    ~CACRrecognize() override;

    // Starts one recognition. 0 when the identify request was sent; -1 when the file cannot be
    // used, in which case the result (reset values and "identify") has already been emitted.
    int RecognizeFile(const QString& path, int identify);
    // The transfer error of the last identify reply (a QNetworkReply::NetworkError; 0 for a clean
    // reply or when no request was sent). A failed reply leaves the result's "networkError" at 0,
    // so a caller that must tell an unreachable service from a bad answer asks here.
    int IdentifyReplyError() const { return m_nNetworkError; }

    // HMAC-SHA1 (RFC 2104) of data keyed with key, as base64 text.
    static QByteArray HmacSha1(const QByteArray& key, const QByteArray& data);
    // Key texts: stored base64 text <-> Latin-1 text.
    static QString DecodeBase64(const QByteArray& stored);
    static QByteArray EncodeBase64(const QString& text);
    // A Spotify id is base-62 text; anything else is refused before it goes into an address.
    static bool IsSpotifyId(const QString& id);

    // Watchdog times and reply size limits.
    static constexpr int kIdentifyTimeoutMs = 5000;
    static constexpr int kSpotifyTimeoutMs = 10000;
    static constexpr qint64 kMaxAnswerBytes = 1 << 20;
    static constexpr qint64 kMaxImageBytes = 16 << 20;

signals:
    void signalGetResult(const QMap<QString, QVariant>& result);

private slots:
    void slotNetworkReply(QNetworkReply* reply);
    void slotSpotifyReply(QNetworkReply* reply);
    void slotImageReply(QNetworkReply* reply);

private:
    QNetworkAccessManager* NewAccessManager(bool noProxy);
    void ResetResult();
    QByteArray FingerprintFile(const QString& path, int startSeconds, int lengthSeconds, char databaseFlag);
    void PostMultipart(const QUrl& address, const QMap<QString, QVariant>& form);
    void ParseIdentifyReply(QNetworkReply* reply);
    void WalkResult(const QVariantMap& map);
    void RequestSpotifyToken();
    void RequestSpotifyTrack(const QString& token);
    void HandleSpotifyReply(QNetworkReply* reply);
    void ChooseImage(const QVariantList& images);
    void RequestImage();
    void StoreImage(QNetworkReply* reply);
    void FinishCoverArtReply(QNetworkReply* reply, void (CACRrecognize::*handle)(QNetworkReply*),
                             const char* failure, const QString& label);
    void EmitResult();
    void LogReply(QNetworkReply* reply, const QString& label);

    QPointer<QNetworkAccessManager> m_pIdentifyManager;
    QString m_sFilePath;
    QString m_sTitle;
    QString m_sAlbum;
    QString m_sArtist;
    QString m_sReleaseDate;
    QString m_sGenre;
    int m_nDuration = 0;
    QByteArray m_imageBytes;
    int m_nNetworkError = 0;
    QString m_sMessage;
    QMap<QString, QVariant> m_result;
    QString m_sSpotifyTrackId;
    QString m_sImageAddress;

    QByteArray m_acrHost;
    QByteArray m_accessKey;
    QByteArray m_accessSecret;
    QByteArray m_spotifyClientId;
    QByteArray m_spotifyClientSecret;

    // Set once a song of the answer's lists has supplied the title: a Spotify track met after
    // that belongs to another song, and its cover art would not match the tags.
    bool m_bSongChosen = false;
    // Guards the one emission per recognition.
    bool m_bDelivered = false;
};
