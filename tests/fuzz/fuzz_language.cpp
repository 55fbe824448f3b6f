// A language file (LANGUAGE/<Name>.lng) over the built-in texts.
#include "app/core/ULanguage.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    Load_Default_Lang();
    Load_Lang_File(fuzz::File("Fuzz.lng", fuzz::Bytes(Data, Size)));
    for (int n : {0, 9, 1033, 1106, 1140, 5399})
        (void)Lang_Text(n);
    (void)Format_Lang(Lang_Text(1033), {7});
    return 0;
}
