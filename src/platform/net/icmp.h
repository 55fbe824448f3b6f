#pragma once
// ICMP echo (ping) over IPv4.
//
// An unprivileged ping socket is tried first (the kernel then keeps the
// identifier and hands us only our own replies); where the user may not
// open one, a raw socket is used and the replies are filtered here. The
// socket never blocks: callers poll it, or watch Handle() with a notifier.
#include <QByteArray>

#include <cstdint>
#include <memory>

#include "platform/rtl/strings.h"

// Four decimal octets 0..255 ("010" allowed), nothing else: no resolver, no
// other notations. Address is in host order (192.168.0.1 = 0xC0A80001).
bool Parse_IPv4_Octets(const String& Text, uint32_t& Address);
// The address in its usual form without leading zeros.
String IPv4_To_Str(uint32_t Address);

class TEcho_Socket {
public:
    virtual ~TEcho_Socket() = default;
    // Opens the socket; false with a reason when neither kind is permitted.
    virtual bool Open(String& Error) = 0;
    // Sends one echo request with this sequence number and payload.
    virtual bool Send(uint32_t Address, uint16_t Sequence, const QByteArray& Payload, String& Error) = 0;
    // Reads what is waiting without blocking; true when an echo reply from
    // Address with our identifier and Sequence was among it (Data_Bytes gets
    // the length of its payload). Anything else read is dropped.
    virtual bool Poll_Reply(uint32_t Address, uint16_t Sequence, int& Data_Bytes) = 0;
    // The descriptor to watch for readability, -1 when not open.
    virtual int Handle() const = 0;
};

enum class TEcho_Kind { Any, Ping_Socket, Raw_Socket };

// A real ICMP socket. Any tries a ping socket, then a raw one.
std::unique_ptr<TEcho_Socket> Make_Icmp_Echo_Socket(TEcho_Kind Kind = TEcho_Kind::Any);

// The kind an opened real socket turned out to be (for tests and messages).
TEcho_Kind Icmp_Socket_Kind(const TEcho_Socket& Socket);

// The filter every received packet goes through: true when it is an echo
// reply with Sequence (and, from a raw socket, which hands over the IP
// header first, with our Identifier); Data_Bytes gets its payload length.
bool Echo_Reply_Matches(const unsigned char* Packet, size_t Size, bool Raw, uint16_t Identifier, uint16_t Sequence,
                        int& Data_Bytes);

// The Internet checksum of ICMP (one's complement sum of 16-bit words).
uint16_t Icmp_Checksum(const QByteArray& Bytes);
