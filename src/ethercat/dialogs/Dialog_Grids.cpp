#include "ethercat/dialogs/Dialog_Grids.h"

#include "app/core/ULanguage.h"
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
