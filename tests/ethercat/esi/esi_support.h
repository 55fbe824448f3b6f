#pragma once
// Building the project files an ESI file is written from, writing it, and
// reading the written file back.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

#include <gtest/gtest.h>

#include "ethercat/esi/UEtherCAT_ESI_File.h"
#include "ethercat/model/EtherCAT_Files.h"

// A variable row as the editor would save it: Position and BitStart are
// filled in from the layout of its table (rows whose Enable is "Y" count).
struct Var {
    const char* Enable;
    QString Type;
    QString Length;
    QString Name;
};

// Saves both tables with their derived Position and BitStart.
void Save_Vars(const QString& Path, const std::vector<Var>& StoM, const std::vector<Var>& MtoS);
// A ParGen.xml holding the given elements ("<Name>text</Name>..." inside the root).
QByteArray ParGen_Xml(const QString& Elements);

// One Entry element of a written PDO, padding entries included.
struct Esi_Entry {
    QString Index;  // "#x7000"; "#x0" for padding
    int BitLen = 0;
    QString Name;
    QString DataType;
    bool Padding() const { return Index == QLatin1String("#x0"); }
};

// One RxPdo or TxPdo block.
struct Esi_Pdo {
    QString Index;
    QString Name;
    std::vector<Esi_Entry> Entries;
};

// The parts of a written file the tests look at, read back through the XML
// reader (which also proves the file well-formed).
struct Esi_File {
    QString Slave_Type_Text, Product_Code, Revision_No;
    QStringList Slave_Names;  // the Name elements of the Device
    QString Outputs_Start, Inputs_Start;
    QString Config_Data;
    std::vector<Esi_Pdo> RxPdo, TxPdo;
    QStringList Icons;  // the three ImageData16x14 texts
};
::testing::AssertionResult Read_Esi(const QString& Path, Esi_File& File);

// Entries of one direction in a compact form: "BIT:Run BIT:Ready pad6 INT:Speed".
QString Entry_Trace(const std::vector<Esi_Pdo>& Pdos);

// The icon file of the source tree as upper-case hexadecimal.
QString Icon_File_Hex();

// Validates a file against the public ESI schema with xmllint. Sets Skip
// (the caller then skips) when the schema folder is not there.
::testing::AssertionResult Validate_Against_Schema(const QString& Path, bool& Skip);
QString Schema_Dir();
