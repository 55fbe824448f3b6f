// Reading files of any encoding, and writing text back in each.
#include "fuzz_support.h"
#include "platform/rtl/codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray bytes = fuzz::Bytes(Data, Size);
    TextEncoding detected;
    const QString text = DecodeText(bytes, &detected);
    (void)IsValidUtf8(bytes);
    for (TextEncoding e : {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Utf16LE, TextEncoding::Utf16BE,
                           TextEncoding::Windows1252})
        (void)DecodeText(EncodeText(text, e));
    bool lossless = false;
    const QByteArray ansi = StringToWindows1252(text, &lossless);
    if (lossless && Windows1252ToString(ansi) != text)
        __builtin_trap();  // what fits the code page comes back unchanged
    (void)Windows1252ToString(bytes);
    return 0;
}
