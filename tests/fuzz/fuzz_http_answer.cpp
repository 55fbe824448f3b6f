// What a web server answers to the version check: the HTTP answer as read
// from the socket, and the version text in its body.
#include "app/core/Version_Check.h"
#include "fuzz_support.h"
#include "platform/net/http.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const THttp_Response r = Parse_Http_Answer(fuzz::Bytes(Data, Size));
    const QString text = QString::fromUtf8(r.Ok ? r.Body : fuzz::Bytes(Data, Size));
    (void)Answer_Names_Newer_Version(text);
    (void)Conv_Version(text);
    return 0;
}
