// Address helpers: IP addresses with and without a port, as fields and files
// give them.
#include "app/core/Helpers.h"
#include "fuzz_support.h"
#include "platform/net/icmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString t = fuzz::Utf8(Data, Size);
    String a, b, c, d;
    (void)Split_IP_Address(t, a, b, c, d);
    uint8_t b1, b2, b3, b4;
    uint16_t port;
    (void)IP_To_Bytes_Failed(t, b1, b2, b3, b4);
    (void)IP_Port_To_Bytes(t, b1, b2, b3, b4, port);
    uint32_t address = 0;
    if (Parse_IPv4_Octets(t, address)) {
        uint32_t again = 0;
        if (!Parse_IPv4_Octets(IPv4_To_Str(address), again) || again != address)
            __builtin_trap();  // the usual form reads back as the same address
    }
    (void)Check_SNMP_OID(t);
    return 0;
}
