#include "CACRrecognize.h"

#include "CNetworkReplyTimeout.h"
#include "JsonReader.h"
#include "NativePath.h"
#include "PullResultKeys.h"
#include "RegularFile.h"
#include "ServiceKeys.h"
#include "acr_extractor.h"

#include <QDateTime>
#include <QDebug>
#include <QHttpMultiPart>
#include <QMessageAuthenticationCode>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <algorithm>
#include <memory>

#include <unistd.h>

namespace keys = tidewell::online::keys;

namespace
{

const QString kIdentifyPath = QStringLiteral("/v1/identify");

QString ServiceHost(const char* variable, const QString& host)
{
    const QByteArray overridden = qgetenv(variable);
    return overridden.isEmpty() ? host : QString::fromUtf8(overridden);
}

// The size limit of a watched reply, kept on the reply itself.
const char kMaxBytesProperty[] = "tidewellMaxBytes";

// The reply's HTTP status, 0 when it has none. A transfer that was aborted (watchdog, size limit)
// or cut off after its headers may still carry the status 200 of those headers; its body is
// incomplete, so it counts as no answer at all. A reply larger than its limit counts as no
// answer as well.

int ReplyStatus(QNetworkReply* reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 200 && reply->error() != QNetworkReply::NoError)
        return 0;
    const QVariant maxBytes = reply->property(kMaxBytesProperty);
    if (status == 200 && maxBytes.isValid() && reply->bytesAvailable() > maxBytes.toLongLong())
        return 0;
    return status;
}

// Every request ends: a watchdog aborts it after timeoutMs, and it is aborted as soon as it
// announces or delivers more than maxBytes. Either abort takes the request's failure path. A
// reply that finishes before the size abort can land is caught by ReplyStatus.
void Watch(QNetworkReply* reply, int timeoutMs, qint64 maxBytes)
{
    new CNetworkReplyTimeout(reply, timeoutMs);
    reply->setProperty(kMaxBytesProperty, maxBytes);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, maxBytes](qint64 received, qint64 total)
                     {
                         if ((received > maxBytes || total > maxBytes) && reply->isRunning())
                         {
                             qDebug() << "reply larger than" << maxBytes << "bytes, aborted";
                             reply->abort();
                         }
                     });
}

// The body as UTF-8 text up to its first zero byte; never a null text, so an empty body is
// malformed JSON rather than "nothing".
QString ReplyText(const QByteArray& body)
{
    const qsizetype zero = body.indexOf('\0');
    QString text = QString::fromUtf8(zero < 0 ? body : body.left(zero));
    if (text.isNull())
        text = QLatin1String("");
    return text;
}

// A bearer token goes into a header line: printable ASCII only.
bool IsHeaderSafe(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(),
                                          [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7f; });
}

} // namespace

CACRrecognize::CACRrecognize()
    : m_acrHost(keys::kAcrHost), m_accessKey(keys::kAcrAccessKey), m_accessSecret(keys::kAcrAccessSecret),
      m_spotifyClientId(keys::kSpotifyClientId), m_spotifyClientSecret(keys::kSpotifyClientSecret)
{
    acr_init();
    m_pIdentifyManager = NewAccessManager(true);
    ResetResult();
}

CACRrecognize::~CACRrecognize() = default;

QNetworkAccessManager* CACRrecognize::NewAccessManager(bool noProxy)
{
    // Clients on pool threads make their managers at once, and a manager's construction fills
    // Qt's shared network set-up under a lock of Qt's own that the thread sanitizer cannot see:
    // one at a time, the order is plain to it. Construction is rare and short.
    static QMutex constructing;
    const QMutexLocker lock(&constructing);
    auto* manager = new QNetworkAccessManager(this);
    if (noProxy)
        manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    return manager;
}

int CACRrecognize::RecognizeFile(const QString& path, int identify)
{
    // The identify manager serves one request and is released after its reply.
    if (!m_pIdentifyManager)
        m_pIdentifyManager = NewAccessManager(true);

    ResetResult();
    m_result.insert(QLatin1String(PullResultKeys::kIdentify), identify);

    // Only a readable regular file, named by its own bytes (a FIFO would block the open).
    const QByteArray localPath = PathToNative(path);
    if (path.isEmpty() || !isRegularFile(localPath.constData()) || ::access(localPath.constData(), R_OK) != 0)
    {
        EmitResult();
        return -1;
    }

    const QString timestamp = QString::number(static_cast<qint32>(QDateTime::currentSecsSinceEpoch()));
    const QUrl address(QStringLiteral("http://") +
                       ServiceHost(keys::kAcrHostVariable, DecodeBase64(m_acrHost)) + kIdentifyPath);
    const QString accessKey = DecodeBase64(m_accessKey);
    const QString toSign = QStringList{QStringLiteral("POST"),        kIdentifyPath,       accessKey,
                                       QStringLiteral("fingerprint"), QStringLiteral("1"), timestamp}
                               .join(u'\n');
    const QByteArray signature = HmacSha1(DecodeBase64(m_accessSecret).toUtf8(), toSign.toUtf8());

    // Its outcome is not tested: an empty sample goes out all the same and the service decides.
    const QByteArray fingerprint = FingerprintFile(path, 0, 12, 0);
    m_sFilePath = path;

    QMap<QString, QVariant> form;
    form.insert(QStringLiteral("access_key"), accessKey);
    form.insert(QStringLiteral("sample_bytes"), QString::number(fingerprint.size()));
    form.insert(QStringLiteral("sample"), fingerprint);
    form.insert(QStringLiteral("timestamp"), timestamp);
    form.insert(QStringLiteral("signature"), QString::fromLatin1(signature));
    form.insert(QStringLiteral("data_type"), QStringLiteral("fingerprint"));
    form.insert(QStringLiteral("signature_version"), QStringLiteral("1"));
    PostMultipart(address, form);
    return 0;
}

QByteArray CACRrecognize::HmacSha1(const QByteArray& key, const QByteArray& data)
{
    return QMessageAuthenticationCode::hash(data, key, QCryptographicHash::Sha1).toBase64();
}

QString CACRrecognize::DecodeBase64(const QByteArray& stored)
{
    return QString::fromLatin1(QByteArray::fromBase64(stored));
}

QByteArray CACRrecognize::EncodeBase64(const QString& text)
{
    return text.toLatin1().toBase64();
}

bool CACRrecognize::IsSpotifyId(const QString& id)
{
    // Spotify ids are base-62 (22 characters today); the bound only keeps addresses sane.
    return !id.isEmpty() && id.size() <= 64 &&
           std::all_of(id.cbegin(), id.cend(),
                       [](QChar c)
                       {
                           const char16_t u = c.unicode();
                           return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') ||
                                  (u >= u'A' && u <= u'Z');
                       });
}

void CACRrecognize::ResetResult()
{
    m_sTitle.clear();
    m_sAlbum.clear();
    m_sArtist.clear();
    m_sReleaseDate.clear();
    m_sGenre.clear();
    m_sSpotifyTrackId.clear();
    m_sImageAddress.clear();
    m_sMessage.clear();
    m_sFilePath.clear();
    m_imageBytes.clear();
    m_nDuration = 0;
    m_nNetworkError = 0;
    m_bSongChosen = false;
    m_bDelivered = false;

    m_result.clear();
    for (const char* key : {PullResultKeys::kTitle, PullResultKeys::kAlbum, PullResultKeys::kArtist,
                            PullResultKeys::kReleaseDate, PullResultKeys::kGenre, PullResultKeys::kMessage})
        m_result.insert(QString::fromLatin1(key), QString());
    m_result.insert(QLatin1String(PullResultKeys::kDuration), 0);
    m_result.insert(QLatin1String(PullResultKeys::kNetworkError), 0);
    m_result.insert(QLatin1String(PullResultKeys::kImageBuffer), QByteArray());

    if (m_pIdentifyManager)
        disconnect(m_pIdentifyManager, &QNetworkAccessManager::finished, nullptr, nullptr);
}

QByteArray CACRrecognize::FingerprintFile(const QString& path, int startSeconds, int lengthSeconds,
                                          char databaseFlag)
{
    const QByteArray localPath = PathToNative(path);
    char* buffer = nullptr;
    const int result =
        create_fingerprint_by_file(localPath.constData(), startSeconds, lengthSeconds, databaseFlag, &buffer);
    if (result == -2)
    {
        qDebug().noquote() << path + QStringLiteral(" can not be decoded audio data!");
        return {};
    }
    if (result == -1)
    {
        qDebug().noquote() << path + QStringLiteral(" is not readable!");
        return {};
    }
    if (result <= 0 || !buffer)
    {
        acr_free(buffer);
        return {};
    }
    QByteArray fingerprint(buffer, result);
    acr_free(buffer);
    return fingerprint;
}

void CACRrecognize::PostMultipart(const QUrl& address, const QMap<QString, QVariant>& form)
{
    auto multiPart = std::make_unique<QHttpMultiPart>(QHttpMultiPart::FormDataType);
    // QMap walks in ascending key order, which is the order of the parts on the wire.
    for (auto it = form.cbegin(); it != form.cend(); ++it)
    {
        QHttpPart part;
        if (it.value().typeId() == QMetaType::QString)
        {
            part.setHeader(QNetworkRequest::ContentDispositionHeader,
                           QStringLiteral("form-data; name=\"%1\"").arg(it.key()));
            part.setBody(it.value().toString().toLatin1());
        }
        else if (it.value().typeId() == QMetaType::QByteArray)
        {
            part.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/octet-stream"));
            part.setHeader(QNetworkRequest::ContentDispositionHeader,
                           QStringLiteral("form-data; name=\"%1\"; filename=\"%1\"").arg(it.key()));
            part.setBody(it.value().toByteArray());
        }
        else
        {
            continue;
        }
        multiPart->append(part);
    }

    connect(m_pIdentifyManager, &QNetworkAccessManager::finished, this, &CACRrecognize::slotNetworkReply);
    QNetworkReply* reply = m_pIdentifyManager->post(QNetworkRequest(address), multiPart.get());
    Watch(reply, kIdentifyTimeoutMs, kMaxAnswerBytes);
    multiPart.release()->setParent(reply);
}

void CACRrecognize::slotNetworkReply(QNetworkReply* reply)
{
    const int status = ReplyStatus(reply);
    qDebug() << "Http status: " << status;
    qDebug() << "Reply error: " << reply->error();
    m_nNetworkError = reply->error();

    if (status == 200)
    {
        ParseIdentifyReply(reply);
    }
    else
    {
        qDebug() << "network error";
        EmitResult();
        reply->abort();
    }
    reply->deleteLater();
    LogReply(reply, QStringLiteral("network"));
}

void CACRrecognize::ParseIdentifyReply(QNetworkReply* reply)
{
    bool ok = false;
    const QVariant top = JsonReader::Parse(ReplyText(reply->readAll()), ok);
    if (!ok)
    {
        EmitResult();
        return;
    }
    WalkResult(top.toMap());

    m_result.insert(QLatin1String(PullResultKeys::kTitle), m_sTitle);
    m_result.insert(QLatin1String(PullResultKeys::kAlbum), m_sAlbum);
    m_result.insert(QLatin1String(PullResultKeys::kArtist), m_sArtist);
    m_result.insert(QLatin1String(PullResultKeys::kReleaseDate), m_sReleaseDate);
    m_result.insert(QLatin1String(PullResultKeys::kGenre), m_sGenre);
    m_result.insert(QLatin1String(PullResultKeys::kDuration), m_nDuration);
    m_result.insert(QLatin1String(PullResultKeys::kMessage), m_sMessage);
    m_result.insert(QLatin1String(PullResultKeys::kNetworkError), m_nNetworkError);

    if (m_sSpotifyTrackId.isEmpty())
    {
        EmitResult();
    }
    else if (!IsSpotifyId(m_sSpotifyTrackId))
    {
        qDebug() << "spotify track id refused:" << m_sSpotifyTrackId;
        EmitResult();
    }
    else
    {
        RequestSpotifyToken();
    }
}

void CACRrecognize::WalkResult(const QVariantMap& map)
{
    for (auto it = map.cbegin(); it != map.cend(); ++it)
    {
        const QString& key = it.key();
        const QVariant& value = it.value();
        switch (value.typeId())
        {
        case QMetaType::UInt:
            if (key == u"duration_ms" && m_nDuration == 0)
                m_nDuration = static_cast<int>(value.toUInt() / 1000);
            break;
        case QMetaType::QString:
            if (key == u"msg")
            {
                m_sMessage = value.toString();
                if (m_sMessage != QLatin1String(PullResultKeys::kSuccess))
                    return;
                qDebug() << "network message: " << m_sMessage;
            }
            else if (key == u"title" && m_sTitle.isEmpty())
            {
                m_sTitle = value.toString();
            }
            else if (key == u"release_date" && m_sReleaseDate.isEmpty())
            {
                m_sReleaseDate = value.toString();
            }
            break;
        case QMetaType::QVariantMap:
        {
            const QVariantMap object = value.toMap();
            // The first song met gives both the tags and the cover art.
            if (key == u"spotify" && object.contains(QStringLiteral("track")) &&
                m_sSpotifyTrackId.isEmpty() && !m_bSongChosen)
                m_sSpotifyTrackId =
                    object.value(QStringLiteral("track")).toMap().value(QStringLiteral("id")).toString();
            else if (key == u"album" && object.contains(QStringLiteral("name")) && m_sAlbum.isEmpty())
                m_sAlbum = object.value(QStringLiteral("name")).toString();
            WalkResult(object);
            break;
        }
        case QMetaType::QVariantList:
        {
            const QVariantList list = value.toList();
            for (const QVariant& element : list)
            {
                const QVariantMap object = element.toMap();
                if (element.typeId() == QMetaType::QVariantMap && object.contains(QStringLiteral("name")))
                {
                    if (key == u"artists" && m_sArtist.isEmpty())
                        m_sArtist = object.value(QStringLiteral("name")).toString();
                    else if (key == u"genres" && m_sGenre.isEmpty())
                        m_sGenre = object.value(QStringLiteral("name")).toString();
                }
                const bool hadTitle = !m_sTitle.isEmpty();
                WalkResult(object);
                if (!hadTitle && !m_sTitle.isEmpty())
                    m_bSongChosen = true;
            }
            break;
        }
        default:
            break;
        }
    }
}

void CACRrecognize::RequestSpotifyToken()
{
    const QUrl address(
        QStringLiteral("https://") +
        ServiceHost(keys::kSpotifyAccountsHostVariable, QString::fromLatin1(keys::kSpotifyAccountsHost)) +
        QStringLiteral("/api/token"));
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    const QString credentials = DecodeBase64(m_spotifyClientId) + u':' + DecodeBase64(m_spotifyClientSecret);
    const QString authorization = QStringLiteral("Basic ") + QString::fromLatin1(EncodeBase64(credentials));
    request.setRawHeader("Authorization", authorization.toUtf8());
    // TLS stays at Qt's defaults: current protocols, peer verification on.

    QNetworkAccessManager* manager = NewAccessManager(true);
    connect(manager, &QNetworkAccessManager::finished, this, &CACRrecognize::slotSpotifyReply);
    QNetworkReply* reply = manager->post(request, QByteArrayLiteral("grant_type=client_credentials"));
    Watch(reply, kSpotifyTimeoutMs, kMaxAnswerBytes);
}

void CACRrecognize::RequestSpotifyTrack(const QString& token)
{
    const QUrl address(
        QStringLiteral("https://") +
        ServiceHost(keys::kSpotifyApiHostVariable, QString::fromLatin1(keys::kSpotifyApiHost)) +
        QStringLiteral("/v1/tracks/") + m_sSpotifyTrackId);
    QNetworkRequest request(address);
    request.setRawHeader("Authorization", (QStringLiteral("Bearer ") + token).toUtf8());

    QNetworkAccessManager* manager = NewAccessManager(false);
    connect(manager, &QNetworkAccessManager::finished, this, &CACRrecognize::slotSpotifyReply);
    QNetworkReply* reply = manager->get(request);
    Watch(reply, kSpotifyTimeoutMs, kMaxAnswerBytes);
}

void CACRrecognize::slotSpotifyReply(QNetworkReply* reply)
{
    FinishCoverArtReply(reply, &CACRrecognize::HandleSpotifyReply, "spotify connection error",
                        QStringLiteral("spotify"));
}

void CACRrecognize::FinishCoverArtReply(QNetworkReply* reply, void (CACRrecognize::*handle)(QNetworkReply*),
                                        const char* failure, const QString& label)
{
    // A failure here never undoes the identification: the result keeps what the identify step
    // found and only records this reply's status.
    const int status = ReplyStatus(reply);
    if (status == 200)
    {
        (this->*handle)(reply);
    }
    else
    {
        qDebug() << failure;
        m_result.insert(QLatin1String(PullResultKeys::kNetworkError), status);
        EmitResult();
    }
    reply->deleteLater();
    LogReply(reply, label);
}

void CACRrecognize::HandleSpotifyReply(QNetworkReply* reply)
{
    bool ok = false;
    const QVariantMap answer = JsonReader::Parse(ReplyText(reply->readAll()), ok).toMap();
    if (!ok)
    {
        qDebug() << "ERROR";
        EmitResult();
        return;
    }
    if (answer.contains(QStringLiteral("access_token")))
    {
        const QString token = answer.value(QStringLiteral("access_token")).toString();
        if (IsHeaderSafe(token))
        {
            RequestSpotifyTrack(token);
        }
        else
        {
            qDebug() << "spotify token refused";
            EmitResult();
        }
        return;
    }
    const QVariantMap album = answer.value(QStringLiteral("album")).toMap();
    if (album.contains(QStringLiteral("images")))
    {
        ChooseImage(album.value(QStringLiteral("images")).toList());
        RequestImage();
        return;
    }
    EmitResult();
}

void CACRrecognize::ChooseImage(const QVariantList& images)
{
    for (const QVariant& element : images)
    {
        const QVariantMap image = element.toMap();
        const int height = image.value(QStringLiteral("height")).toInt();
        if (height > 200 && height < 400)
            m_sImageAddress = image.value(QStringLiteral("url")).toString();
    }
}

void CACRrecognize::RequestImage()
{
    // Only web addresses: an answer must not make the client read local files as cover art.
    QUrl address(m_sImageAddress);
    if (address.scheme() != u"https" && address.scheme() != u"http")
    {
        if (!m_sImageAddress.isEmpty())
            qDebug() << "image address refused:" << m_sImageAddress;
        address = QUrl();
    }

    QNetworkAccessManager* manager = NewAccessManager(true);
    connect(manager, &QNetworkAccessManager::finished, this, &CACRrecognize::slotImageReply);
    QNetworkReply* reply = manager->get(QNetworkRequest(address));
    Watch(reply, kSpotifyTimeoutMs, kMaxImageBytes);
}

void CACRrecognize::slotImageReply(QNetworkReply* reply)
{
    FinishCoverArtReply(reply, &CACRrecognize::StoreImage, "image error", QStringLiteral("image"));
}

void CACRrecognize::StoreImage(QNetworkReply* reply)
{
    // A page served in place of the picture (a portal, an error page) is no cover art.
    const QString type = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    if (!type.isEmpty() && !type.startsWith(u"image/", Qt::CaseInsensitive))
    {
        qDebug() << "image error: content type" << type;
    }
    else if (m_imageBytes.isEmpty())
    {
        m_imageBytes = reply->readAll();
        m_result.insert(QLatin1String(PullResultKeys::kImageBuffer), m_imageBytes);
    }
    EmitResult();
}

void CACRrecognize::EmitResult()
{
    if (m_bDelivered)
        return;
    m_bDelivered = true;
    emit signalGetResult(m_result);
}

void CACRrecognize::LogReply(QNetworkReply* reply, const QString& label)
{
    qDebug().noquote() << QStringLiteral(" ------%1 reply : ").arg(label) << reply->isFinished()
                       << reply->operation() << reply->error();
    QNetworkAccessManager* manager = reply->manager();
    if (manager == m_pIdentifyManager)
        m_pIdentifyManager = nullptr;
    manager->deleteLater();
}
