#pragma once
// A one-connection HTTP server on 127.0.0.1 for the version check: reads the
// request head, then sends Answer (or, when Silent, nothing, holding the line
// until it is destroyed) and closes. Closed_Port() gives a port nobody
// listens on.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

class Loopback_Server {
public:
    explicit Loopback_Server(QByteArray Answer, bool Silent = false) : answer_(std::move(Answer)), silent_(Silent)
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        ::listen(fd_, 1);
        thread_ = std::thread([this] { Serve(); });
    }
    ~Loopback_Server()
    {
        done_ = true;
        ::shutdown(fd_, SHUT_RDWR);
        thread_.join();
        ::close(fd_);
    }
    Loopback_Server(const Loopback_Server&) = delete;
    Loopback_Server& operator=(const Loopback_Server&) = delete;

    uint16_t Port() const { return port_; }
    QByteArray Request() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return request_;
    }

    // A port on 127.0.0.1 that refuses connections.
    static uint16_t Closed_Port()
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
        ::close(fd);
        return ntohs(a.sin_port);
    }

private:
    void Serve()
    {
        const int c = ::accept(fd_, nullptr, nullptr);
        if (c < 0)
            return;
        char buf[1024];
        QByteArray head;
        while (!head.contains("\r\n\r\n")) {
            const ssize_t n = ::recv(c, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            head.append(buf, n);
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            request_ = head;
        }
        if (!silent_)
            ::send(c, answer_.constData(), size_t(answer_.size()), MSG_NOSIGNAL);
        else
            while (!done_)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ::close(c);
    }

    QByteArray answer_;
    bool silent_;
    int fd_ = -1;
    uint16_t port_ = 0;
    mutable std::mutex mutex_;
    QByteArray request_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};
