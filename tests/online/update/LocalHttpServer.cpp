#include "LocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

namespace tidewell::test
{

std::string LocalHttpServer::Request::header(const std::string& name) const
{
    std::string lowerHeaders = headers;
    std::string lowerName = name + ":";
    std::transform(lowerHeaders.begin(), lowerHeaders.end(), lowerHeaders.begin(), ::tolower);
    std::transform(lowerName.begin(), lowerName.end(), lowerName.begin(), ::tolower);
    size_t at = lowerHeaders.find("\n" + lowerName);
    if (at == std::string::npos)
        return "<absent>";
    at += 1 + lowerName.size();
    const size_t end = headers.find("\r\n", at);
    std::string value = headers.substr(at, end - at);
    value.erase(0, value.find_first_not_of(' '));
    return value;
}

LocalHttpServer::LocalHttpServer(Responder responder) : m_responder(std::move(responder))
{
    m_listenFd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (::bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(m_listenFd, 16) != 0)
        return;
    socklen_t length = sizeof(address);
    ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { run(); });
}

LocalHttpServer::~LocalHttpServer()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_listenFd >= 0)
        ::close(m_listenFd);
}

std::vector<LocalHttpServer::Request> LocalHttpServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

LocalHttpServer::Response LocalHttpServer::Ok(const std::string& body, const std::string& type)
{
    return {"HTTP/1.1 200 OK\r\nContent-Type: " + type +
                "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body,
            false};
}

LocalHttpServer::Response LocalHttpServer::Status(int code, const std::string& body)
{
    return {"HTTP/1.1 " + std::to_string(code) + " Status\r\nContent-Length: " + std::to_string(body.size()) +
                "\r\nConnection: close\r\n\r\n" + body,
            false};
}

void LocalHttpServer::run()
{
    while (!m_stop)
    {
        pollfd pfd{m_listenFd, POLLIN, 0};
        if (::poll(&pfd, 1, 50) <= 0)
            continue;
        const int fd = ::accept(m_listenFd, nullptr, nullptr);
        if (fd < 0)
            continue;
        serve(fd);
        ::close(fd);
    }
}

void LocalHttpServer::serve(int fd)
{
    std::string received;
    char buffer[4096];
    while (!m_stop && received.find("\r\n\r\n") == std::string::npos)
    {
        pollfd pfd{fd, POLLIN, 0};
        if (::poll(&pfd, 1, 50) <= 0)
            continue;
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
        if (n <= 0)
            return;
        received.append(buffer, static_cast<size_t>(n));
    }
    if (m_stop)
        return;
    Request request;
    const size_t lineEnd = received.find("\r\n");
    request.requestLine = received.substr(0, lineEnd);
    request.headers = received.substr(lineEnd, received.find("\r\n\r\n") - lineEnd + 2);
    int index = 0;
    {
        std::lock_guard lock(m_mutex);
        index = static_cast<int>(m_requests.size());
        m_requests.push_back(request);
    }
    const Response response = m_responder(request, index);
    if (response.silent)
    {
        while (!m_stop)
        {
            pollfd pfd{fd, POLLIN, 0};
            if (::poll(&pfd, 1, 50) > 0 && ::recv(fd, buffer, sizeof(buffer), 0) <= 0)
                return; // the client gave up
        }
        return;
    }
    size_t sent = 0;
    while (sent < response.raw.size())
    {
        const ssize_t n = ::send(fd, response.raw.data() + sent, response.raw.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += static_cast<size_t>(n);
    }
}

} // namespace tidewell::test
