// Lengths at the edge of 32 bits: sizes are summed in 64 bits and a table
// whose positions do not fit is refused, naming the row; the sync managers
// must fit the slave controller's 16-bit address space.
#include <gtest/gtest.h>

#include "app/core/ULanguage.h"
#include "ethercat/model/EtherCAT_Layout.h"
#include "platform/rtl/exceptions.h"

TEST(LayoutLimits, TypeBytesDoesNotWrap)
{
    EXPECT_EQ(Type_Bytes(Find_EtherCAT_Type("String"), "2147483647"), 2147483648LL);
    EXPECT_EQ(Type_Bytes(Find_EtherCAT_Type("Array"), "2147483647"), 2147483647LL);
    EXPECT_EQ(Type_Bytes(nullptr, "2147483647"), 2147483647LL);
    EXPECT_EQ(Type_Bytes(Find_EtherCAT_Type("String"), "2147483648"), 1);  // not an integer: 0, plus its end byte
}

TEST(LayoutLimits, PositionsThatDoNotFitAreRefusedNamingTheRow)
{
    Load_Default_Lang();
    int size = 0;
    // Exactly 2147483647 bytes still fit.
    EXPECT_NO_THROW(Calc_Position_Bit({{true, "Array", "2147483647"}}, &size));
    EXPECT_EQ(size, 2147483647);
    EXPECT_NO_THROW(Calc_Position_Bit({{true, "Array", "2147483646"}, {true, "Bool", "1"}}, &size));
    EXPECT_EQ(size, 2147483647);

    const struct {
        const char* What;
        std::vector<TLayout_Row> Rows;
        int Row;
        const char* Length;
    } cases[] = {
        {"a String of 2147483647", {{true, "String", "2147483647"}}, 1, "2147483647"},
        {"a row after it", {{true, "Int8", "1"}, {true, "Array", "2147483647"}, {true, "Int8", "1"}}, 2, "2147483647"},
        {"a Bool after it", {{true, "Array", "2147483647"}, {true, "Bool", "1"}}, 1, "2147483647"},
        {"two halves", {{true, "Array", "1073741824"}, {true, "Array", "1073741824"}}, 2, "1073741824"},
    };
    for (const auto& c : cases) {
        try {
            Calc_Position_Bit(c.Rows, &size);
            ADD_FAILURE() << c.What << ": no exception";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), Lang_Text(1110) + " " + Lang_Text(1111) + " " + QString::number(c.Row) + ": " +
                                       Lang_Text(1140) + "\"" + c.Length + "\"")
                << c.What;
        }
    }
    // A disabled row takes no space, whatever its Length.
    EXPECT_NO_THROW(Calc_Position_Bit({{false, "String", "2147483647"}, {true, "Int8", "1"}}, &size));
    EXPECT_EQ(size, 1);
}

TEST(LayoutLimits, SyncManagersEndAtOrBelowTheAddressSpace)
{
    Load_Default_Lang();
    const struct {
        int64_t StoM, MtoS;
        bool Fits;
    } cases[] = {
        {0, 0, true},          {20480, 0, true},  {20481, 0, false}, {0, 20480, true},     {0, 20481, false},
        {1, 20478, true},      {1, 20479, false}, {10240, 10240, true}, {65536, 0, false}, {65536, 65536, false},
    };
    for (const auto& c : cases) {
        String error;
        EXPECT_EQ(Check_Sync_Managers(c.StoM, c.MtoS, error), c.Fits) << c.StoM << "/" << c.MtoS;
        EXPECT_EQ(error.isEmpty(), c.Fits);
        EXPECT_EQ(Sync_Managers_End(c.StoM, c.MtoS) <= 0x10000, c.Fits);
    }
    String error;
    ASSERT_FALSE(Check_Sync_Managers(65536, 0, error));
    EXPECT_EQ(error, Lang_Text(1141) + "[Slave To Master] 65536, [Master To Slave] 0 (#x31000)");
}
