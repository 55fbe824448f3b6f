#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "platform/net/http.h"
#include "support/loopback_server.h"

namespace {

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
    const THttp_Response r = Http_Get(request_to(server.Port()));
    EXPECT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_EQ(r.Status, 200);
    EXPECT_EQ(r.Body, "VER. 1.002");
    EXPECT_TRUE(server.Request().startsWith("GET /home/download/GetversionSW.asp?nomesw=CF48T21 HTTP/1.0\r\n"));
    EXPECT_TRUE(server.Request().contains("\r\nHost: 127.0.0.1:"));
    EXPECT_TRUE(server.Request().contains("\r\nAccept: text/html\r\n"));
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
        const THttp_Response r = Http_Get(request_to(server.Port()));
        EXPECT_FALSE(r.Ok) << c.name;
        EXPECT_EQ(r.Status, c.status) << c.name;
        EXPECT_FALSE(r.Error.isEmpty()) << c.name;
        EXPECT_TRUE(r.Body.isEmpty()) << c.name;
    }
}

// The read time-out is kept: the client waits that long for an answer, and
// an answer that comes later is not taken.
TEST(HttpGet, AServerSlowerThanTheReadTimeOutTimesOut)
{
    for (const bool silent : {true, false}) {
        SCOPED_TRACE(silent ? "never answers" : "answers after 3 s");
        std::unique_ptr<Loopback_Server> server =
            silent ? std::make_unique<Loopback_Server>("", true)
                   : std::make_unique<Loopback_Server>("HTTP/1.0 200 OK\r\n\r\nVER. 1.002", std::chrono::seconds(3));
        THttp_Request req = request_to(server->Port());
        req.Read_Timeout_Ms = 300;
        const auto t0 = std::chrono::steady_clock::now();
        const THttp_Response r = Http_Get(req);
        const auto waited = std::chrono::steady_clock::now() - t0;
        EXPECT_FALSE(r.Ok);
        EXPECT_FALSE(r.Error.isEmpty());
        EXPECT_TRUE(r.Body.isEmpty());
        EXPECT_GE(waited, std::chrono::milliseconds(300)) << "gave up before the time-out";
        EXPECT_LT(waited, std::chrono::seconds(3)) << "waited past the time-out";
    }
}

TEST(HttpGet, NoServerAndTooLongAnswers)
{
    const Closed_Loopback_Port closed;
    const THttp_Response refused = Http_Get(request_to(closed.Port()));
    EXPECT_FALSE(refused.Ok);
    EXPECT_FALSE(refused.Error.isEmpty());

    Loopback_Server big("HTTP/1.0 200 OK\r\n\r\n" + QByteArray(5000, 'a'));
    THttp_Request req = request_to(big.Port());
    req.Max_Bytes = 1000;
    const THttp_Response r = Http_Get(req);
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Body.isEmpty());
}

}  // namespace
