#pragma once

#include <QAbstractSocket>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

class MimeMessage;
class QTcpSocket;

// Sends one mail message over SMTP with blocking calls. Lives on, and blocks, the one thread that
// creates it (the bug-report thread); serves one exchange and is then deleted. Every wait runs
// the thread's own event loop in short turns, so a stop flag set from another thread ends any
// wait within a moment, whatever the server does.
// Failures are returned as false and their cause is emitted through smtpError; nothing throws.
//
// TLS (types 1 and 2) verifies the server's certificate with the socket's SSL configuration;
// GetSocket() gives access to that configuration (tests add their own CA there).
class SmtpClient : public QObject
{
    Q_OBJECT
public:
    enum ConnectionType
    {
        TcpConnection = 0,
        SslConnection = 1,
        TlsConnection = 2, // STARTTLS
    };

    enum AuthMethod
    {
        AuthPlain = 0,
        AuthLogin = 1,
    };

    enum SmtpError
    {
        ConnectionTimeoutError = 0,
        ResponseTimeoutError = 1,
        SendDataTimeoutError = 2,
        AuthenticationFailedError = 3,
        ServerError = 4,
        ClientError = 5,
    };
    Q_ENUM(SmtpError)

    // The connection type must be 0, 1 or 2; anything else is treated as 0.
    SmtpClient(const QString& host, int port, int connectionType, QObject* parent = nullptr);
    ~SmtpClient() override;

    QTcpSocket* GetSocket() const { return m_socket; }
    const QString& GetHost() const { return m_host; }
    int GetPort() const { return m_port; }
    int GetConnectionType() const { return m_connectionType; }
    const QString& GetName() const { return m_name; }
    const QString& GetUser() const { return m_user; }
    const QString& GetPassword() const { return m_password; }
    int GetAuthMethod() const { return m_authMethod; }
    int GetConnectionTimeout() const { return m_connectionTimeout; }
    int GetResponseTimeout() const { return m_responseTimeout; }
    int GetSendMessageTimeout() const { return m_sendMessageTimeout; }
    const QString& GetResponseText() const { return m_responseText; }
    int GetResponseCode() const { return m_responseCode; }

    void SetHost(const QString& host) { m_host = host; }
    void SetPort(int port) { m_port = port; }
    void SetName(const QString& name) { m_name = name; }
    void SetUser(const QString& user) { m_user = user; }
    void SetPassword(const QString& password) { m_password = password; }
    void SetAuthMethod(int method) { m_authMethod = method; }
    void SetConnectionTimeout(int ms) { m_connectionTimeout = ms; }
    void SetResponseTimeout(int ms) { m_responseTimeout = ms; }
    void SetSendMessageTimeout(int ms) { m_sendMessageTimeout = ms; }
    // Once the flag is true every wait gives up at once (as a time-out would); the flag is read
    // from this client's thread and may be set from any other. It must outlive the client.
    void SetStopFlag(const std::atomic<bool>* stop) { m_stop = stop; }

    // Connects, reads the greeting and says EHLO (for STARTTLS also upgrades and says EHLO again).
    bool ConnectToHost();
    bool Login();
    bool Login(const QString& user, const QString& password, int method);
    // Envelope, DATA, the message text (dot-stuffed, CRLF line ends) and the final ".".
    bool SendMail(MimeMessage& message);
    // Says QUIT without waiting for the reply.
    void Quit();

    // The message text as it goes on the wire after DATA: every line break CRLF, every line that
    // starts with "." doubled, so the text can never end the data early.
    static QByteArray ToDataBytes(const QString& text);

signals:
    void smtpError(SmtpClient::SmtpError error);

protected slots:
    void socketStateChanged(QAbstractSocket::SocketState state);
    void socketError(QAbstractSocket::SocketError error);
    void socketReadyRead();

private:
    void WaitForResponse(int minimumMs = -1);
    qint64 SendCommand(const QString& text);
    qint64 SendRaw(const QByteArray& bytes);
    bool WaitForEncryption();
    // Runs this thread's events until done() holds, ms pass or the stop flag is set; true when
    // done() held.
    bool WaitUntil(const std::function<bool()>& done, int ms);
    bool Stopped() const { return m_stop && m_stop->load(); }
    bool Expect(int code);

    QTcpSocket* m_socket = nullptr; // child of this client
    QString m_host;
    int m_port = 0;
    int m_connectionType = TcpConnection;
    QString m_name = QStringLiteral("localhost");
    QString m_user;
    QString m_password;
    int m_authMethod = AuthPlain;
    int m_connectionTimeout = 5000;
    int m_responseTimeout = 3000;
    int m_sendMessageTimeout = 60000;
    QString m_responseText;
    int m_responseCode = 0;
    const std::atomic<bool>* m_stop = nullptr;
};
