// The EtherCAT variable and group files, their layout, and the ESI file
// written from them.
#include "app/core/ULanguage.h"
#include "ethercat/esi/UEtherCAT_ESI_File.h"
#include "ethercat/model/EtherCAT_Layout.h"
#include "fuzz_support.h"
#include "platform/rtl/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const bool init = [] {
        Load_Default_Lang();
        return true;
    }();
    (void)init;
    const QString path = fuzz::File("EtherCAT_Slave.xml", fuzz::Bytes(Data, Size));
    TEtherCAT_Variables vars;
    if (!Read_EtherCAT_Slave(path, vars).Failed()) {
        for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS}) {
            std::vector<TEtherCAT_Entry> entries;
            String error;
            int size = 0;
            EtherCAT_Entries(vars.Rows(dir), dir, entries, error, &size);
            std::vector<TLayout_Row> rows;
            std::vector<bool> enabled;
            for (const TEtherCAT_Var& v : vars.Rows(dir)) {
                rows.push_back({Device_Enabled(v), v.Type, v.Length});
                enabled.push_back(Editor_Ticked(v));
            }
            try {
                Calc_Position_Bit(rows, &size);
            } catch (const EConvertError&) {
            }
            (void)Show_Group({{"G", 3}, {"H", -1}}, enabled);
        }
    }
    TEtherCAT_Groups groups;
    if (!Read_EtherCAT_Slave_Group(path, groups).Failed())
        for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS})
            (void)Find_Group_Index(Group_List(groups.Rows(dir)), 5);
    TEtherCAT_ESI_Data data;
    if (Load_EtherCAT_ESI_Data(fuzz::Dir() + "/no ParGen.xml", path, data).Ok) {
        try {
            (void)ESI_Bytes(data);
        } catch (const Exception&) {
        }
    }
    return 0;
}
