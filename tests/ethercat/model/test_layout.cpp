#include <gtest/gtest.h>

#include "app/core/ULanguage.h"
#include "ethercat/model/EtherCAT_Layout.h"

namespace {

struct Placed {
    int Position, Bit;
    bool operator==(const Placed&) const = default;
};

std::vector<Placed> placed(const std::vector<TLayout_Slot>& s)
{
    std::vector<Placed> out;
    for (const TLayout_Slot& x : s)
        out.push_back(x.Set ? Placed{x.Position, x.Bit} : Placed{-1, -1});
    return out;
}

std::ostream& operator<<(std::ostream& o, const Placed& p) { return o << p.Position << "/" << p.Bit; }

TLayout_Row on(const char* Type, const char* Length = "") { return {true, Type, Length}; }
TLayout_Row off(const char* Type, const char* Length = "") { return {false, Type, Length}; }

TEST(EtherCATLayout, TheTypeListAndTheLengthRule)
{
    const char* const order[] = {"Bool", "Int8", "Int16", "Int32", "UInt8", "UInt16", "UInt32", "Float32", "Array", "String"};
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 9};
    const char* const lengths[] = {"1", "1", "2", "4", "1", "2", "4", "4", "10", "10"};
    ASSERT_EQ(EtherCAT_Types().size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_STREQ(EtherCAT_Types()[size_t(i)].Name, order[i]);
        EXPECT_EQ(EtherCAT_Types()[size_t(i)].Code, codes[i]) << order[i];
        String length = "77";
        bool read_only = false;
        ASSERT_TRUE(Length_Rule(order[i], length, read_only));
        EXPECT_EQ(length, lengths[i]) << order[i];
        EXPECT_EQ(read_only, i < 8) << order[i];
    }
    // Matching trims and ignores letter case; anything else is no type.
    EXPECT_EQ(Find_EtherCAT_Type(" int16 ")->Code, 3);
    EXPECT_EQ(Find_EtherCAT_Type("FLOAT32")->Code, 8);
    for (const char* t : {"", "  ", "Int 16", "Int64", "Bit"})
        EXPECT_EQ(Find_EtherCAT_Type(t), nullptr) << t;
    String length = "5";
    bool read_only = true;
    EXPECT_FALSE(Length_Rule("Int64", length, read_only));
    EXPECT_EQ(length, "5");
    EXPECT_TRUE(read_only);

    // Bytes taken.
    EXPECT_EQ(Type_Bytes(Find_EtherCAT_Type("Int32"), "99"), 4);
    EXPECT_EQ(Type_Bytes(Find_EtherCAT_Type("Array"), "7"), 7);
    EXPECT_EQ(Type_Bytes(Find_EtherCAT_Type("String"), "7"), 8);
    EXPECT_EQ(Type_Bytes(nullptr, "3"), 3);
    EXPECT_EQ(Type_Bytes(nullptr, "x"), 0);
    EXPECT_EQ(Type_Bytes(Find_EtherCAT_Type("Array"), "$10"), 16);
}

TEST(EtherCATLayout, PacksTheWorkedExample)
{
    std::vector<TLayout_Row> rows = {on("Bool"), on("Bool"), off("Int16"), on("Bool"), on("Int16"), on("String", "10")};
    for (int i = 0; i < 8; ++i)
        rows.push_back(on("Bool"));
    rows.push_back(on("Bool"));
    rows.push_back(on("Array", "4"));
    rows.push_back(on(""));
    rows.push_back(on("Int8"));  // after the stop: untouched
    int size = 0;
    const std::vector<Placed> expected = {{0, 0},  {0, 1},  {0, 0},  {0, 2},  {1, 0},  {3, 0},
                                          {14, 0}, {14, 1}, {14, 2}, {14, 3}, {14, 4}, {14, 5},
                                          {14, 6}, {14, 7}, {15, 0}, {16, 0}, {-1, -1}, {-1, -1}};
    EXPECT_EQ(placed(Calc_Position_Bit(rows, &size)), expected);
    EXPECT_EQ(size, 20);
}

TEST(EtherCATLayout, PackingEdgeCases)
{
    const struct {
        const char* What;
        std::vector<TLayout_Row> Rows;
        std::vector<Placed> Expected;
        int Size;
    } cases[] = {
        {"eight bits fill one byte, no spare byte after them",
         {on("Bool"), on("Bool"), on("Bool"), on("Bool"), on("Bool"), on("Bool"), on("Bool"), on("Bool"), on("Int8")},
         {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}, {1, 0}},
         2},
        {"a ninth bit starts the next byte",
         {on("Bool"), on("Bool"), on("Bool"), on("Bool"), on("Bool"), on("Bool"), on("Bool"), on("Bool"), on("Bool")},
         {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}, {1, 0}},
         2},
        {"a disabled Int32 does not break a bit run",
         {on("Bool"), off("Int32"), on("Bool")},
         {{0, 0}, {0, 0}, {0, 1}},
         1},
        {"String of 1 takes two bytes, Array of 1 one, Array of 0 or junk none",
         {on("String", "1"), on("Array", "1"), on("Array", "0"), on("Array", "x"), on("Int8")},
         {{0, 0}, {2, 0}, {3, 0}, {3, 0}, {3, 0}},
         4},
        {"a Bool after an Int8 starts at bit 0 of the next byte",
         {on("Int8"), on("Bool"), on("Bool")},
         {{0, 0}, {1, 0}, {1, 1}},
         2},
        {"a first row without a type changes nothing",
         {on(" "), on("Int8")},
         {{-1, -1}, {-1, -1}},
         0},
        {"types match ignoring case and blanks; an unknown type takes its Length",
         {on(" bool"), on("BOOL "), on("Foo", "3"), on("Int8")},
         {{0, 0}, {0, 1}, {1, 0}, {4, 0}},
         5},
    };
    for (const auto& c : cases) {
        int size = -1;
        EXPECT_EQ(placed(Calc_Position_Bit(c.Rows, &size)), c.Expected) << c.What;
        EXPECT_EQ(size, c.Size) << c.What;
    }
}

TEST(EtherCATLayout, GroupAssignment)
{
    // Groups A (3) and B (2), rows 1 to 6 used, row 2 disabled.
    const std::vector<TGroup> ab = Group_List({{"A", "3", ""}, {"B", "2", ""}});
    const std::vector<bool> enabled = {true, false, true, true, true, true, true, true};
    EXPECT_EQ(Show_Group(ab, enabled), (std::vector<String>{"A", "", "A", "A", "B", "B", "", ""}));

    // A (2), B (3): variables 0-1 in A, 2-4 in B, then none.
    const std::vector<TGroup> g = Group_List({{"A", "2", ""}, {"B", "3", ""}});
    const int expected[] = {0, 0, 1, 1, 1, -1, -1};
    for (int j = 0; j < 7; ++j)
        EXPECT_EQ(Find_Group_Index(g, j), expected[j]) << j;

    // Rows with an empty name are skipped entirely; counts that are not
    // numbers, 0 or negative take nothing; a huge count takes the rest.
    const std::vector<TGroup> odd = Group_List(
        {{"", "2", ""}, {"Z", "0", ""}, {"N", "-4", ""}, {"X", "abc", ""}, {"A", "1", ""}, {"Big", "300", ""}, {"C", "1", ""}});
    ASSERT_EQ(odd.size(), 6u);
    EXPECT_EQ(odd[0].Name, "Z");
    EXPECT_EQ(odd[2].Num_Var, 0);
    EXPECT_EQ(Find_Group_Index(odd, 0), 3);   // A
    EXPECT_EQ(Find_Group_Index(odd, 1), 4);   // Big
    EXPECT_EQ(Find_Group_Index(odd, 255), 4);
    EXPECT_EQ(Show_Group(odd, std::vector<bool>(256, true))[255], "Big");
    EXPECT_EQ(Find_Group_Index({}, 0), -1);
    EXPECT_EQ(Show_Group({}, {true, true}), (std::vector<String>{"", ""}));
}

// ---- the enabled entries the device image and the description share --------------

TEtherCAT_Var Var(const char* Enable, const char* Type, const char* Length, const char* Position, const char* Bit)
{
    TEtherCAT_Var v;
    v.Enable = Enable;
    v.Type = Type;
    v.Length = Length;
    v.Position = Position;
    v.BitStart = Bit;
    return v;
}

class EtherCATEntries : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Lang(); }
};

TEST_F(EtherCATEntries, TakesTheEnabledRowsWithTheirLayout)
{
    const std::vector<TEtherCAT_Var> rows = {
        Var("Y", "Bool", "1", "0", "0"),   Var("N", "junk", "x", "9", "9"),  Var("Y", "bool", "1", "0", "1"),
        Var("", "Int32", "4", "7", "7"),   Var("Y", "String", "3", "1", "0"), Var("Y", " UINT16 ", "2", "5", ""),
    };
    std::vector<TEtherCAT_Entry> e;
    String error;
    int size = 0;
    ASSERT_TRUE(EtherCAT_Entries(rows, TEtherCAT_Dir::StoM, e, error, &size)) << error.toStdString();
    ASSERT_EQ(e.size(), 4u);
    const int row[] = {1, 3, 5, 6}, code[] = {1, 1, 9, 6}, length[] = {1, 1, 3, 2}, pos[] = {0, 0, 1, 5},
              bit[] = {0, 1, 0, 0};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(e[k].Row, row[k]);
        EXPECT_EQ(e[k].Var, &rows[size_t(row[k] - 1)]);
        EXPECT_EQ(e[k].Type->Code, code[k]);
        EXPECT_EQ(e[k].Length, length[k]);
        EXPECT_EQ(e[k].Position, pos[k]);
        EXPECT_EQ(e[k].Bit, bit[k]);
    }
    EXPECT_EQ(size, 7);
}

TEST_F(EtherCATEntries, RefusesRowsTheDeviceAndTheDescriptionWouldDisagreeOn)
{
    const String stom = " [" + Lang_Text(1034) + "] ", mtos = " [" + Lang_Text(1035) + "] ";
    const String head = Lang_Text(1110), row = Lang_Text(1111);
    const struct {
        std::vector<TEtherCAT_Var> Rows;
        TEtherCAT_Dir Dir;
        String Message;
    } cases[] = {
        {{Var("Y", "Int8", "1", "0", "0"), Var("Y", "Int17", "1", "1", "0")}, TEtherCAT_Dir::StoM,
         head + stom + row + " 2: " + Lang_Text(1112) + "\"Int17\""},
        {{Var("Y", "", "1", "0", "0")}, TEtherCAT_Dir::MtoS, head + mtos + row + " 1: " + Lang_Text(1112) + "\"\""},
        {{Var("Y", "Array", "0", "0", "0")}, TEtherCAT_Dir::StoM, head + stom + row + " 1: " + Lang_Text(1113) + "\"0\""},
        {{Var("Y", "String", "256", "0", "0")}, TEtherCAT_Dir::StoM,
         head + stom + row + " 1: " + Lang_Text(1113) + "\"256\""},
        {{Var("Y", "Array", "", "0", "0")}, TEtherCAT_Dir::StoM, head + stom + row + " 1: " + Lang_Text(1113) + "\"\""},
        {{Var("Y", "Int16", "2", "0", "0"), Var("Y", "Int8", "1", "3", "0")}, TEtherCAT_Dir::MtoS,
         head + mtos + row + " 2: " + Lang_Text(1114) + "2: \"3\""},
        {{Var("Y", "Bool", "1", "0", "0"), Var("Y", "Bool", "1", "0", "0")}, TEtherCAT_Dir::StoM,
         head + stom + row + " 2: " + Lang_Text(1115) + "1: \"0\""},
        {{Var("Y", "Int8", "1", "abc", "0")}, TEtherCAT_Dir::StoM, head + stom + row + " 1: " + Lang_Text(1114) + "0: \"abc\""},
        {std::vector<TEtherCAT_Var>(257, Var("Y", "Array", "1", "", "")), TEtherCAT_Dir::MtoS,
         head + mtos + Lang_Text(1116)},
    };
    for (const auto& c : cases) {
        std::vector<TEtherCAT_Entry> e;
        String error;
        EXPECT_FALSE(EtherCAT_Entries(c.Rows, c.Dir, e, error));
        EXPECT_EQ(error, c.Message);
    }
    // 256 enabled rows are fine (positions 0..255; "" reads as 0 only for the first).
    std::vector<TEtherCAT_Var> full;
    for (int i = 0; i < 256; ++i)
        full.push_back(Var("Y", "Array", "1", "", ""));
    for (int i = 0; i < 256; ++i)
        full[size_t(i)].Position = QString::number(i);
    full.push_back(Var("N", "Array", "1", "", ""));
    std::vector<TEtherCAT_Entry> e;
    String error;
    EXPECT_TRUE(EtherCAT_Entries(full, TEtherCAT_Dir::StoM, e, error)) << error.toStdString();
}

// Initial values (slave to master only) and names: refused here for the
// compiler, the ESI writer and the editor alike, row by row in order.
TEST_F(EtherCATEntries, RefusesInitialValuesAndNamesTheWritersCannotHold)
{
    auto with = [](TEtherCAT_Var V, const char* Init, const String& Name = "n") {
        V.InitValue = QString::fromUtf8(Init);
        V.Name = Name;
        return V;
    };
    const String stom = Lang_Text(1110) + " [" + Lang_Text(1034) + "] " + Lang_Text(1111);
    const String mtos = Lang_Text(1110) + " [" + Lang_Text(1035) + "] " + Lang_Text(1111);
    const struct {
        std::vector<TEtherCAT_Var> Rows;
        TEtherCAT_Dir Dir;
        String Message;  // empty: accepted
    } cases[] = {
        {{with(Var("Y", "UInt8", "1", "0", "0"), "300")}, TEtherCAT_Dir::StoM, stom + " 1: " + Lang_Text(1117) + "\"300\""},
        {{with(Var("Y", "UInt8", "1", "0", "0"), "255")}, TEtherCAT_Dir::StoM, ""},
        {{with(Var("Y", "Float32", "4", "0", "0"), "1,5")}, TEtherCAT_Dir::StoM, ""},
        {{with(Var("Y", "Float32", "4", "0", "0"), "1.5x")}, TEtherCAT_Dir::StoM, stom + " 1: " + Lang_Text(1117) + "\"1.5x\""},
        {{with(Var("Y", "String", "3", "0", "0"), "\xE2\x82\xAC")}, TEtherCAT_Dir::StoM,
         stom + " 1: " + Lang_Text(1118) + "\"" + QString::fromUtf8("\xE2\x82\xAC") + "\""},
        {{with(Var("Y", "Array", "1", "0", "0"), "0A0B")}, TEtherCAT_Dir::StoM, stom + " 1: " + Lang_Text(1117) + "\"0A0B\""},
        // Master-to-slave rows carry no initial value: whatever is there is not read.
        {{with(Var("Y", "UInt8", "1", "0", "0"), "300")}, TEtherCAT_Dir::MtoS, ""},
        {{with(Var("N", "UInt8", "1", "0", "0"), "300")}, TEtherCAT_Dir::StoM, ""},
        {{with(Var("Y", "Bool", "1", "0", "0"), "", "a\tb")}, TEtherCAT_Dir::MtoS,
         mtos + " 1: " + Lang_Text(1126) + "\"a\tb\" (U+0009)"},
        // Row by row: the bad name of row 1 before the bad position of row 2.
        {{with(Var("Y", "Bool", "1", "0", "0"), "", "a\nb"), Var("Y", "Int8", "1", "7", "0")}, TEtherCAT_Dir::MtoS,
         mtos + " 1: " + Lang_Text(1126) + "\"a\nb\" (U+000A)"},
    };
    for (const auto& c : cases) {
        std::vector<TEtherCAT_Entry> e;
        String error;
        EXPECT_EQ(EtherCAT_Entries(c.Rows, c.Dir, e, error), c.Message.isEmpty()) << c.Message.toStdString();
        EXPECT_EQ(error, c.Message);
    }
}

}  // namespace
