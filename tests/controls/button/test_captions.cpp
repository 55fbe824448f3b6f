// Every button caption the application's forms show, at the size, glyph and
// alignment of its button, measured with the font the forms use (Verdana,
// mapped to DejaVu Sans): no caption may be cut, neither as drawn normally
// nor in bold (bsEncarta while pressed).
//
// A form added later adds its buttons here. The glyph sizes are the ones the
// forms' pictures have: 24 x 24 on the main window's 170 x 36 step buttons,
// 16 x 16 on the 110 x 28 dialog buttons, the 36 x 18 strip of two images on
// the About box's button.
#include <gtest/gtest.h>

#include <iterator>

#include "controls/button/LbButtons.h"

namespace {

const char* const Texts[] = {
#include "app/core/builtin_texts.inc"
};

// Which of the two looks cuts the caption (a known fault of the form's
// layout, kept visible here until the form is fixed).
enum class Cut { None, Bold, Both };

struct ButtonRow {
    const char* Form;
    const char* Button;
    int Text;            // number in the text table; -1: Fixed
    const char* Fixed;
    int W, H;
    int GW, GH;
    TAlignment Align;
    TLbButtonStyle Style;
    Cut Expected = Cut::None;
};

constexpr int Step = 170, StepH = 36, StepG = 24;
constexpr int Dlg = 110, DlgH = 28, DlgG = 16;

#define MAIN(button, text) \
    {"FTessaraneFirmWare", button, text, nullptr, Step, StepH, StepG, StepG, taLeftJustify, bsEncarta}
#define DIALOG(form, button, text) {form, button, text, nullptr, Dlg, DlgH, DlgG, DlgG, taCenter, bsEncarta}

const ButtonRow Rows[] = {
    // Main window: the step buttons shown ...
    MAIN("Btn_New", 15),
    MAIN("Btn_Open", 16),
    {"FTessaraneFirmWare", "Btn_Prm_Gen", 20, nullptr, Step, StepH, StepG, StepG, taLeftJustify, bsNormal},
    MAIN("Btn_EtherCAT_Set_Group", 79),
    MAIN("Btn_EtherCAT_Set_Access", 21),
    {"FTessaraneFirmWare", "Btn_EtherCAT_ESI_File", -1, "EtherCAT ESI File", Step, StepH, StepG, StepG, taLeftJustify,
     bsEncarta},
    MAIN("Btn_CreateBin", 17),
    // ... and those of the other protocols, which this model keeps hidden.
    MAIN("Btn_Modbus_Set_Access", 27),
    MAIN("Btn_BACnet_SetAccess", 29),
    MAIN("Btn_BACnet_EDE_File", 31),
    MAIN("Btn_CAN_Rec_Frame", 33),
    MAIN("Btn_CAN_Send_Frame", 35),
    MAIN("Btn_SDO_Server_CANopen", 41),
    MAIN("Btn_SDO_Client_CANopen", 43),
    MAIN("Btn_PDO_CANopen", 45),
    MAIN("Btn_CANopen_EDS", 47),
    MAIN("Btn_DNet_Net", 49),
    MAIN("Btn_DNet_Offset", 51),
    MAIN("Btn_DMX_Default", 53),
    MAIN("Btn_IEC61850_Client", 55),
    MAIN("Btn_IEC61850_Access", 57),
    {"FTessaraneFirmWare", "Btn_TLS_List_Certificates", 59, nullptr, Step, StepH, StepG, StepG, taLeftJustify,
     bsEncarta, Cut::Bold},
    MAIN("Btn_MQTT_Set_Topic", 61),
    MAIN("Btn_SNMP_Trap", 63),
    MAIN("Btn_SNMP_MIB", 65),
    MAIN("Btn_SNMP_Manager_Access", 67),
    MAIN("Btn_OPC_UA_Client_Access", 69),
    {"FTessaraneFirmWare", "Btn_OPC_UA_Server_Access", 71, nullptr, Step, StepH, StepG, StepG, taLeftJustify,
     bsEncarta, Cut::Bold},
    MAIN("Btn_PROFINET_XML", 73),
    MAIN("Btn_EtherNetIP_Access", 75),
    MAIN("Btn_S7_Protocol_Access", 77),
    // New and open configuration.
    DIALOG("FNew_Project", "Btn_OK", 103),
    DIALOG("FNew_Project", "Btn_Cancel", 104),
    DIALOG("FOpenConf", "Btn_OK", 203),
    DIALOG("FOpenConf", "Btn_Cancel", 204),
    // Software options.
    DIALOG("FSoftOptions", "Btn_OK", 312),
    DIALOG("FSoftOptions", "Btn_Cancel", 313),
    DIALOG("FSoftOptions", "Btn_Prev", 307),
    DIALOG("FSoftOptions", "Btn_Next", 308),
    // Wider than the other dialog buttons, so that its caption fits.
    {"FSoftOptions", "Btn_Check_Update", 311, nullptr, 190, DlgH, DlgG, DlgG, taCenter, bsEncarta},
    // Communication parameters.
    DIALOG("FParGen", "Btn_OK", 402),
    DIALOG("FParGen", "Btn_Cancel", 403),
    // Device update.
    DIALOG("FBoot", "Btn_Cancel", 1219),
    {"FBoot", "Btn_Update", 1220, nullptr, Dlg, DlgH, DlgG, DlgG, taCenter, bsEncarta, Cut::Both},
    DIALOG("FBoot", "Btn_Search", 1210),
    // About box.
    {"FAbout", "LbButton1", -1, "OK", 81, 22, 18, 18, taCenter, bsEncarta},
    // EtherCAT variables and groups.
    DIALOG("FEtherCATSlave", "Btn_OK", 1002),
    DIALOG("FEtherCATSlave", "Btn_Cancel", 1003),
    DIALOG("FEtherCATSlave", "Btn_DelRow", 1004),
    DIALOG("FEtherCATSlave", "Btn_InsRow", 1005),
    DIALOG("FEtherCATSlave", "Btn_CopyRow", 1006),
    DIALOG("FEtherCATSlave", "Btn_PasteRow", 1007),
    {"FEtherCATSlave", "Btn_MoveUp", -1, "Move Up", Dlg, DlgH, DlgG, DlgG, taCenter, bsEncarta},
    {"FEtherCATSlave", "Btn_MoveDown", -1, "Move Down", Dlg, DlgH, DlgG, DlgG, taCenter, bsEncarta},
    DIALOG("FEtherCATSlave_Group", "Btn_OK", 5302),
    DIALOG("FEtherCATSlave_Group", "Btn_Cancel", 5303),
    DIALOG("FEtherCATSlave_Group", "Btn_DelRow", 5304),
    DIALOG("FEtherCATSlave_Group", "Btn_InsRow", 5305),
    DIALOG("FEtherCATSlave_Group", "Btn_CopyRow", 5306),
    DIALOG("FEtherCATSlave_Group", "Btn_PasteRow", 5307),
};

#undef MAIN
#undef DIALOG

const char* CutName(Cut C) { return C == Cut::None ? "none" : C == Cut::Bold ? "bold" : "both"; }

}  // namespace

TEST(LbButtonCaptions, NoCaptionOfTheApplicationsFormsIsCut)
{
    static_assert(std::size(Texts) == 5400);
    TBitmap surface(1, 1);
    TCanvas& canvas = surface.Canvas();
    canvas.Font().SetName("Verdana");
    canvas.Font().SetHeight(-11);
    const TLbTextMetrics metrics = CanvasTextMetrics(canvas);

    for (const ButtonRow& row : Rows) {
        const String caption = row.Text >= 0 ? QString::fromUtf8(Texts[row.Text]) : QString::fromUtf8(row.Fixed);
        SCOPED_TRACE(std::string(row.Form) + "." + row.Button + " \"" + caption.toStdString() + "\"");
        ASSERT_FALSE(caption.trimmed().isEmpty());
        auto drawn = [&](bool Bold) {
            canvas.Font().SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
            return LayoutLbButtonCaption(row.W, row.H, row.GW, row.GH, 0, row.Style, TLbButtonLayout::blGlyphLeft,
                                         row.Align, false, caption, metrics)
                .Caption;
        };
        const bool cutNormal = drawn(false) != caption;
        // Only bsEncarta draws its caption bold (while pressed).
        const bool cutBold = row.Style == bsEncarta ? drawn(true) != caption : cutNormal;
        const Cut actual = cutNormal ? Cut::Both : cutBold ? Cut::Bold : Cut::None;
        EXPECT_STREQ(CutName(actual), CutName(row.Expected))
            << "normal \"" << drawn(false).toStdString() << "\", bold \"" << drawn(true).toStdString() << "\"";
    }
}
