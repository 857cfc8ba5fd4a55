#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QTcpServer>

#include <functional>

namespace tidewell::test
{

// One request as it arrived on the wire.
struct HttpRequest
{
    QByteArray method;
    QByteArray target;
    QList<QPair<QByteArray, QByteArray>> headers; // in arrival order, names as sent
    QByteArray body;

    QByteArray header(const QByteArray& name) const;
};

// How the server answers one path.
struct HttpResponse
{
    enum class Mode
    {
        Full,        // status line, headers, whole body, then close
        Silent,      // read the request and never answer
        Truncated,   // announce Content-Length larger than the body, send the body, close
        CloseAtOnce, // close the connection without a word
    };
    Mode mode = Mode::Full;
    int status = 200;
    QByteArray contentType = "application/json";
    QByteArray body;

    // An answer that is not a plain reply (Silent, CloseAtOnce).
    static HttpResponse only(Mode mode)
    {
        HttpResponse response;
        response.mode = mode;
        return response;
    }
};

// A small HTTP/1.1 server on 127.0.0.1 for tests, living in the event loop (the update tests'
// LocalHttpServer runs on a thread of its own instead): records every request and answers it from a
// table of paths (404 for paths it does not know). With TLS it serves the test certificate.
// Runs on the thread that created it; the code under test must spin that thread's event loop.
class EventLoopHttpServer : public QTcpServer
{
    Q_OBJECT

public:
    enum class Tls
    {
        Off,
        TrustedCertificate,
        UntrustedCertificate
    };

    explicit EventLoopHttpServer(Tls tls = Tls::Off);

    // Listens on a free port of 127.0.0.1.
    bool start();
    // "127.0.0.1:<port>".
    QString hostPort() const;
    QString baseUrl() const;

    void answer(const QByteArray& path, const HttpResponse& response);
    // Answers each request of path with what responder makes of it (the fixed answer is dropped).
    void answerWith(const QByteArray& path, std::function<HttpResponse(const HttpRequest&)> responder);
    const QList<HttpRequest>& requests() const { return m_requests; }

    // Makes the trusted test certificate a trusted CA for the whole process (Qt's default TLS
    // configuration), the way a system certificate store would know a real service's CA.
    static void trustTestCertificate();

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    void serve(class QTcpSocket* socket, QByteArray& buffer);

    Tls m_tls;
    QMap<QByteArray, HttpResponse> m_answers;
    QMap<QByteArray, std::function<HttpResponse(const HttpRequest&)>> m_responders;
    QList<HttpRequest> m_requests;
};

// A self-signed certificate for 127.0.0.1 made with the openssl command, one per name and process.
struct TestCertificate
{
    QSslCertificate certificate;
    QSslKey key;
};
const TestCertificate& testCertificate(const QString& name);

// Sets an environment variable for the lifetime of the object.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const QByteArray& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace tidewell::test
