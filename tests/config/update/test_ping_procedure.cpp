#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "config/update/Ping_Procedure.h"

namespace {

struct Reply {
    int delay_ms;
    int bytes;
};

// An echo socket that answers request n (1-based) as its script says, on
// the test's clock.
class Scripted_Echo : public TEcho_Socket {
public:
    Scripted_Echo(const int64_t& now, std::map<int, Reply> script, bool open_ok = true, int fail_send_at = 0)
        : now_(now), script_(std::move(script)), open_ok_(open_ok), fail_send_at_(fail_send_at)
    {
    }
    bool Open(String& error) override
    {
        if (!open_ok_)
            error = "not permitted";
        return open_ok_;
    }
    bool Send(uint32_t, uint16_t seq, const QByteArray& payload, String& error) override
    {
        if (seq == fail_send_at_) {
            error = "network unreachable";
            return false;
        }
        payloads.push_back(payload);
        sent_at_[seq] = now_;
        return true;
    }
    bool Poll_Reply(uint32_t, uint16_t seq, int& bytes) override
    {
        const auto it = script_.find(seq);
        if (it == script_.end() || answered_.count(seq) || now_ < sent_at_[seq] + it->second.delay_ms)
            return false;
        answered_[seq] = true;
        bytes = it->second.bytes;
        return true;
    }
    int Handle() const override { return -1; }
    std::vector<QByteArray> payloads;

private:
    const int64_t& now_;
    std::map<int, Reply> script_;
    bool open_ok_;
    int fail_send_at_;
    std::map<int, int64_t> sent_at_;
    std::map<int, bool> answered_;
};

struct Outcome {
    TPing_Procedure::TState state;
    int requests;
    int64_t ended_at;
};

Outcome run(std::map<int, Reply> script, bool open_ok = true, int fail_send_at = 0)
{
    int64_t now = 1000;  // any start time
    auto socket = std::make_unique<Scripted_Echo>(now, std::move(script), open_ok, fail_send_at);
    TPing_Procedure ping(std::move(socket));
    ping.Start(0x7F000001, "127.0.0.1", now);
    while (!ping.Finished() && now < 20000) {
        now += 10;
        ping.Poll(now);
    }
    return {ping.State(), ping.Requests_Sent(), now - 1000};
}

std::map<int, Reply> every(int from, int to, Reply r)
{
    std::map<int, Reply> m;
    for (int i = from; i <= to; ++i)
        m[i] = r;
    return m;
}

TEST(PingProcedure, OutcomesOfTheScripts)
{
    using P = TPing_Procedure;
    auto silent_then_last = every(13, 13, {100, 32});  // 12 silent requests end at 4920 ms
    struct {
        const char* name;
        std::map<int, Reply> script;
        P::TState want;
        int requests;
    } cases[] = {
        {"always answering", every(1, 100, {5, 32}), P::Reply_With_Data, 2},
        {"never answering", {}, P::No_Reply, 13},
        {"answering then silent", every(1, 1, {5, 32}), P::No_Reply, 14},
        {"silent, then answering last", silent_then_last, P::Reply_With_Data, 13},
        {"replies without data", every(1, 100, {5, 0}), P::No_Reply, -1},
        {"a late reply is a time-out", every(1, 100, {450, 32}), P::No_Reply, -1},
        {"one good reply among silence", every(3, 3, {5, 32}), P::No_Reply, -1},
    };
    for (const auto& c : cases) {
        const Outcome o = run(c.script);
        EXPECT_EQ(o.state, c.want) << c.name;
        if (c.requests >= 0) {
            EXPECT_EQ(o.requests, c.requests) << c.name;
        }
        EXPECT_LE(o.ended_at, 5000 + 2 * TPing_Procedure::Request_Timeout_Ms) << c.name;
    }
}

TEST(PingProcedure, GivesUpAfterFiveSecondsNotBefore)
{
    const Outcome o = run({});
    EXPECT_GT(o.ended_at, 5000);
}

TEST(PingProcedure, SocketFailures)
{
    EXPECT_EQ(run(every(1, 9, {5, 32}), false).state, TPing_Procedure::Failed);
    const Outcome o = run(every(1, 9, {5, 0}), true, 3);
    EXPECT_EQ(o.state, TPing_Procedure::Failed);
    EXPECT_EQ(o.requests, 3);
}

TEST(PingProcedure, TheAddressTextIsTheData)
{
    int64_t now = 0;
    auto socket = std::make_unique<Scripted_Echo>(now, every(1, 9, {5, 32}));
    Scripted_Echo* raw = socket.get();
    TPing_Procedure ping(std::move(socket));
    ping.Start(0x7F000001, "127.0.0.1", now);
    ASSERT_EQ(raw->payloads.size(), 1u);
    EXPECT_EQ(raw->payloads[0], "127.0.0.1");
}

}  // namespace
