#pragma once
// A drop-down scene for pictures: a popup with a header (an HTML caption
// and two buttons) and a footer (a caption, an OK button and the size grip)
// hosting an item selector of 20 colour items in two columns.
#include "controls/dropdown/ItemSelector.h"
#include "controls/dropdown/VynDropDown.h"

namespace DropDownScene {

// Dresses DropDown and gives it a selector owned by Owner; returns it.
inline TVynCustomItemSelector* BuildBarsScene(TVynCustomDropDown* DropDown, TComponent* Owner)
{
    THeaderAppearance& h = DropDown->DropDownHeader();
    h.SetCaption("<b>Colours</b> of the bank");
    h.Buttons().Add()->SetCaption("All");
    h.Buttons().Add()->SetCaption("None");
    TFooterAppearance& f = DropDown->DropDownFooter();
    f.SetCaption("20 colours");
    TFooterButton* ok = f.Buttons().Add();
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    auto* sel = new TVynCustomItemSelector(Owner);
    sel->SetName("ColourSelector");
    sel->SetColor(clWhite);
    sel->SetSelectorType(stColor);
    sel->SetColumns(2);
    static const struct {
        const char* Name;
        TColor Color;
    } colours[] = {{"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000},  {"Olive", 0x008080},
                   {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},   {"Gray", 0x808080},
                   {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},   {"Yellow", 0x00FFFF},
                   {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
                   {"Orange", 0x00A5FF}, {"Brown", 0x2A2AA5},  {"Sky", 0xF0CAA6},    {"Cream", 0xF0FBFF}};
    for (const auto& c : colours) {
        TSelectorItem* item = sel->Items().Add();
        item->SetCaption(c.Name);
        item->SetColor(c.Color);
    }
    sel->UpdateSelectorPanel();
    sel->SetItemIndex(9);
    TSize s;
    sel->GetSelectorPanelSize(s);
    sel->SetBounds(0, 0, s.cx + sel->VertScrollBar().Size(), 150);
    // Room for the selector inside the popup's frame and between the bars
    // (the hosted control fills the popup, whatever size it had before).
    const int frame = 2 * DropDown->DropDownBorderWidth();
    DropDown->SetDropDownWidth(sel->Width() + frame);
    DropDown->SetDropDownHeight(sel->Height() + frame + h.Height() + f.Height());
    DropDown->SetControl(sel);
    return sel;
}

}  // namespace DropDownScene
