// The filter every packet read from the ICMP socket goes through. The first
// five bytes choose the socket kind, our identifier and the sequence
// awaited; the rest is the packet.
#include "fuzz_support.h"
#include "platform/net/icmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 5)
        return 0;
    const bool raw = Data[0] & 1;
    const uint16_t id = uint16_t(Data[1] << 8 | Data[2]);
    const uint16_t seq = uint16_t(Data[3] << 8 | Data[4]);
    // A copy of exactly the packet's size, so a read past it is caught.
    const std::vector<unsigned char> packet(Data + 5, Data + Size);
    int bytes = -1;
    if (Echo_Reply_Matches(packet.data(), packet.size(), raw, id, seq, bytes) &&
        (bytes < 0 || size_t(bytes) + 8 > packet.size()))
        __builtin_trap();
    (void)Icmp_Checksum(fuzz::Bytes(Data, Size));
    return 0;
}
