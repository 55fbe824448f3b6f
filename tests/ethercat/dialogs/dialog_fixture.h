#pragma once
// The two EtherCAT editors on a fresh configuration directory, with the
// built-in texts and scripted message boxes; the tests drive them through
// their own handlers.
#include <gtest/gtest.h>

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "controls/button/LbButton.h"
#include "ethercat/dialogs/UEtherCATSlave.h"
#include "ethercat/dialogs/UEtherCATSlave_Group.h"
#include "ethercat/model/EtherCAT_Files.h"
#include "grid/core/column_grid.h"
#include "platform/testing/test_kit.h"
#include "support/temp_dir.h"

inline void PrintTo(const QString& S, std::ostream* Out) { *Out << '"' << S.toStdString() << '"'; }

// One row of a variable table, typed into the grid's cells.
struct Row {
    bool Enabled;
    QString Type, Length, Name;
    QString Init{};
};

class EtherCATDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Init_Program_State(dir.path());
        Load_Default_Lang();
        Project_Dir = dir.path();
        Set_Files();
        vars = new TFEtherCATSlave(nullptr);
        groups = new TFEtherCATSlave_Group(nullptr);
    }
    void TearDown() override
    {
        vars->Free();
        groups->Free();
        Project_Dir.clear();
        Set_Files();
        Opt_Jump_Field_Tables = false;
    }

    TVynStringGrid* S() const { return vars->VSG_SlaveMaster; }
    TVynStringGrid* M() const { return vars->VSG_MasterSlave; }

    void Put(TVynStringGrid* G, int R, const Row& V) const
    {
        G->SetCheckBoxState(1, R, V.Enabled);
        G->SetCells(2, R, V.Type);
        G->SetCells(3, R, V.Length);
        G->SetCells(4, R, V.Name);
        if (G == S())
            G->SetCells(5, R, V.Init);
    }
    bool Ticked(TVynStringGrid* G, int R) const
    {
        bool state = false;
        return G->GetCheckBoxState(1, R, state) && state;
    }
    // Position and Start Bit of a row: "3/0".
    QString Place(TVynStringGrid* G, int R) const
    {
        const int p = G == S() ? 6 : 5;
        return G->Cells(p, R) + "/" + G->Cells(p + 1, R);
    }
    QString Group(TVynStringGrid* G, int R) const { return G->Cells(G == S() ? 8 : 7, R); }

    // The Type editor: a type chosen in the combo, and the end of its edit
    // (Esc puts the type the edit began with back first, as the grid does).
    void Choose(TVynStringGrid* G, int R, const QString& Type)
    {
        const int i = int(vars->VarType.indexOf(Type));
        vars->ComboChange(G, 2, R, i, Type);
    }
    TEditorType Open_Type(TVynStringGrid* G, int R)
    {
        G->SetRow(R);
        TEditorType e = TEditorType::edNormal;
        vars->GetEditorType(G, 2, R, e);
        return e;
    }
    void Esc_Type(TVynStringGrid* G, int R, const QString& Original)
    {
        G->SetCells(2, R, Original);
        vars->EditCellDone(G, 2, R);
    }

    // The file's bytes ("" when it does not exist).
    QByteArray Slave_File() const { return dir.read("EtherCAT_Slave.xml"); }
    QByteArray Group_File() const { return dir.read("EtherCAT_Slave_Group.xml"); }

    TestKit::InputStateScope input;
    TempDir dir;
    TestKit::MessageBoxScript boxes;
    TFEtherCATSlave* vars = nullptr;
    TFEtherCATSlave_Group* groups = nullptr;
};
