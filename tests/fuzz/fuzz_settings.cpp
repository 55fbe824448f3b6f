// The settings file beside the executable.
#include "app/core/Settings.h"
#include "app/core/UComon.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const bool init = [] {
        Init_Program_State(fuzz::Dir());
        return true;
    }();
    (void)init;
    fuzz::File("Tessaran.xml", fuzz::Bytes(Data, Size));
    Read_Settings();
    return 0;
}
