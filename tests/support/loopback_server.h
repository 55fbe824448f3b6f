#pragma once
// A one-connection HTTP server on 127.0.0.1 for the version check: reads the
// request head, then sends Answer (after Delay; when Silent, never, holding
// the line until it is destroyed) and closes. The port is the one the system
// gave the listening socket, so tests running at the same time never meet.
//
// Closed_Loopback_Port holds a port on 127.0.0.1 that refuses connections: a
// bound socket that does not listen, kept until it is destroyed, so no other
// test can take the port meanwhile.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>

#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace loopback_detail {

// A TCP socket bound to 127.0.0.1 on a port the system chooses.
inline int Bound_Socket(uint16_t& Port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("no socket for the loopback server");
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        ::close(fd);
        throw std::runtime_error("cannot bind a port on 127.0.0.1");
    }
    Port = ntohs(a.sin_port);
    return fd;
}

}  // namespace loopback_detail

class Loopback_Server {
public:
    explicit Loopback_Server(QByteArray Answer, bool Silent = false)
        : Loopback_Server(std::move(Answer), std::chrono::milliseconds(0), Silent)
    {
    }
    // Answers only after Delay: a client with a shorter read time-out must
    // give up before it.
    Loopback_Server(QByteArray Answer, std::chrono::milliseconds Delay)
        : Loopback_Server(std::move(Answer), Delay, false)
    {
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

private:
    Loopback_Server(QByteArray Answer, std::chrono::milliseconds Delay, bool Silent)
        : answer_(std::move(Answer)), delay_(Delay), silent_(Silent)
    {
        fd_ = loopback_detail::Bound_Socket(port_);
        if (::listen(fd_, 1) != 0) {
            ::close(fd_);
            throw std::runtime_error("cannot listen on 127.0.0.1");
        }
        thread_ = std::thread([this] { Serve(); });
    }

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
        const auto until = std::chrono::steady_clock::now() + delay_;
        while (!done_ && (silent_ || std::chrono::steady_clock::now() < until))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!done_)
            ::send(c, answer_.constData(), size_t(answer_.size()), MSG_NOSIGNAL);
        ::close(c);
    }

    QByteArray answer_;
    std::chrono::milliseconds delay_;
    bool silent_;
    int fd_ = -1;
    uint16_t port_ = 0;
    mutable std::mutex mutex_;
    QByteArray request_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};

class Closed_Loopback_Port {
public:
    Closed_Loopback_Port() { fd_ = loopback_detail::Bound_Socket(port_); }
    ~Closed_Loopback_Port() { ::close(fd_); }
    Closed_Loopback_Port(const Closed_Loopback_Port&) = delete;
    Closed_Loopback_Port& operator=(const Closed_Loopback_Port&) = delete;

    uint16_t Port() const { return port_; }

private:
    int fd_ = -1;
    uint16_t port_ = 0;
};
