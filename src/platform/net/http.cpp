#include "platform/net/http.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace {

String errno_text(int e) { return String::fromLocal8Bit(std::strerror(e)); }

class TFd {
public:
    explicit TFd(int fd) : fd_(fd) {}
    ~TFd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// Waits until the socket is ready for Events or the time is up.
bool wait_for(int fd, short events, int timeout_ms)
{
    pollfd p{fd, events, 0};
    for (;;) {
        const int r = ::poll(&p, 1, timeout_ms);
        if (r < 0 && errno == EINTR)
            continue;
        return r > 0;
    }
}

bool connect_with_timeout(int fd, const sockaddr* addr, socklen_t len, int timeout_ms, String& error)
{
    if (::connect(fd, addr, len) == 0)
        return true;
    if (errno != EINPROGRESS) {
        error = errno_text(errno);
        return false;
    }
    if (!wait_for(fd, POLLOUT, timeout_ms)) {
        error = QStringLiteral("connection timed out");
        return false;
    }
    int so_error = 0;
    socklen_t so_len = sizeof so_error;
    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &so_error, &so_len);
    if (so_error != 0) {
        error = errno_text(so_error);
        return false;
    }
    return true;
}

bool send_all(int fd, const QByteArray& data, int timeout_ms, String& error)
{
    qsizetype sent = 0;
    while (sent < data.size()) {
        if (!wait_for(fd, POLLOUT, timeout_ms)) {
            error = QStringLiteral("sending timed out");
            return false;
        }
        const ssize_t n = ::send(fd, data.constData() + sent, size_t(data.size() - sent), MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            error = errno_text(errno);
            return false;
        }
        sent += n;
    }
    return true;
}

}  // namespace

THttp_Response Http_Get(const THttp_Request& Request)
{
    THttp_Response r;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const QByteArray host = Request.Host.toUtf8();
    const QByteArray port = QByteArray::number(Request.Port);
    if (const int e = ::getaddrinfo(host.constData(), port.constData(), &hints, &found); e != 0) {
        r.Error = QStringLiteral("cannot resolve %1: %2").arg(Request.Host, QString::fromLocal8Bit(gai_strerror(e)));
        return r;
    }
    std::unique_ptr<addrinfo, void (*)(addrinfo*)> guard(found, ::freeaddrinfo);

    int fd = -1;
    for (addrinfo* a = found; a && fd < 0; a = a->ai_next) {
        const int s = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (s < 0)
            continue;
        if (connect_with_timeout(s, a->ai_addr, a->ai_addrlen, Request.Connect_Timeout_Ms, r.Error))
            fd = s;
        else
            ::close(s);
    }
    if (fd < 0) {
        r.Error = QStringLiteral("cannot connect to %1:%2: %3").arg(Request.Host).arg(Request.Port).arg(r.Error);
        return r;
    }
    TFd socket(fd);
    r.Error.clear();

    QByteArray req = "GET " + Request.Path + " HTTP/1.0\r\nHost: " + host;
    if (Request.Port != 80)
        req += ":" + port;
    req += "\r\n";
    for (const auto& [name, value] : Request.Headers)
        req += name + ": " + value + "\r\n";
    req += "\r\n";
    if (!send_all(fd, req, Request.Read_Timeout_Ms, r.Error))
        return r;

    QByteArray answer;
    char buf[4096];
    for (;;) {
        if (!wait_for(fd, POLLIN, Request.Read_Timeout_Ms)) {
            r.Error = QStringLiteral("no answer in time");
            return r;
        }
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            r.Error = errno_text(errno);
            return r;
        }
        if (n == 0)
            break;
        answer.append(buf, n);
        if (answer.size() > Request.Max_Bytes) {
            r.Error = QStringLiteral("the answer is too long");
            return r;
        }
    }

    return Parse_Http_Answer(answer);
}

THttp_Response Parse_Http_Answer(const QByteArray& answer)
{
    THttp_Response r;
    const qsizetype head_end = answer.indexOf("\r\n\r\n");
    const qsizetype line_end = answer.indexOf("\r\n");
    const QByteArray status_line = answer.left(line_end < 0 ? answer.size() : line_end);
    const QList<QByteArray> parts = status_line.split(' ');
    if (parts.size() < 2 || !parts[0].startsWith("HTTP/")) {
        r.Error = QStringLiteral("not an HTTP answer");
        return r;
    }
    bool ok = false;
    r.Status = parts[1].toInt(&ok);
    if (!ok || head_end < 0) {
        r.Error = QStringLiteral("malformed HTTP answer");
        r.Status = ok ? r.Status : 0;
        return r;
    }
    if (r.Status < 200 || r.Status > 299) {
        r.Error = QStringLiteral("HTTP status %1").arg(r.Status);
        return r;
    }
    r.Body = answer.mid(head_end + 4);
    r.Ok = true;
    return r;
}

QByteArray Url_Encode(const String& Value)
{
    return Value.toUtf8().toPercentEncoding();
}
