#pragma once
// The grid drop-down the pictures show: three columns of towns, bands, the
// search footer, a hover row and the list sorted by the town column, with
// the fifth town chosen.
#include <QStringList>

#include "controls/dropdown/grid/VynGridDropDown.h"
#include "grid/core/grid_options.h"
#include "grid/data/grid_data_holders.h"

namespace GridDropDownScene {

inline void Dress(TCustomVynGridDropDown* Drop)
{
    const char* rows[][3] = {
        {"7", "Rotterdam", "NL"}, {"3", "Antwerp", "BE"},   {"12", "Hamburg", "DE"},  {"5", "Lyon", "FR"},
        {"9", "Bremen", "DE"},    {"1", "Ghent", "BE"},     {"4", "Utrecht", "NL"},   {"11", "Lille", "FR"},
        {"2", "Dortmund", "DE"},  {"8", "Brugge", "BE"},    {"6", "Nantes", "FR"},    {"10", "Groningen", "NL"},
    };
    Drop->Columns().Clear();
    const char* headers[] = {"No", "Town", "Country"};
    const int widths[] = {40, 110, 60};
    for (int i = 0; i < 3; ++i) {
        auto* c = Drop->Columns().Add();
        c->SetHeader(headers[i]);
        c->SetWidth(widths[i]);
    }
    Drop->Columns().Items(0)->SetAlignment(taRightJustify);
    Drop->Items().Clear();
    for (const auto& r : rows)
        Drop->Items().AddTexts({r[0], r[1], r[2]});
    Drop->SetLookupColumn(1);
    Drop->EndUpdate();
    Drop->SetAutoSizeColumns(false);
    Drop->SetSorting(gsSingleColumn);
    Drop->GetColGrid()->SortSettings()->SetColumn(1);
    Drop->Bands().SetActive(true);
    Drop->Bands().SetPrimaryColor(0xF5E6D8);
    Drop->Bands().SetSecondaryColor(0xFFFFFF);
    Drop->SearchFooter().SetVisible(true);
    Drop->SetHoverRow(true);
    Drop->SetDropDownHeight(260);
    Drop->SetItemIndex(4);
}

}  // namespace GridDropDownScene
