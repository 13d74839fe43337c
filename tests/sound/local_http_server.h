#pragma once

#include <QByteArray>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

// A web server on 127.0.0.1 for one body, sent the way a radio station sends its stream: no length,
// the connection closed at the end. It serves whoever asks, on a thread of its own, until it is
// destroyed or its time is up. With a delay it reads the request and then says nothing that long,
// like a server that has stalled.
class LocalHttpServer
{
public:
    LocalHttpServer(QByteArray body, QByteArray contentType,
                    std::chrono::milliseconds answerDelay = std::chrono::milliseconds(0),
                    std::chrono::seconds lifetime = std::chrono::seconds(30))
        : m_body(std::move(body)), m_contentType(std::move(contentType)), m_answerDelay(answerDelay)
    {
        m_socket = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address = loopback(0);
        if (m_socket < 0 || bind(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
            listen(m_socket, 8) != 0)
            return;
        socklen_t size = sizeof address;
        getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &size);
        m_port = ntohs(address.sin_port);
        const auto deadline = std::chrono::steady_clock::now() + lifetime;
        m_thread = std::thread([this, deadline] { serve(deadline); });
    }
    ~LocalHttpServer()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_socket >= 0)
            close(m_socket);
    }
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    // 0 when the server could not start.
    int port() const { return m_port; }
    int requests() const { return m_requests; }

    // A port on 127.0.0.1 where nothing listens: one the system just handed out and took back.
    static int UnusedPort()
    {
        const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address = loopback(0);
        socklen_t size = sizeof address;
        int port = 0;
        if (probe >= 0 && bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
            getsockname(probe, reinterpret_cast<sockaddr *>(&address), &size) == 0)
            port = ntohs(address.sin_port);
        if (probe >= 0)
            close(probe);
        return port;
    }

private:
    static sockaddr_in loopback(int port)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    void serve(std::chrono::steady_clock::time_point deadline)
    {
        while (!m_stop && std::chrono::steady_clock::now() < deadline) {
            pollfd waiting{m_socket, POLLIN, 0};
            if (poll(&waiting, 1, 50) <= 0)
                continue;
            const int client = accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                continue;
            ++m_requests;
            readRequest(client);
            const auto answerAt = std::chrono::steady_clock::now() + m_answerDelay;
            while (!m_stop && std::chrono::steady_clock::now() < answerAt)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            const QByteArray answer = "HTTP/1.0 200 OK\r\nContent-Type: " + m_contentType +
                                      "\r\nConnection: close\r\n\r\n" + m_body;
            for (qsizetype sent = 0; sent < answer.size() && !m_stop;) {
                const ssize_t n = send(client, answer.constData() + sent, size_t(answer.size() - sent), MSG_NOSIGNAL);
                if (n <= 0)
                    break;
                sent += n;
            }
            close(client);
        }
    }

    // Reads up to the blank line that ends the request's header (or for a second at most).
    static void readRequest(int client)
    {
        QByteArray request;
        while (!request.contains("\r\n\r\n") && request.size() < 65536) {
            pollfd waiting{client, POLLIN, 0};
            if (poll(&waiting, 1, 1000) <= 0)
                return;
            char chunk[4096];
            const ssize_t n = recv(client, chunk, sizeof chunk, 0);
            if (n <= 0)
                return;
            request.append(chunk, n);
        }
    }

    QByteArray m_body, m_contentType;
    std::chrono::milliseconds m_answerDelay;
    int m_socket = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};
