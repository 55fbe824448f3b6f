#pragma once
// Byte helpers, fixture builders and the structural check every compiled
// image must pass.
#include <QByteArray>
#include <QString>

#include <cstdint>

#include <gtest/gtest.h>

#include "config/image/USaveBincc.h"

inline uint32_t U8(const QByteArray& b, qsizetype off) { return uint8_t(b.at(off)); }
inline uint32_t U16(const QByteArray& b, qsizetype off) { return U8(b, off) | U8(b, off + 1) << 8; }
inline uint32_t U32(const QByteArray& b, qsizetype off) { return U16(b, off) | U16(b, off + 2) << 16; }

// Bytes from hexadecimal text ("C0 A8 00 05"; blanks are skipped).
inline QByteArray H(const char* Hex) { return QByteArray::fromHex(Hex); }
inline QByteArray LE32(uint32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); }
inline void Put(QByteArray& b, qsizetype off, const QByteArray& bytes) { b.replace(off, bytes.size(), bytes); }

// A variable record as the image holds it (entry_index is always 0).
QByteArray Rec(int Type, int Length, int Access, int Bit, uint32_t Position, uint32_t Subindex, uint32_t Group,
               uint32_t Init_Add, uint32_t Name_Length, uint32_t Name_Add);

// The fixed part of bank1 (everything but the parameters and the checksum).
QByteArray Bank1_Fixed();
// bank2 of a compile without variables and groups (16557 bytes) and with the given header start.
QByteArray Bank2_Empty(const QByteArray& Header14 = QByteArray(14, 0), uint16_t Node = 0, uint8_t Clear = 0,
                       uint32_t Revision = 0);

// The variable and group files.
QString Var_Row(const char* Enable, const char* Type, const char* Length, const char* Name, const char* Init,
                int Position, int Bit);
QString Slave_Xml(const QString& StoM_Rows, const QString& MtoS_Rows);
QString Group_Row(const char* Name, const char* Num);
QString Group_Xml(const QString& StoM_Rows, const QString& MtoS_Rows);

// Compares two images, reporting the size and the first offset that differs.
::testing::AssertionResult Same_Bytes(const QByteArray& Actual, const QByteArray& Expected);

// The structure of both images: bank1 checksum; bank2 table addresses, free
// records, every name address at the next NUL-terminated name in table
// order, initial values right after the names in table order, and the
// length ending with the last of them. Reports through gtest.
void Expect_Invariants(const TBank_Images& Images);
