// The image compiler on its three files: ParGen.xml, the variable file and
// the group file, separated by the byte 0x1E.
#include "app/core/ULanguage.h"
#include "config/image/USaveBincc.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const bool init = [] {
        Load_Default_Lang();
        return true;
    }();
    (void)init;
    const std::vector<QByteArray> parts = fuzz::Split(Data, Size, 3);
    const QString par = fuzz::File("ParGen.xml", parts[0]);
    const QString slave = fuzz::File("EtherCAT_Slave.xml", parts[1]);
    const QString group = fuzz::File("EtherCAT_Slave_Group.xml", parts[2]);
    TBank_Images images;
    if (Compile_Banks(par, slave, group, images).Ok && (images.Bank1.size() != Bank1_Size ||
                                                        images.Bank2.size() > Bank_Max_Size))
        __builtin_trap();  // a compile that succeeds gives images the device takes
    return 0;
}
