#include "image_support.h"

#include <gtest/gtest.h>

QByteArray Rec(int Type, int Length, int Access, int Bit, uint32_t Position, uint32_t Subindex, uint32_t Group,
               uint32_t Init_Add, uint32_t Name_Length, uint32_t Name_Add)
{
    QByteArray r;
    for (int v : {Type, Length, Access, Bit})
        r.append(char(v));
    for (uint32_t v : {Position, Subindex, 0u, Group, Init_Add, Name_Length, Name_Add})
        r.append(LE32(v));
    return r;
}

QByteArray Bank1_Fixed()
{
    QByteArray b(2048, 0);
    Put(b, 0x000, H("90 D0 03 00 90 D0 03 00 00 00 00 00 80 25 00 00"));
    Put(b, 0x034, H("10 27"));
    Put(b, 0x1B4, H("08 08 08 08 08 08 08 08"));
    Put(b, 0x6F0, H("00 00 08 00"));
    return b;
}

QByteArray Bank2_Empty(const QByteArray& Header14, uint16_t Node, uint8_t Clear, uint32_t Revision)
{
    QByteArray b(16557, 0);
    Put(b, 0, Header14);
    Put(b, 14, QByteArray(1, char(Node)) + char(Node >> 8) + char(Clear));
    Put(b, 20, H("28 40 08 00"));
    Put(b, 24, LE32(Revision));
    Put(b, 32, H("28 00 08 00 28 20 08 00"));
    for (int r = 0; r < 512; ++r)
        Put(b, 0x28 + 32 * r + 16, H("FF FF FF FF"));
    return b;
}

QString Var_Row(const char* Enable, const char* Type, const char* Length, const char* Name, const char* Init,
                int Position, int Bit)
{
    return QString("<row Enable=\"%1\" Type=\"%2\" Length=\"%3\" Name=\"%4\" InitValue=\"%5\" Position=\"%6\" "
                   "BitStart=\"%7\" Group=\"\" Mnemonic=\"\"/>")
        .arg(Enable, Type, Length, QString::fromUtf8(Name), QString::fromUtf8(Init))
        .arg(Position)
        .arg(Bit);
}

QString Slave_Xml(const QString& StoM_Rows, const QString& MtoS_Rows)
{
    return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + StoM_Rows +
           "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + MtoS_Rows +
           "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>";
}

QString Group_Row(const char* Name, const char* Num)
{
    return QString("<row Group_Name=\"%1\" Num_Variables=\"%2\" Mnemonic=\"\"/>").arg(QString::fromUtf8(Name), Num);
}

QString Group_Xml(const QString& StoM_Rows, const QString& MtoS_Rows)
{
    return "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master>" + StoM_Rows + "</Slave_to_Master><Master_to_Slave>" +
           MtoS_Rows + "</Master_to_Slave></PROFINET_Master_to_Modbus_TCP_Master>";
}

::testing::AssertionResult Same_Bytes(const QByteArray& Actual, const QByteArray& Expected)
{
    for (qsizetype i = 0; i < std::min(Actual.size(), Expected.size()); ++i)
        if (Actual[i] != Expected[i])
            return ::testing::AssertionFailure()
                   << "first difference at offset 0x" << QString::number(i, 16).toStdString() << ": got "
                   << Actual.mid(i, 8).toHex(' ').toStdString() << ", expected " << Expected.mid(i, 8).toHex(' ').toStdString();
    if (Actual.size() != Expected.size())
        return ::testing::AssertionFailure() << "size " << Actual.size() << ", expected " << Expected.size();
    return ::testing::AssertionSuccess();
}

void Expect_Invariants(const TBank_Images& Images)
{
    const QByteArray &b1 = Images.Bank1, &b2 = Images.Bank2;
    ASSERT_EQ(b1.size(), 2048);
    uint32_t sum = 0;
    for (int i = 0; i < 0x7FC; ++i)
        sum += U8(b1, i);
    EXPECT_EQ(U32(b1, 0x7FC), sum) << "bank1 checksum";
    EXPECT_EQ(U32(b1, 0x6F0), 0x80000u);

    const uint32_t B = 0x80000;
    ASSERT_GE(b2.size(), 0x40AD);
    ASSERT_LE(b2.size(), 0x20000);
    EXPECT_EQ(U32(b2, 20), B + 0x4028);
    EXPECT_EQ(U32(b2, 32), B + 0x28);
    EXPECT_EQ(U32(b2, 36), B + 0x2028);
    EXPECT_EQ(U8(b2, 0x40AC), 0u) << "the empty name";
    const uint32_t num_groups[2] = {U8(b2, 0x40A8), U8(b2, 0x40A9)};
    EXPECT_EQ(U16(b2, 0x40AA), 0u) << "spare";

    uint32_t N = B + 0x40AD;  // where the next name must stand
    auto expect_name = [&](uint32_t Add, uint32_t Length, const char* What) {
        EXPECT_EQ(Add, N) << What;
        ASSERT_LT(qsizetype(Add - B + Length), b2.size()) << What;
        EXPECT_EQ(b2.indexOf('\0', Add - B), qsizetype(Add - B + Length)) << What << ": NUL-terminated, length";
        N = Add + Length + 1;
    };
    for (int d = 0; d < 2; ++d) {
        const uint32_t count = U16(b2, 28 + 2 * d);
        ASSERT_LE(count, 256u);
        for (uint32_t r = 0; r < 256; ++r) {
            const qsizetype rec = (d == 0 ? 0x28 : 0x2028) + 32 * qsizetype(r);
            if (r >= count) {
                EXPECT_EQ(b2.mid(rec, 32), QByteArray(16, 0) + H("FF FF FF FF") + QByteArray(12, 0)) << "free record";
                continue;
            }
            EXPECT_EQ(U8(b2, rec + 2), d == 0 ? 1u : 0u) << "access";
            EXPECT_EQ(U32(b2, rec + 8), r) << "subindex";
            EXPECT_EQ(U32(b2, rec + 12), 0u) << "entry_index";
            const uint32_t group = U32(b2, rec + 16);
            EXPECT_TRUE(group == 0xFFFFFFFF || group < num_groups[d]) << "group_index";
            if (d == 1) {
                EXPECT_EQ(U32(b2, rec + 20), 0u) << "no initial value for master to slave";
            }
            const uint32_t length = U32(b2, rec + 24), add = U32(b2, rec + 28);
            if (length == 0) {
                EXPECT_EQ(add, B + 0x40AC);
            } else {
                expect_name(add, length, "variable name");
            }
        }
    }
    for (int d = 0; d < 2; ++d)
        for (uint32_t k = 0; k < 16; ++k) {
            const uint32_t add = U32(b2, 0x4028 + 64 * d + 4 * k);
            if (k >= num_groups[d]) {
                EXPECT_EQ(add, 0u);
                continue;
            }
            const qsizetype end = b2.indexOf('\0', add - B);
            ASSERT_GT(end, qsizetype(add - B)) << "group names are never empty";
            expect_name(add, uint32_t(end - (add - B)), "group name");
        }
    uint32_t D = N;  // initial values start where the names end
    for (uint32_t r = 0; r < U16(b2, 28); ++r) {
        const qsizetype rec = 0x28 + 32 * qsizetype(r);
        if (const uint32_t init = U32(b2, rec + 20); init != 0) {
            EXPECT_EQ(init, D) << "initial value of record " << r;
            D += U8(b2, rec + 1);
        }
    }
    EXPECT_EQ(uint32_t(b2.size()), D - B) << "the image ends with the last initial value";
}
