#include <gtest/gtest.h>

#include <QFile>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/net/icmp.h"

namespace {

TEST(IPv4Octets, OnlyFourDecimalOctets)
{
    struct {
        const char* text;
        bool ok;
        uint32_t address;
    } cases[] = {
        {"127.0.0.1", true, 0x7F000001},     {"192.168.002.010", true, 0xC0A8020A},
        {"255.255.255.255", true, 0xFFFFFFFF}, {"0.0.0.0", true, 0},
        {"1.2.3", false, 0},                 {"1.2.3.4.5", false, 0},
        {"1.2.3.256", false, 0},             {"1.2.3.-1", false, 0},
        {"1.2.3.+1", false, 0},              {"1.2.3.0x1", false, 0},
        {"1.2.3.$1", false, 0},              {" 1.2.3.4", false, 0},
        {"1.2..4", false, 0},                {"localhost", false, 0},
        {"", false, 0},
    };
    for (const auto& c : cases) {
        uint32_t a = 12345;
        EXPECT_EQ(Parse_IPv4_Octets(c.text, a), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(a, c.address) << c.text;
        }
    }
    EXPECT_EQ(IPv4_To_Str(0xC0A8020A), "192.168.2.10");
}

TEST(IcmpChecksum, KnownPackets)
{
    // Echo request, id 0x1234, sequence 1, no payload: 08 00 sum 12 34 00 01.
    const QByteArray packet("\x08\x00\x00\x00\x12\x34\x00\x01", 8);
    const uint16_t sum = Icmp_Checksum(packet);
    EXPECT_EQ(sum, 0xE5CA);
    QByteArray with = packet;
    with[2] = char(sum >> 8);
    with[3] = char(sum & 0xFF);
    EXPECT_EQ(Icmp_Checksum(with), 0);  // a packet with its checksum sums to zero
    EXPECT_EQ(Icmp_Checksum(QByteArray("\x01", 1)), 0xFEFF);  // odd length pads with zero
}

// What a kind of socket needs, for the reason of a skip.
std::string what_it_needs(TEcho_Kind kind)
{
    QFile f("/proc/sys/net/ipv4/ping_group_range");
    const QByteArray range = f.open(QIODevice::ReadOnly) ? f.readAll().simplified().replace('\t', ' ') : "?";
    const std::string ping = "a group of the process (now " + std::to_string(::getegid()) +
                             ") inside net.ipv4.ping_group_range (now \"" + range.toStdString() + "\")";
    switch (kind) {
    case TEcho_Kind::Raw_Socket: return "a raw ICMP socket needs root (or CAP_NET_RAW)";
    case TEcho_Kind::Ping_Socket: return "an ICMP ping socket needs " + ping;
    default: return "ICMP needs root (or CAP_NET_RAW), or " + ping;
    }
}

// Pings the loopback address with one kind of socket; skips when the kind
// is not permitted here.
void ping_loopback(TEcho_Kind kind)
{
    auto socket = Make_Icmp_Echo_Socket(kind);
    String error;
    if (!socket->Open(error))
        GTEST_SKIP() << what_it_needs(kind) << ": " << error.toStdString();
    const uint32_t loopback = 0x7F000001;
    const QByteArray payload(32, 'x');
    ASSERT_TRUE(socket->Send(loopback, 7, payload, error)) << error.toStdString();
    int bytes = -1;
    bool got = false;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!got && std::chrono::steady_clock::now() < until) {
        // A reply to another sequence is not ours; on a raw socket our own
        // request (type 8) comes back too and must be passed over.
        got = socket->Poll_Reply(loopback, 7, bytes);
        if (!got)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(got);
    EXPECT_EQ(bytes, payload.size());
    // Nothing more is waiting for that sequence, and another sequence never matched.
    EXPECT_FALSE(socket->Poll_Reply(loopback, 7, bytes));
    ASSERT_TRUE(socket->Send(loopback, 8, payload, error));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(socket->Poll_Reply(loopback, 9, bytes));
}

TEST(IcmpEcho, RawSocketToLoopback) { ping_loopback(TEcho_Kind::Raw_Socket); }

TEST(IcmpEcho, PingSocketToLoopback) { ping_loopback(TEcho_Kind::Ping_Socket); }

TEST(IcmpEcho, AnyKindOpensWhereEitherIsPermitted)
{
    auto socket = Make_Icmp_Echo_Socket();
    String error;
    if (!socket->Open(error))
        GTEST_SKIP() << what_it_needs(TEcho_Kind::Any) << ": " << error.toStdString();
    EXPECT_NE(Icmp_Socket_Kind(*socket), TEcho_Kind::Any);
    EXPECT_GE(socket->Handle(), 0);
}

}  // namespace
