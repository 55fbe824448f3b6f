// Written files against the public ESI schema, and the description's entry
// offsets against what the image compiler stores in bank2.bin.
#include <QFile>

#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "app/core/ULanguage.h"
#include "config/image/USaveBincc.h"
#include "esi_support.h"
#include "ethercat/model/EtherCAT_Layout.h"
#include "support/temp_dir.h"

namespace {

const char* const kAll_Types[] = {"Bool", "Int8", "Int16", "Int32", "UInt8", "UInt16", "UInt32", "Float32", "Array", "String"};

std::vector<Var> Every_Type(const QString& Prefix)
{
    std::vector<Var> rows;
    for (const char* t : kAll_Types) {
        const TEtherCAT_Type* type = Find_EtherCAT_Type(t);
        rows.push_back({"Y", t, type->Size ? QString::number(type->Size) : "255", Prefix + t});
        rows.push_back({"Y", t, type->Size ? QString::number(type->Size) : "1", Prefix + t + "_min"});
    }
    return rows;
}

std::vector<Var> Mixed(int N, const QString& Prefix)
{
    std::vector<Var> rows;
    for (int i = 0; i < N; ++i) {
        const char* t = kAll_Types[(i * 7 + i / 10) % 10];
        const TEtherCAT_Type* type = Find_EtherCAT_Type(t);
        rows.push_back({"Y", t, type->Size ? QString::number(type->Size) : QString::number(1 + (i * 37) % 255),
                        Prefix + QString::number(i)});
    }
    return rows;
}

class EsiSchemaTest : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Lang(); }
    TempDir dir;
};

TEST_F(EsiSchemaTest, WrittenFilesValidate)
{
    struct {
        const char* What;
        QString ParGen;  // elements; empty: no ParGen.xml
        std::vector<Var> StoM, MtoS;
    } cases[] = {
        {"empty", {}, {}, {}},
        {"bits only", {},
         {{"Y", "Bool", "1", "a"}, {"N", "Bool", "1", "off"}, {"Y", "Bool", "1", "b"}, {"Y", "Bool", "1", "c"}},
         std::vector<Var>(11, Var{"Y", "Bool", "1", "o"})},
        {"every type",
         "<EtherCAT_Slave_Name>Slave</EtherCAT_Slave_Name><EtherCAT_Slave_Revision_Number>4294967295"
         "</EtherCAT_Slave_Revision_Number><EtherCAT_Slave_Node_Address>65535</EtherCAT_Slave_Node_Address>",
         Every_Type("in_"), Every_Type("out_")},
        {"17 entries per direction", {}, Mixed(17, "in"), Mixed(17, "out")},
        {"256 entries per direction", {}, Mixed(256, "in"), Mixed(256, "out")},
        // (256 of them would pass the sync managers' #x10000 and are refused)
        {"40 of the longest entries", {}, std::vector<Var>(40, Var{"Y", "String", "255", "s"}),
         std::vector<Var>(40, Var{"Y", "Array", "255", "a"})},
        {"non-ASCII and escaped names",
         // (the slave name stays within Latin-1, as the device stores it)
         QString::fromUtf8("<EtherCAT_Slave_Name>Gerät Ø &amp; &lt;Süd&gt; ÿ</EtherCAT_Slave_Name>"),
         {{"Y", "Int16", "2", QString::fromUtf8("Drehzahl ü/min")}, {"Y", "Bool", "1", QString::fromUtf8("故障 & <x>")}},
         {{"Y", "String", "8", QString::fromUtf8("Ελληνικά \"q\" 🌡")}, {"Y", "Bool", "1", ""}}},
    };
    // Every case is written and read back everywhere; only the schema
    // validation needs the schema folder.
    bool no_schema = false;
    for (const auto& c : cases) {
        QFile::remove(dir.file("ParGen.xml"));
        if (!c.ParGen.isEmpty())
            dir.write("ParGen.xml", ParGen_Xml(c.ParGen));
        Save_Vars(dir.file("EtherCAT_Slave.xml"), c.StoM, c.MtoS);
        const QString out = dir.file(QString("esi-%1.xml").arg(&c - cases));
        const TESI_Result r = Build_EtherCAT_ESI_File(out, dir.file("ParGen.xml"), dir.file("EtherCAT_Slave.xml"));
        ASSERT_TRUE(r.Ok) << c.What << ": " << r.Message.toStdString();
        Esi_File f;
        EXPECT_TRUE(Read_Esi(out, f)) << c.What;
        bool skip = false;
        EXPECT_TRUE(Validate_Against_Schema(out, skip)) << c.What;
        no_schema = no_schema || skip;
    }
    if (no_schema)
        GTEST_SKIP() << "the ESI schema is not at " << Schema_Dir().toStdString()
                     << ": every file was written and read back, the schema validation was skipped";
}

// The check itself finds a file that breaks the schema.
TEST_F(EsiSchemaTest, TheSchemaCheckFindsFaults)
{
    ASSERT_TRUE(Build_EtherCAT_ESI_File(dir.file("good.xml"), dir.file("none.xml"), dir.file("none.xml")).Ok);
    QByteArray bytes = dir.read("good.xml");
    bool skip = false;
    EXPECT_TRUE(Validate_Against_Schema(dir.file("good.xml"), skip));
    if (skip)
        GTEST_SKIP() << "the ESI schema is not at " << Schema_Dir().toStdString() << ": schema validation skipped";
    dir.write("bad.xml", bytes.replace("<GroupType>", "<Grouptype>").replace("</GroupType>", "</Grouptype>"));
    EXPECT_FALSE(Validate_Against_Schema(dir.file("bad.xml"), skip));
}

// The icon is a whole 16 x 14 bitmap file, written as hexadecimal.
TEST(EsiIcon, ASixteenByFourteenBitmap)
{
    const QString hex = ESI_Icon_Hex();
    EXPECT_EQ(hex, Icon_File_Hex());
    EXPECT_EQ(hex, hex.toUpper());
    ASSERT_EQ(hex.size() % 2, 0);
    const QByteArray bmp = QByteArray::fromHex(hex.toLatin1());
    ASSERT_GE(bmp.size(), 54);
    auto u32 = [&](int Off) {
        uint32_t v;
        std::memcpy(&v, bmp.constData() + Off, 4);
        return v;
    };
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(u32(2), uint32_t(bmp.size()));  // file size
    EXPECT_EQ(u32(18), 16u);                  // width
    EXPECT_EQ(u32(22), 14u);                  // height
}

// ---- the description against bank2.bin ------------------------------------------------

uint32_t U8(const QByteArray& b, qsizetype Off) { return uint8_t(b.at(Off)); }
uint32_t U16(const QByteArray& b, qsizetype Off) { return U8(b, Off) | U8(b, Off + 1) << 8; }
uint32_t U32(const QByteArray& b, qsizetype Off) { return U16(b, Off) | U16(b, Off + 2) << 16; }

// Type codes of the device image by ESI data type.
int Device_Code(const QString& Data_Type)
{
    const std::pair<const char*, int> codes[] = {{"BIT", 1},   {"SINT", 2},  {"INT", 3},   {"DINT", 4},
                                                 {"USINT", 5}, {"UINT", 6},  {"UDINT", 7}, {"REAL", 8}};
    for (const auto& [name, code] : codes)
        if (Data_Type == name)
            return code;
    if (Data_Type.startsWith("STRING("))
        return 9;
    if (Data_Type.startsWith("ARRAY ["))
        return 10;
    return -1;
}

class EsiLayoutTest : public EsiSchemaTest {
protected:
    // Writes the ESI file and compiles the images from the same files, then
    // checks every entry of both directions against its bank2 record.
    void check(const std::vector<Var>& StoM, const std::vector<Var>& MtoS, const QString& What)
    {
        SCOPED_TRACE(What.toStdString());
        const QString par = dir.file("ParGen.xml"), slave = dir.file("EtherCAT_Slave.xml"), out = dir.file("esi.xml");
        Save_Vars(slave, StoM, MtoS);
        const TESI_Result r = Build_EtherCAT_ESI_File(out, par, slave);
        ASSERT_TRUE(r.Ok) << r.Message.toStdString();
        TBank_Images images;
        const TCompile_Result c = Compile_Banks(par, slave, dir.file("none.xml"), images);
        ASSERT_TRUE(c.Ok) << c.Message.toStdString();
        Esi_File f;
        ASSERT_TRUE(Read_Esi(out, f));
        const QByteArray& b2 = images.Bank2;

        struct {
            const std::vector<Esi_Pdo>& Pdos;
            const std::vector<Var>& Rows;
            int Entry_Base;
            uint32_t Count, Table;
        } const dirs[2] = {{f.TxPdo, StoM, 0x6000, U16(b2, 28), U32(b2, 32) - Bank2_Base},
                           {f.RxPdo, MtoS, 0x7000, U16(b2, 30), U32(b2, 36) - Bank2_Base}};
        for (const auto& d : dirs) {
            int64_t offset = 0;  // bits before the entry, padding included
            uint32_t named = 0;
            for (const Esi_Pdo& p : d.Pdos)
                for (const Esi_Entry& e : p.Entries) {
                    if (!e.Padding()) {
                        bool ok = false;
                        const uint32_t j = uint32_t(e.Index.mid(2).toUInt(&ok, 16) - d.Entry_Base);
                        ASSERT_TRUE(ok) << e.Index.toStdString();
                        ASSERT_EQ(j, named) << e.Index.toStdString();
                        ASSERT_LT(j, d.Count);
                        const qsizetype rec = d.Table + 32 * qsizetype(j);
                        EXPECT_EQ(offset, 8 * int64_t(U32(b2, rec + 4)) + U8(b2, rec + 3))
                            << e.Index.toStdString() << " " << e.Name.toStdString();
                        EXPECT_EQ(Device_Code(e.DataType), int(U8(b2, rec))) << e.Index.toStdString();
                        const int length = int(U8(b2, rec + 1));
                        EXPECT_EQ(e.BitLen, e.DataType == "BIT" ? 1 : 8 * length + (U8(b2, rec) == 9 ? 8 : 0))
                            << e.Index.toStdString();
                        ++named;
                    }
                    offset += e.BitLen;
                }
            EXPECT_EQ(named, d.Count);
            EXPECT_EQ(offset % 8, 0) << "a direction ends on a byte boundary";
            // The byte total equals the layout's.
            std::vector<TLayout_Row> layout;
            for (const Var& v : d.Rows)
                layout.push_back({QLatin1String(v.Enable) == QLatin1String("Y"), v.Type, v.Length});
            int size = 0;
            Calc_Position_Bit(layout, &size);
            EXPECT_EQ(offset / 8, size);
            if (d.Entry_Base == 0x6000) {
                EXPECT_EQ(f.Outputs_Start, "#x" + QString::number(Outputs_Start_Address(size), 16).toUpper());
            }
        }
    }
};

TEST_F(EsiLayoutTest, MixedTypesAgreeWithTheDeviceImage)
{
    // Identity: the revision as bank2 stores it, the node address.
    dir.write("ParGen.xml", ParGen_Xml("<EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number>"
                                       "<EtherCAT_Slave_Node_Address>4660</EtherCAT_Slave_Node_Address>"));
    // The layout's worked example, then a bit run across a PDO boundary.
    std::vector<Var> stom = {{"Y", "Bool", "1", "r1"},  {"Y", "Bool", "1", "r2"},    {"N", "Int16", "2", "off"},
                             {"Y", "Bool", "1", "r4"},  {"Y", "Int16", "2", "r5"},   {"Y", "String", "10", "r6"}};
    for (int i = 0; i < 9; ++i)
        stom.push_back({"Y", "Bool", "1", "b" + QString::number(i)});
    stom.push_back({"Y", "Array", "4", "r16"});
    std::vector<Var> mtos(14, Var{"Y", "UInt32", "4", "u"});
    for (int i = 0; i < 5; ++i)
        mtos.push_back({"Y", "bool", "1", "m" + QString::number(i)});
    mtos.push_back({"Y", " float32", "99", "stale length"});
    check(stom, mtos, "mixed");

    TBank_Images images;
    ASSERT_TRUE(Compile_Banks(dir.file("ParGen.xml"), dir.file("EtherCAT_Slave.xml"), dir.file("none.xml"), images).Ok);
    Esi_File f;
    ASSERT_TRUE(Read_Esi(dir.file("esi.xml"), f));
    EXPECT_EQ(f.Revision_No, "#x" + QString::number(U32(images.Bank2, 24), 16).toUpper());
    EXPECT_EQ(f.Revision_No, "#xFFFFFFFF");
    EXPECT_EQ(U16(images.Bank2, 14), 4660u);
    EXPECT_EQ(f.Config_Data, "800F00CC8813ff00341200800000");
    EXPECT_EQ(f.TxPdo[0].Entries[5].Name, "r6");  // r1 r2 r4 pad5 r5 r6
}

// Random tables: runs of Bools, Arrays and Strings of every length, other
// types and disabled rows, up to 256 rows per direction.
TEST_F(EsiLayoutTest, RandomTablesAgreeWithTheDeviceImage)
{
    for (unsigned seed = 1; seed <= 24; ++seed) {
        std::mt19937 rng(seed);
        auto pick = [&](int N) { return int(rng() % unsigned(N)); };
        std::vector<Var> tables[2];
        for (std::vector<Var>& rows : tables) {
            const int n = seed % 6 == 0 ? 256 : pick(257);
            while (int(rows.size()) < n) {
                const char* enable = pick(5) == 0 ? "N" : "Y";
                const int kind = pick(4);
                if (kind == 0) {  // a run of Bools
                    for (int k = 1 + pick(20); k > 0 && int(rows.size()) < n; --k)
                        rows.push_back({pick(6) == 0 ? "N" : "Y", "Bool", "1", "b" + QString::number(rows.size())});
                } else if (kind == 1) {
                    rows.push_back({enable, pick(2) ? "Array" : "String", QString::number(1 + pick(255)),
                                    "s" + QString::number(rows.size())});
                } else {
                    const char* t = kAll_Types[1 + pick(7)];
                    rows.push_back({enable, t, QString::number(Find_EtherCAT_Type(t)->Size),
                                    "v" + QString::number(rows.size())});
                }
            }
        }
        check(tables[0], tables[1], "seed " + QString::number(seed));
        if (HasFatalFailure())
            return;
    }
}

}  // namespace
