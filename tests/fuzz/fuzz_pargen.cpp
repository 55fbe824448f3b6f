// ParGen.xml as every reader takes it.
#include "app/core/ULanguage.h"
#include "config/model/ParGen.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const bool init = [] {
        Load_Default_Lang();
        return true;
    }();
    (void)init;
    const TParGen p = TParGen::Load(fuzz::File("ParGen.xml", fuzz::Bytes(Data, Size)));
    for (const TParGen_Key& k : ParGen_Keys())
        for (int r = 0; r < ParGen_Reader_Count; ++r)
            if (k.Read_By(TParGen_Reader(r)))
                (void)p.Value(QLatin1String(k.Name), TParGen_Reader(r));
    TEtherCAT_Slave_Identity id;
    String error;
    Read_EtherCAT_Slave_Identity(p, TParGen_Reader::Compiler, id, error);
    Read_EtherCAT_Slave_Identity(p, TParGen_Reader::ESI_Writer, id, error);
    return 0;
}
