#include "EventLoopHttpServer.h"

#include <QFile>
#include <QHostAddress>
#include <QMutex>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>

#include <map>

namespace tidewell::test
{

QByteArray HttpRequest::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

const TestCertificate& testCertificate(const QString& name)
{
    static QMutex mutex;
    static std::map<QString, TestCertificate> made;
    QMutexLocker lock(&mutex);
    if (auto it = made.find(name); it != made.end())
        return it->second;

    QTemporaryDir dir;
    const QString keyPath = dir.filePath(QStringLiteral("key.pem"));
    const QString certPath = dir.filePath(QStringLiteral("cert.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"), keyPath,
                   QStringLiteral("-out"), certPath, QStringLiteral("-days"), QStringLiteral("2"),
                   QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1/O=Tidewell test ") + name,
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")});
    openssl.waitForFinished(60000);

    TestCertificate result;
    QFile certFile(certPath);
    QFile keyFile(keyPath);
    if (certFile.open(QIODevice::ReadOnly) && keyFile.open(QIODevice::ReadOnly))
    {
        result.certificate = QSslCertificate(certFile.readAll(), QSsl::Pem);
        result.key = QSslKey(keyFile.readAll(), QSsl::Rsa, QSsl::Pem);
    }
    return made.emplace(name, result).first->second;
}

void EventLoopHttpServer::trustTestCertificate()
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificate(testCertificate(QStringLiteral("trusted")).certificate);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

EventLoopHttpServer::EventLoopHttpServer(Tls tls) : m_tls(tls) {}

bool EventLoopHttpServer::start()
{
    return listen(QHostAddress::LocalHost, 0);
}

QString EventLoopHttpServer::hostPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(serverPort());
}

QString EventLoopHttpServer::baseUrl() const
{
    return (m_tls == Tls::Off ? QStringLiteral("http://") : QStringLiteral("https://")) + hostPort();
}

void EventLoopHttpServer::answer(const QByteArray& path, const HttpResponse& response)
{
    m_responders.remove(path);
    m_answers.insert(path, response);
}

void EventLoopHttpServer::answerWith(const QByteArray& path,
                                     std::function<HttpResponse(const HttpRequest&)> responder)
{
    m_answers.remove(path);
    m_responders.insert(path, std::move(responder));
}

void EventLoopHttpServer::incomingConnection(qintptr socketDescriptor)
{
    QTcpSocket* socket = nullptr;
    if (m_tls == Tls::Off)
    {
        socket = new QTcpSocket(this);
        socket->setSocketDescriptor(socketDescriptor);
    }
    else
    {
        auto* sslSocket = new QSslSocket(this);
        const TestCertificate& cert = testCertificate(
            m_tls == Tls::TrustedCertificate ? QStringLiteral("trusted") : QStringLiteral("untrusted"));
        sslSocket->setLocalCertificate(cert.certificate);
        sslSocket->setPrivateKey(cert.key);
        sslSocket->setSocketDescriptor(socketDescriptor);
        sslSocket->startServerEncryption();
        socket = sslSocket;
    }
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this,
            [this, socket, buffer]
            {
                buffer->append(socket->readAll());
                serve(socket, *buffer);
            });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

void EventLoopHttpServer::serve(QTcpSocket* socket, QByteArray& buffer)
{
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;

    HttpRequest request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i)
    {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.append({line.left(colon), line.mid(colon + 1).trimmed()});
    }
    const qsizetype length = request.header("Content-Length").toLongLong();
    if (buffer.size() < headerEnd + 4 + length)
        return;
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.clear();
    m_requests.append(request);

    const QByteArray path = request.target.left(
        request.target.indexOf('?') < 0 ? request.target.size() : request.target.indexOf('?'));
    HttpResponse response;
    if (auto responder = m_responders.constFind(path); responder != m_responders.constEnd())
    {
        response = (*responder)(request);
    }
    else if (auto it = m_answers.constFind(path); it != m_answers.constEnd())
    {
        response = *it;
    }
    else
    {
        response.status = 404;
        response.contentType = "text/plain";
        response.body = "not found";
    }

    switch (response.mode)
    {
    case HttpResponse::Mode::Silent:
        return;
    case HttpResponse::Mode::CloseAtOnce:
        socket->disconnectFromHost();
        return;
    case HttpResponse::Mode::Full:
    case HttpResponse::Mode::Truncated:
        break;
    }
    const qsizetype announced =
        response.body.size() + (response.mode == HttpResponse::Mode::Truncated ? 4096 : 0);
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    if (!response.contentType.isEmpty())
        reply += "Content-Type: " + response.contentType + "\r\n";
    reply += "Content-Length: " + QByteArray::number(announced) + "\r\nConnection: close\r\n\r\n";
    reply += response.body;
    socket->write(reply);
    socket->disconnectFromHost();
}

ScopedEnv::ScopedEnv(const char* name, const QByteArray& value)
    : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
{
    qputenv(name, value);
}

ScopedEnv::~ScopedEnv()
{
    if (m_had)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

} // namespace tidewell::test
