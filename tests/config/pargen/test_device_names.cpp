// The two names the device stores are checked by OK as the compiler checks
// them, so step 5 cannot refuse what the dialog let through.
#include "config/model/ParGen.h"
#include "pargen_fixture.h"

TEST_F(ParGenDialogTest, OkRefusesANameTheDeviceCannotStoreNamingTheField)
{
    const QString euro = QString::fromUtf8("\xE2\x82\xAC");
    const struct {
        TEdit* TFParGen::*Edit;
        QString Value;
        QString Message;  // empty: passes
    } cases[] = {
        {&TFParGen::E_EthConn_Device_Name, euro, Lang_Text(1109) + "Device Name (Hostname) = \"" + euro + "\" (U+20AC)"},
        {&TFParGen::E_EtherCAT_Slave_Name, euro, Lang_Text(1109) + "Slave Name = \"" + euro + "\" (U+20AC)"},
        {&TFParGen::E_EtherCAT_Slave_Name, "a\tb", Lang_Text(1125) + "Slave Name = \"a\tb\" (U+0009)"},
        {&TFParGen::E_EtherCAT_Slave_Name, QString::fromUtf8("Ger\xC3\xA4t \xC3\xBF"), QString()},  // Latin-1 passes
        {&TFParGen::E_EthConn_Device_Name, QString::fromUtf8("h\xC3\xB4te"), QString()},
    };
    Show([&](TFParGen& f) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Value.toStdString());
            for (const ParGenField& field : kFields)
                SetField(field, QString::fromUtf8(field.Default));
            (f.*c.Edit)->SetText(c.Value);
            TestKit::MessageBoxScript boxes;
            if (!c.Message.isEmpty())
                boxes.Expect(mtError, c.Message, TMsgDlgButtons{mbOK}, mrOk);
            EXPECT_EQ(f.Controllo_Dati(), c.Message.isEmpty());
            // The same check, the same verdict as the compiler's.
            String error;
            EXPECT_EQ(Check_Device_Name("key", c.Value, error), c.Message.isEmpty());
        }
        f.Btn_Cancel->Click();
    });
}
