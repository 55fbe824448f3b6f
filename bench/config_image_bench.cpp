// Compiling a full configuration (256 variables in each direction, 16 groups
// in each) against just reading its three XML files: the compile should cost
// little more than the reading.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "config/image/USaveBincc.h"
#include "config/model/ParGen.h"
#include "ethercat/model/EtherCAT_Layout.h"

namespace {

struct Fixture {
    QTemporaryDir Dir;
    String ParGen, Slave, Groups;

    Fixture()
    {
        ParGen = Dir.filePath("ParGen.xml");
        Slave = Dir.filePath("EtherCAT_Slave.xml");
        Groups = Dir.filePath("EtherCAT_Slave_Group.xml");

        TParGen p;
        p.SetValue("Eth_Conn_Device_Name", "bench-gateway");
        p.SetChecked("Eth_Conn_Enable_DNS", true);
        p.SetChecked("Modbus_TCP_Slave_EN_GAT", true);
        p.Save(ParGen);

        // Every type in turn, with an initial value for slave to master.
        const char* const init[] = {"1", "-5", "1000", "-70000", "200", "60000", "4000000000", "1.25", "0A0B0C0D", "Text"};
        TEtherCAT_Variables vars;
        for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS}) {
            std::vector<TEtherCAT_Var>& rows = vars.Rows(dir);
            std::vector<TLayout_Row> layout;
            for (int i = 0; i < EtherCAT_Max_Variables; ++i) {
                const TEtherCAT_Type& t = EtherCAT_Types()[size_t(i % 10)];
                TEtherCAT_Var v;
                v.Enable = "Y";
                v.Type = t.Name;
                v.Length = t.Size ? QString::number(t.Size) : QString("8");
                v.Name = QString("Variable_%1").arg(i);
                if (dir == TEtherCAT_Dir::StoM)
                    v.InitValue = init[i % 10];
                rows.push_back(v);
                layout.push_back({true, v.Type, v.Length});
            }
            const std::vector<TLayout_Slot> places = Calc_Position_Bit(layout);
            for (size_t i = 0; i < rows.size(); ++i) {
                rows[i].Position = QString::number(places[i].Position);
                rows[i].BitStart = QString::number(places[i].Bit);
            }
        }
        Save_EtherCAT_Slave(Slave, vars);

        TEtherCAT_Groups groups;
        for (int g = 0; g < EtherCAT_Max_Groups; ++g) {
            groups.StoM.push_back({QString("Group_In_%1").arg(g), "16", ""});
            groups.MtoS.push_back({QString("Group_Out_%1").arg(g), "16", ""});
        }
        Save_EtherCAT_Slave_Group(Groups, groups);
    }
};

const Fixture& fixture()
{
    static const Fixture f;
    return f;
}

void BM_Read_Three_Files(benchmark::State& state)
{
    const Fixture& f = fixture();
    for (auto _ : state) {
        TParGen p = TParGen::Load(f.ParGen);
        TEtherCAT_Variables vars;
        TEtherCAT_Groups groups;
        Read_EtherCAT_Slave(f.Slave, vars);
        Read_EtherCAT_Slave_Group(f.Groups, groups);
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(vars);
        benchmark::DoNotOptimize(groups);
    }
}
BENCHMARK(BM_Read_Three_Files)->Unit(benchmark::kMicrosecond);

void BM_Compile_Configuration(benchmark::State& state)
{
    const Fixture& f = fixture();
    TBank_Images images;
    for (auto _ : state) {
        const TCompile_Result r = Compile_Banks(f.ParGen, f.Slave, f.Groups, images);
        if (!r.Ok) {
            state.SkipWithError(r.Message.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(images);
    }
    state.counters["bank2_bytes"] = double(images.Bank2.size());
}
BENCHMARK(BM_Compile_Configuration)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
