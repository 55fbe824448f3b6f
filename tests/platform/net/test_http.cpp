#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "platform/net/http.h"

namespace {

// A one-connection server on 127.0.0.1: reads the request head, then sends
// Answer (or nothing and holds the line when Silent) and closes.
class Loopback_Server {
public:
    Loopback_Server(QByteArray Answer, bool Silent = false) : answer_(std::move(Answer)), silent_(Silent)
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
        thread_ = std::thread([this] { serve(); });
    }
    ~Loopback_Server()
    {
        done_ = true;
        thread_.join();
        ::close(fd_);
    }
    uint16_t port() const { return port_; }
    QByteArray request() const { return request_; }

private:
    void serve()
    {
        const int c = ::accept(fd_, nullptr, nullptr);
        if (c < 0)
            return;
        char buf[1024];
        while (!request_.contains("\r\n\r\n")) {
            const ssize_t n = ::recv(c, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            request_.append(buf, n);
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
    QByteArray request_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};

THttp_Request request_to(uint16_t port)
{
    THttp_Request r;
    r.Host = "127.0.0.1";
    r.Port = port;
    r.Path = "/home/download/GetversionSW.asp?nomesw=" + Url_Encode("CF48T21");
    r.Headers = {{"Accept", "text/html"}};
    r.Connect_Timeout_Ms = 2000;
    r.Read_Timeout_Ms = 2000;
    return r;
}

TEST(HttpGet, ReadsTheBodyOfASuccessfulAnswer)
{
    Loopback_Server server("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nVER. 1.002");
    const THttp_Response r = Http_Get(request_to(server.port()));
    EXPECT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_EQ(r.Status, 200);
    EXPECT_EQ(r.Body, "VER. 1.002");
    EXPECT_TRUE(server.request().startsWith("GET /home/download/GetversionSW.asp?nomesw=CF48T21 HTTP/1.0\r\n"));
    EXPECT_TRUE(server.request().contains("\r\nHost: 127.0.0.1:"));
    EXPECT_TRUE(server.request().contains("\r\nAccept: text/html\r\n"));
}

TEST(HttpGet, FailuresAreReportedNotRaised)
{
    struct {
        const char* name;
        QByteArray answer;
        int status;
    } cases[] = {
        {"error status", "HTTP/1.1 404 Not Found\r\n\r\nmissing", 404},
        {"not HTTP", "hello", 0},
        {"head never ends", "HTTP/1.0 200 OK\r\nX: y", 200},
        {"closed at once", "", 0},
    };
    for (const auto& c : cases) {
        Loopback_Server server(c.answer);
        const THttp_Response r = Http_Get(request_to(server.port()));
        EXPECT_FALSE(r.Ok) << c.name;
        EXPECT_EQ(r.Status, c.status) << c.name;
        EXPECT_FALSE(r.Error.isEmpty()) << c.name;
        EXPECT_TRUE(r.Body.isEmpty()) << c.name;
    }
}

TEST(HttpGet, ASilentServerTimesOut)
{
    Loopback_Server server("", true);
    THttp_Request req = request_to(server.port());
    req.Read_Timeout_Ms = 300;
    const auto t0 = std::chrono::steady_clock::now();
    const THttp_Response r = Http_Get(req);
    EXPECT_FALSE(r.Ok);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(10));
}

TEST(HttpGet, NoServerAndTooLongAnswers)
{
    uint16_t closed_port;
    {
        Loopback_Server gone("HTTP/1.0 200 OK\r\n\r\n");
        closed_port = gone.port();
        Http_Get(request_to(closed_port));
    }
    EXPECT_FALSE(Http_Get(request_to(closed_port)).Ok);

    Loopback_Server big("HTTP/1.0 200 OK\r\n\r\n" + QByteArray(5000, 'a'));
    THttp_Request req = request_to(big.port());
    req.Max_Bytes = 1000;
    const THttp_Response r = Http_Get(req);
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Body.isEmpty());
}

}  // namespace
