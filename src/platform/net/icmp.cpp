#include "platform/net/icmp.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr uint8_t kEchoRequest = 8;
constexpr uint8_t kEchoReply = 0;

String errno_text() { return String::fromLocal8Bit(std::strerror(errno)); }

class TIcmp_Socket final : public TEcho_Socket {
public:
    explicit TIcmp_Socket(TEcho_Kind Wanted) : wanted_(Wanted) {}
    ~TIcmp_Socket() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    bool Open(String& Error) override
    {
        if (fd_ >= 0)
            return true;
        if (wanted_ != TEcho_Kind::Raw_Socket) {
            fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
            if (fd_ >= 0) {
                kind_ = TEcho_Kind::Ping_Socket;
                return true;
            }
            if (wanted_ == TEcho_Kind::Ping_Socket) {
                Error = QStringLiteral("Cannot open a ping socket: %1").arg(errno_text());
                return false;
            }
        }
        fd_ = ::socket(AF_INET, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (fd_ < 0) {
            Error = QStringLiteral("Cannot open an ICMP socket: %1").arg(errno_text());
            return false;
        }
        kind_ = TEcho_Kind::Raw_Socket;
        identifier_ = static_cast<uint16_t>(::getpid() & 0xFFFF);
        return true;
    }

    bool Send(uint32_t Address, uint16_t Sequence, const QByteArray& Payload, String& Error) override
    {
        if (fd_ < 0) {
            Error = QStringLiteral("The ICMP socket is not open");
            return false;
        }
        QByteArray packet(8, '\0');
        packet[0] = char(kEchoRequest);
        // A ping socket replaces the identifier with its own.
        packet[4] = char(identifier_ >> 8);
        packet[5] = char(identifier_ & 0xFF);
        packet[6] = char(Sequence >> 8);
        packet[7] = char(Sequence & 0xFF);
        packet += Payload;
        const uint16_t sum = Icmp_Checksum(packet);
        packet[2] = char(sum >> 8);
        packet[3] = char(sum & 0xFF);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(Address);
        const ssize_t n = ::sendto(fd_, packet.constData(), size_t(packet.size()), 0,
                                   reinterpret_cast<const sockaddr*>(&to), sizeof to);
        if (n != packet.size()) {
            Error = QStringLiteral("Cannot send the echo request: %1").arg(errno_text());
            return false;
        }
        return true;
    }

    bool Poll_Reply(uint32_t Address, uint16_t Sequence, int& Data_Bytes) override
    {
        if (fd_ < 0)
            return false;
        bool found = false;
        unsigned char buf[65536];
        for (;;) {
            sockaddr_in from{};
            socklen_t len = sizeof from;
            const ssize_t n = ::recvfrom(fd_, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &len);
            if (n < 0)
                break;  // nothing more waiting (or an error: treated as no reply)
            if (ntohl(from.sin_addr.s_addr) != Address)
                continue;
            int bytes = 0;
            if (!Echo_Reply_Matches(buf, size_t(n), kind_ == TEcho_Kind::Raw_Socket, identifier_, Sequence, bytes))
                continue;
            Data_Bytes = bytes;
            found = true;
        }
        return found;
    }

    int Handle() const override { return fd_; }
    TEcho_Kind Kind() const { return kind_; }

private:
    TEcho_Kind wanted_;
    TEcho_Kind kind_ = TEcho_Kind::Any;
    int fd_ = -1;
    uint16_t identifier_ = 0;
};

}  // namespace

bool Parse_IPv4_Octets(const String& Text, uint32_t& Address)
{
    const QStringList parts = Text.split(u'.');
    if (parts.size() != 4)
        return false;
    uint32_t a = 0;
    for (const String& p : parts) {
        int v;
        if (!TryStrToDecimalDigits(p, v) || v > 255)
            return false;
        a = a << 8 | uint32_t(v);
    }
    Address = a;
    return true;
}

String IPv4_To_Str(uint32_t Address)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(Address >> 24)
        .arg((Address >> 16) & 0xFF)
        .arg((Address >> 8) & 0xFF)
        .arg(Address & 0xFF);
}

std::unique_ptr<TEcho_Socket> Make_Icmp_Echo_Socket(TEcho_Kind Kind)
{
    return std::make_unique<TIcmp_Socket>(Kind);
}

TEcho_Kind Icmp_Socket_Kind(const TEcho_Socket& Socket)
{
    const auto* s = dynamic_cast<const TIcmp_Socket*>(&Socket);
    return s ? s->Kind() : TEcho_Kind::Any;
}

bool Echo_Reply_Matches(const unsigned char* Packet, size_t Size, bool Raw, uint16_t Identifier, uint16_t Sequence,
                        int& Data_Bytes)
{
    const unsigned char* icmp = Packet;
    if (Raw) {
        // A raw socket hands over the IP header too.
        if (Size < 20)
            return false;
        const size_t ihl = size_t(Packet[0] & 0x0F) * 4;
        if (Size < ihl)
            return false;
        icmp += ihl;
        Size -= ihl;
    }
    if (Size < 8 || icmp[0] != kEchoReply || icmp[1] != 0)
        return false;
    const uint16_t seq = uint16_t(icmp[6] << 8 | icmp[7]);
    const uint16_t id = uint16_t(icmp[4] << 8 | icmp[5]);
    if (seq != Sequence || (Raw && id != Identifier))
        return false;
    Data_Bytes = int(Size - 8);
    return true;
}

uint16_t Icmp_Checksum(const QByteArray& Bytes)
{
    uint32_t sum = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(Bytes.constData());
    qsizetype i = 0;
    for (; i + 1 < Bytes.size(); i += 2)
        sum += uint32_t(p[i] << 8 | p[i + 1]);
    if (i < Bytes.size())
        sum += uint32_t(p[i] << 8);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return uint16_t(~sum & 0xFFFF);
}
