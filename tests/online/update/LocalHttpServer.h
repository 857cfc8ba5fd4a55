#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tidewell::test
{

// A small HTTP/1.1 server on 127.0.0.1 for blocking clients: it runs on its own thread and
// answers each request with whatever the test's responder returns. Each connection serves
// one request and is then closed.
class LocalHttpServer
{
public:
    struct Request
    {
        std::string requestLine; // "GET /path?query HTTP/1.1"
        std::string headers;     // raw header lines
        std::string header(const std::string& name) const;
    };
    // What to send back: raw bytes, then close; `silent` keeps the connection open and mute
    // until the server stops.
    struct Response
    {
        std::string raw;
        bool silent = false;
    };
    using Responder = std::function<Response(const Request&, int index)>;

    explicit LocalHttpServer(Responder responder);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int port() const { return m_port; }
    std::vector<Request> requests() const;

    static Response Ok(const std::string& body, const std::string& type = "text/xml");
    static Response Status(int code, const std::string& body);

private:
    void run();
    void serve(int fd);

    Responder m_responder;
    int m_listenFd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<Request> m_requests;
    std::thread m_thread;
};

} // namespace tidewell::test
