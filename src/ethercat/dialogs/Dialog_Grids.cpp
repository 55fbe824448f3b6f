#include "ethercat/dialogs/Dialog_Grids.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"
#include "platform/grids/inplace_edit.h"
#include "platform/gui/dialogs.h"

void End_Grid_Edit(TVynStringGrid& Grid)
{
    const bool text = Grid.EditorMode();
    if (text && Grid.TCustomGrid::InplaceEditor())
        Grid.ValidateCell(Grid.TCustomGrid::InplaceEditor()->Text());
    const int c = Grid.RealColIndex(Grid.Col()), r = Grid.Row();
    Grid.HideInplaceEdit();
    if (text)
        Grid.DoEditingDone(c, r);
}

String Overflow_Notice(TEtherCAT_Dir Dir, int Dropped, int Size)
{
    return Format_Lang(Lang_Text(1143), {Dropped, Size}) + " [" +
           Lang_Text(Dir == TEtherCAT_Dir::StoM ? 1034 : 1035) + "]";
}

bool Show_Dialog_Error(const String& Text)
{
    MessageDlg(Text, mtError, TMsgDlgButtons{mbOK});
    return false;
}

TEditor_Frame Add_Editor_Frame(TForm& Form, int Width, int Height)
{
    TEditor_Frame f;
    const TDialog_Title title = Add_Title_Panel(Form);
    f.P_Title = title.P_Title;
    f.L_SW_Code = title.L_SW_Code;
    f.L_SW_Desc = title.L_SW_Desc;
    f.P_Button = Add_Button_Panel(Form);
    f.P_Button->SetTabOrder(1);
    const int top = f.P_Title->Height(), band = f.P_Button->Height();
    f.PageControl1 = Place_Control<TPageControl>(&Form, &Form, "PageControl1", 0, top, Width, Height - top - band);
    f.PageControl1->SetAlign(alClient);
    f.PageControl1->SetTabOrder(0);
    auto page = [&](const char* Name) {
        auto* sheet = new TTabSheet(&Form);
        sheet->SetName(QString::fromLatin1(Name));
        sheet->SetPageControl(f.PageControl1);
        sheet->SetColor(Dialog_Color);
        return sheet;
    };
    f.TS_SlaveToMaster = page("TS_SlaveToMaster");
    f.TS_MasterToSlave = page("TS_MasterToSlave");
    return f;
}

TLbButton* Add_Editor_Button(TForm& Form, TPanel* Band, const TEditor_Button& Button, int Index)
{
    TLbButton* b = Add_Button(Form, Band, Button.Name, 16 + 118 * Index, 6, Button.Glyph);
    b->SetTabOrder(Index);
    return b;
}

void Set_Button_Texts(TLbButton* const* Buttons, const TEditor_Button* Rows, int Count)
{
    for (int i = 0; i < Count; ++i)
        if (Rows[i].Caption >= 0) {
            Buttons[i]->SetCaption(Lang_Text(Rows[i].Caption));
            Buttons[i]->SetHint(Lang_Text(Rows[i].Hint));
        }
}

void Select_Row_On_Number(TVynStringGrid* Grid, int ARow, int ACol)
{
    if (!Grid || ACol != 0 || ARow < Grid->FixedRows())
        return;
    Grid->SetRow(ARow);
    Grid->SetSelection(TGridRect{Grid->FixedCols(), ARow, Grid->ColCount() - 1, ARow});
}

