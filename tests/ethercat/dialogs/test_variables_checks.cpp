// The variables editor's OK: the table's own checks in their order and with
// their texts, then the refusals the compiler and the ESI writer share,
// each naming its row; every refusal leaves the file as it was and the
// dialog open.
#include "dialog_fixture.h"
#include "ethercat/model/EtherCAT_Values.h"

namespace {

using Rows = std::vector<Row>;

QString Fault(int R, int Text) { return Lang_Text(1051) + QString::number(R) + Lang_Text(Text); }
QString Model(TEtherCAT_Dir Dir, int R, const QString& Detail) { return EtherCAT_Row_Message(1110, Dir, R, Detail); }

class VariablesChecksTest : public EtherCATDialogTest {
protected:
    // OK on the tables: Message ("" to save) shown in an error box; a
    // refusal leaves the file as it was and the dialog open.
    void Ok(const Rows& StoM, const Rows& MtoS, const QString& Message)
    {
        Save_EtherCAT_Slave(File_EtherCAT_Slave, {});
        const QByteArray old = Slave_File();
        vars->FormShow(vars);
        for (size_t i = 0; i < StoM.size(); ++i)
            Put(S(), int(i) + 1, StoM[i]);
        for (size_t i = 0; i < MtoS.size(); ++i)
            Put(M(), int(i) + 1, MtoS[i]);
        vars->SetModalResult(mrNone);
        if (!Message.isEmpty())
            boxes.Expect(mtError, Message, TMsgDlgButtons{mbOK}, mrOk);
        vars->Btn_OKClick(vars->Btn_OK);
        EXPECT_EQ(boxes.Pending(), 0);
        if (Message.isEmpty()) {
            EXPECT_EQ(vars->ModalResult(), mrOk);
            EXPECT_NE(Slave_File(), old);
        } else {
            EXPECT_EQ(Slave_File(), old) << "no file touched";
            EXPECT_EQ(vars->ModalResult(), mrNone) << "the dialog stays open";
        }
    }
};

TEST_F(VariablesChecksTest, TheTablesChecksInTheirOrder)
{
    const auto S = TEtherCAT_Dir::StoM;
    const struct {
        const char* Case;
        Rows StoM, MtoS;
        QString Message;  // empty: saved
    } cases[] = {
        {"V1 0", {{true, "Array", "0", "a"}}, {}, Fault(1, 1052)},
        {"V1 256", {{true, "Array", "256", "a"}}, {}, Fault(1, 1052)},
        {"V1 abc", {{true, "Array", "abc", "a"}}, {}, Fault(1, 1052)},
        {"V1 empty", {{true, "Array", "", "a"}}, {}, Fault(1, 1052)},
        {"V2 odd", {{true, "Array", "2", "a", "0A1"}}, {}, Fault(1, 1053)},
        {"V2 not hex", {{true, "Array", "2", "a", "0G"}}, {}, Fault(1, 1055)},
        {"V2 too long", {{true, "Array", "2", "a", "010203"}}, {}, Fault(1, 1054)},
        {"V2 lower case", {{true, "Array", "2", "a", "0a"}}, {}, ""},
        {"V2 empty", {{true, "Array", "2", "a", ""}}, {}, ""},
        {"V3 length first", {{true, "Array", "0", "a", "0G1"}}, {}, Fault(1, 1052)},
        {"V4 even before hex", {{true, "Array", "5", "a", "0G1"}}, {}, Fault(1, 1053)},
        {"V5", {{true, "String", "0", "s"}}, {}, Fault(1, 1056)},
        {"V6 too long", {{true, "String", "3", "s", "ABCD"}}, {}, Fault(1, 1057)},
        {"V6 fits", {{true, "String", "3", "s", "ABC"}}, {}, ""},
        {"V7 disabled", {{false, "Array", "999", "a"}}, {}, ""},
        {"V8 after an empty Type", {{true, "Int8", "1", "i"}, {true, "", "", ""}, {true, "Array", "999", "a"}}, {}, ""},
        {"V9", {}, {{true, "String", "0", "s"}}, Fault(1, 1058)},
        {"V10 S2M first", {{true, "Int8", "1", "i"}, {true, "String", "0", "s"}}, {{true, "Array", "0", "a"}},
         Fault(2, 1056)},
        {"V11 fixed type", {{true, "Int16", "999", "i"}}, {}, ""},
        // What the compiler and the ESI writer refuse, after the table's checks.
        {"unknown type", {{true, "Int8", "1", "i"}, {true, "Int17", "1", "x"}}, {},
         Model(S, 2, Lang_Text(1112) + "\"Int17\"")},
        {"unknown type disabled", {{false, "Int17", "1", "x"}}, {}, ""},
        {"UInt8 300", {{true, "UInt8", "1", "u", "300"}}, {}, Model(S, 1, Lang_Text(1117) + "\"300\"")},
        {"Float32 comma", {{true, "Float32", "4", "f", "1,5"}}, {}, ""},
        {"String euro", {{true, "String", "3", "s", QString::fromUtf8("\xE2\x82\xAC")}}, {},
         Model(S, 1, Lang_Text(1118) + "\"" + QString::fromUtf8("\xE2\x82\xAC") + "\"")},
        {"tab in a name", {}, {{true, "Bool", "1", "ok"}, {true, "Bool", "1", "a\tb"}},
         Model(TEtherCAT_Dir::MtoS, 2, Lang_Text(1126) + "\"a\tb\"" + Char_Code(9))},
        {"table check before the model's", {{true, "Int17", "1", "x"}, {true, "Array", "0", "a"}}, {},
         Fault(2, 1052)},
        {"hand-typed lower case type", {{true, " bool ", "1", "b"}, {true, "Array", "3", "a", "0A0B0C"}}, {}, ""},
        {"hand-typed array", {{true, " array ", "300", "a"}}, {}, Fault(1, 1052)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Ok(c.StoM, c.MtoS, c.Message);
    }
}

TEST_F(VariablesChecksTest, AProcessImageTooLargeForTheControllerIsRefused)
{
    Rows big;
    for (int i = 0; i < 256; ++i)
        big.push_back({true, "Array", "255", "a" + QString::number(i)});
    String error;
    ASSERT_FALSE(Check_Sync_Managers(256 * 255, 256 * 255, error));
    Ok(big, big, error);
}

}  // namespace
